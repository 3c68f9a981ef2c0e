#include "sounds.h"

#include <algorithm>
#include <cmath>

namespace contentgen {
namespace {

constexpr double kTargetLoudness = 0.16;  // RMS of the loudest 100 ms
constexpr double kKnee = 0.70, kCeiling = 0.88;  // peaks stay under about -1.1 dBFS

size_t At(double seconds) { return size_t(seconds * kSampleRate); }

struct Note {
  double start, midi, length, level, pan;
};

void PlayNotes(StereoBuffer& out, const AdditiveVoice& voice, const std::vector<Note>& notes) {
  for (const Note& n : notes) MixInto(out, RenderAdditive(voice, MidiToFrequency(n.midi), n.length, n.level), At(n.start), n.pan);
}

StereoBuffer ButtonOver() {
  StereoBuffer b(At(0.32));
  PlayNotes(b, MarimbaVoice(), {{0.0, 79, 0.12, 0.5, 0.0}});
  PlayNotes(b, ChimeVoice(), {{0.015, 91, 0.08, 0.12, 0.2}});
  return b;
}

StereoBuffer GoodMove() {
  StereoBuffer b(At(0.7));
  PlayNotes(b, ChimeVoice(), {{0.0, 84, 0.25, 0.35, -0.2}, {0.075, 91, 0.35, 0.35, 0.2}});
  PlayNotes(b, HarpVoice(), {{0.0, 72, 0.3, 0.25, 0.0}});
  return b;
}

StereoBuffer BadMove() {
  StereoBuffer b(At(0.42));
  PlayNotes(b, MarimbaVoice(), {{0.0, 52, 0.12, 0.6, -0.1}, {0.11, 47, 0.2, 0.6, 0.1}});
  MixInto(b, RenderNoiseBurst(0.05, 0.12, 0.3, 5), 0, 0);
  return b;
}

StereoBuffer NoMoves() {
  StereoBuffer b(At(1.7));
  PlayNotes(b, BellVoice(), {{0.0, 81, 0.3, 0.3, 0.3}, {0.17, 76, 0.3, 0.3, 0.1}, {0.34, 74, 0.3, 0.3, -0.1},
                             {0.51, 69, 0.8, 0.34, -0.3}});
  PlayNotes(b, BellVoice(), {{0.51, 45, 0.9, 0.35, 0.0}});
  MixInto(b, RenderPad(MidiToFrequency(57), 0.7, 0.12, 0.3, 0.4), At(0.45), 0);
  return b;
}

StereoBuffer LevelClear() {
  StereoBuffer b(At(1.9));
  const int run[] = {72, 74, 76, 79, 81, 84, 86, 88};
  std::vector<Note> notes;
  for (int i = 0; i < 8; ++i) notes.push_back({i * 0.075, double(run[i]), 0.3, 0.26, -0.6 + i * 0.17});
  PlayNotes(b, ChimeVoice(), notes);
  PlayNotes(b, BellVoice(), {{0.62, 72, 0.9, 0.22, -0.3}, {0.62, 76, 0.9, 0.2, 0.0}, {0.62, 79, 0.9, 0.2, 0.3},
                             {0.62, 84, 0.9, 0.18, 0.0}});
  PlayNotes(b, HarpVoice(), {{0.62, 48, 1.0, 0.3, 0.0}});
  return b;
}

StereoBuffer Hint() {
  StereoBuffer b(At(0.95));
  const int run[] = {88, 91, 93, 96, 98};
  std::vector<Note> notes;
  for (int i = 0; i < 5; ++i) notes.push_back({i * 0.055, double(run[i]), 0.18, 0.22, (i % 2 ? 0.4 : -0.4)});
  PlayNotes(b, ChimeVoice(), notes);
  PlayNotes(b, BellVoice(), {{0.28, 84, 0.4, 0.2, 0.0}});
  return b;
}

// Reverb, matched loudness, and fades so that nothing clicks at either end.
StereoBuffer Finish(StereoBuffer b, double reverb) {
  ApplyReverb(b, 0.55, 0.5, reverb);
  double loud = LoudestWindowRms(b);
  if (loud > 0) Scale(b, kTargetLoudness / loud);
  NormaliseLoudness(b, Rms(b), kKnee, kCeiling);
  ApplyFades(b, 0.003, 0.04);
  return b;
}

}  // namespace

double LoudestWindowRms(const StereoBuffer& buffer) {
  const size_t window = At(0.1);
  double best = 0, sum = 0;
  for (size_t i = 0; i < buffer.Frames(); ++i) {
    sum += double(buffer.left[i]) * buffer.left[i] + double(buffer.right[i]) * buffer.right[i];
    if (i >= window) {
      size_t j = i - window;
      sum -= double(buffer.left[j]) * buffer.left[j] + double(buffer.right[j]) * buffer.right[j];
    }
    best = std::max(best, sum);
  }
  return std::sqrt(std::max(0.0, best) / (2.0 * double(std::min(window, buffer.Frames()))));
}

std::vector<SoundEffectAudio> RenderSoundEffects() {
  std::vector<SoundEffectAudio> out;
  out.push_back({"button_over", Finish(ButtonOver(), 0.25)});
  out.push_back({"goodmove", Finish(GoodMove(), 0.35)});
  out.push_back({"badmove", Finish(BadMove(), 0.2)});
  out.push_back({"nomoves", Finish(NoMoves(), 0.45)});
  out.push_back({"levelclear", Finish(LevelClear(), 0.45)});
  out.push_back({"hint", Finish(Hint(), 0.4)});
  return out;
}

}  // namespace contentgen
