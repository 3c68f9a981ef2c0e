#include "music.h"

#include <algorithm>
#include <cmath>

namespace contentgen {
namespace {

enum Voice { kLead = 0, kArp, kBass, kPad, kTick, kVoices };
enum class Instrument { Pluck, Harp, Bell, Marimba, Flute };

struct Style {
  int tonic;            // MIDI note of the key's tonic (major) or of the minor root
  bool minor;
  double bpm;
  int beatsPerBar;
  int progression[2][8];  // scale degrees (0 = I) per bar, for the A and the B sections
  Instrument lead, arp;
  double arpStep;       // beats between arpeggio notes
  bool ticks;           // a soft woodblock on the off beats
  double echo;          // delay mix on the lead
  uint32_t seed;
};

const Style kStyles[kMusicTracks] = {
    // A calm garden: D major, zither lead over a harp arpeggio.
    {62, false, 84, 4, {{0, 4, 5, 3, 0, 4, 3, 4}, {5, 3, 0, 4, 5, 1, 3, 4}}, Instrument::Pluck, Instrument::Harp, 0.5,
     false, 0.22, 11},
    // Moonlit water: A minor, flute over slow bells, in three.
    {57, true, 72, 3, {{0, 5, 2, 6, 0, 3, 6, 4}, {3, 0, 5, 6, 3, 4, 6, 0}}, Instrument::Flute, Instrument::Bell, 1.0,
     false, 0.18, 23},
    // Lantern festival: F major, brighter and quicker, marimba and plucks.
    {65, false, 100, 4, {{0, 3, 4, 0, 5, 3, 1, 4}, {3, 4, 0, 5, 3, 4, 1, 4}}, Instrument::Bell, Instrument::Marimba, 0.5,
     true, 0.25, 37},
};

struct Rng {
  uint32_t state;
  uint32_t Next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  }
  double Unit() { return double(Next() >> 8) / double(1u << 24); }
  int Below(int n) { return int(Next() % uint32_t(n)); }
};

// Seven-note scale of the key: major or natural minor.
int ScaleNote(const Style& s, int degree) {
  static const int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
  static const int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};
  int octave = int(std::floor(degree / 7.0));
  int d = degree - 7 * octave;
  return s.tonic + 12 * octave + (s.minor ? kMinor[d] : kMajor[d]);
}

// The pentatonic notes the melodies use, from `low` to `high`.
std::vector<int> Pentatonic(const Style& s, int low, int high) {
  static const int kMajorPent[5] = {0, 2, 4, 7, 9};
  static const int kMinorPent[5] = {0, 3, 5, 7, 10};
  std::vector<int> out;
  for (int n = low; n <= high; ++n) {
    int rel = ((n - s.tonic) % 12 + 12) % 12;
    const int* set = s.minor ? kMinorPent : kMajorPent;
    if (std::find(set, set + 5, rel) != set + 5) out.push_back(n);
  }
  return out;
}

std::vector<int> ChordTones(const Style& s, int degree) {
  return {ScaleNote(s, degree), ScaleNote(s, degree + 2), ScaleNote(s, degree + 4)};
}

bool bIsChordTone(const Style& s, int degree, int midi) {
  for (int t : ChordTones(s, degree)) {
    if ((midi - t) % 12 == 0) return true;
  }
  return false;
}

// Two-bar rhythms, in beats, for four and for three beats to the bar.
const std::vector<std::vector<double>> kRhythms4 = {
    {1, 1, 2, 1, 1, 2}, {0.5, 0.5, 1, 2, 1.5, 0.5, 2}, {2, 1, 1, 3, 1}, {1, 0.5, 0.5, 1, 1, 4},
    {1.5, 0.5, 1, 1, 2, 2}, {0.5, 0.5, 0.5, 0.5, 2, 1, 1, 2}};
const std::vector<std::vector<double>> kRhythms3 = {
    {1, 1, 1, 2, 1}, {2, 1, 3}, {1, 0.5, 0.5, 1, 3}, {1.5, 0.5, 1, 2, 1}, {1, 2, 1, 1, 1}};

struct Phrase {
  std::vector<double> rhythm;
  std::vector<int> steps;  // melodic movement in pentatonic steps per note
};

Phrase MakePhrase(const Style& s, Rng& rng) {
  const auto& rhythms = s.beatsPerBar == 3 ? kRhythms3 : kRhythms4;
  Phrase p;
  p.rhythm = rhythms[size_t(rng.Below(int(rhythms.size())))];
  for (size_t i = 0; i < p.rhythm.size(); ++i) {
    const int moves[] = {-2, -1, -1, 0, 1, 1, 2, -3, 3};
    p.steps.push_back(moves[rng.Below(9)]);
  }
  return p;
}

class Composer {
 public:
  Composer(const Style& s) : s_(s), rng_{s.seed * 2654435761u + 1}, scale_(Pentatonic(s, s.tonic + 3, s.tonic + 22)) {}

  Composition Compose() {
    int bar = 0;
    Intro(bar, 2);
    Phrase motif = MakePhrase(s_, rng_), answer = MakePhrase(s_, rng_);
    Section(bar, 0, motif, answer, 0);
    Section(bar, 0, motif, MakePhrase(s_, rng_), 1);
    Section(bar, 1, MakePhrase(s_, rng_), MakePhrase(s_, rng_), 0);
    Section(bar, 0, motif, answer, 2);
    Outro(bar);
    c_.seconds = bar * BarSeconds();
    return c_;
  }

 private:
  double Beat() const { return 60.0 / s_.bpm; }
  double BarSeconds() const { return Beat() * s_.beatsPerBar; }

  void Add(double start, double length, double midi, double level, double pan, int voice) {
    c_.notes.push_back({start, length, midi, level, pan, voice});
  }

  // The accompaniment of one bar: pad chord, bass, arpeggio and (maybe) woodblock.
  void Accompany(int bar, int degree, double weight) {
    double t0 = bar * BarSeconds();
    std::vector<int> tones = ChordTones(s_, degree);
    for (size_t i = 0; i < tones.size(); ++i) {
      int n = tones[i];
      while (n > s_.tonic + 4) n -= 12;
      while (n < s_.tonic - 8) n += 12;
      Add(t0, BarSeconds() * 0.98, n, 0.055 * weight, -0.4 + 0.4 * double(i), kPad);
    }
    int root = ScaleNote(s_, degree);
    while (root > s_.tonic - 12) root -= 12;
    Add(t0, Beat() * 1.8, root, 0.26 * weight, 0.0, kBass);
    if (s_.beatsPerBar == 4) Add(t0 + 2 * Beat(), Beat() * 1.6, root + (rng_.Below(3) == 0 ? 7 : 0), 0.2 * weight, 0, kBass);
    std::vector<int> arp = {tones[0], tones[1], tones[2], tones[0] + 12, tones[1] + 12, tones[2], tones[1], tones[0] + 12};
    int steps = int(std::lround(s_.beatsPerBar / s_.arpStep));
    for (int k = 0; k < steps; ++k) {
      int n = arp[size_t(k) % arp.size()];
      while (n < s_.tonic) n += 12;
      double accent = k % 2 == 0 ? 1.0 : 0.75;
      Add(t0 + k * s_.arpStep * Beat(), s_.arpStep * Beat() * 1.6, n, 0.085 * weight * accent, k % 2 ? 0.35 : -0.35, kArp);
    }
    if (s_.ticks) {
      for (int b = 1; b < s_.beatsPerBar; b += 2) Add(t0 + b * Beat(), 0.06, 0, 0.05 * weight, 0.5, kTick);
    }
  }

  void Intro(int& bar, int bars) {
    for (int i = 0; i < bars; ++i) Accompany(bar++, 0, 0.55 + 0.2 * i);
  }

  size_t Nearest(int midi) const {
    size_t best = 0;
    for (size_t i = 0; i < scale_.size(); ++i) {
      if (std::abs(scale_[i] - midi) < std::abs(scale_[best] - midi)) best = i;
    }
    return best;
  }

  // One two-bar phrase of melody starting at `bar`; `cadence` ends it on the tonic.
  void Melody(int bar, const Phrase& p, int degreeFirst, int degreeSecond, bool cadence, int variation) {
    double t = bar * BarSeconds();
    double beatPos = 0;
    for (size_t i = 0; i < p.rhythm.size(); ++i) {
      bool last = i + 1 == p.rhythm.size();
      int step = p.steps[i];
      if (variation == 1 && i >= p.rhythm.size() / 2) step = -step;
      if (variation == 2 && i % 3 == 2) step += (rng_.Below(2) ? 1 : -1);
      long pos = long(position_) + step;
      pos = std::clamp(pos, 2L, long(scale_.size()) - 3);
      position_ = size_t(pos);
      int degree = beatPos < s_.beatsPerBar ? degreeFirst : degreeSecond;
      bool strong = std::fmod(beatPos, double(s_.beatsPerBar)) == 0 || last;
      if (strong && !bIsChordTone(s_, degree, scale_[position_])) {
        // Move to the nearest chord tone on strong beats.
        for (int d = 1; d < 4; ++d) {
          if (position_ + d < scale_.size() && bIsChordTone(s_, degree, scale_[position_ + d])) { position_ += d; break; }
          if (position_ >= size_t(d) && bIsChordTone(s_, degree, scale_[position_ - d])) { position_ -= d; break; }
        }
      }
      if (last && cadence) position_ = Nearest(s_.tonic + 12);
      double length = p.rhythm[i] * Beat();
      bool rest = !last && !strong && rng_.Unit() < 0.08;
      if (!rest) Add(t, length * 0.95, scale_[position_], 0.3 * (strong ? 1.0 : 0.85), 0.1, kLead);
      t += length;
      beatPos += p.rhythm[i];
    }
  }

  // Eight bars: four phrases of two bars, A A' B-ish A with a cadence at the end.
  void Section(int& bar, int part, const Phrase& motif, const Phrase& answer, int variation) {
    const int* prog = s_.progression[part];
    for (int i = 0; i < 8; ++i) Accompany(bar + i, prog[i], 1.0);
    Melody(bar, motif, prog[0], prog[1], false, variation);
    Melody(bar + 2, answer, prog[2], prog[3], false, variation);
    Melody(bar + 4, motif, prog[4], prog[5], false, (variation + 1) % 3);
    Melody(bar + 6, answer, prog[6], prog[7], true, variation);
    bar += 8;
  }

  void Outro(int& bar) {
    Accompany(bar, s_.progression[0][6], 0.8);
    Accompany(bar + 1, s_.progression[0][7], 0.7);
    double t = (bar + 2) * BarSeconds();
    for (int n : ChordTones(s_, 0)) Add(t, BarSeconds() * 2, n, 0.06, 0, kPad);
    Add(t, BarSeconds() * 2, ScaleNote(s_, 0) - 12, 0.22, 0, kBass);
    Add(t, BarSeconds() * 1.5, s_.tonic + 12, 0.28, 0.1, kLead);
    bar += 4;
  }

  const Style& s_;
  Rng rng_;
  std::vector<int> scale_;
  size_t position_ = 5;
  Composition c_;
};

std::vector<float> Play(Instrument instrument, const MusicNote& n, uint32_t seed) {
  double f = MidiToFrequency(n.midi);
  switch (instrument) {
    case Instrument::Pluck: return RenderAdditive(PluckVoice(), f, n.length, n.level);
    case Instrument::Harp: return RenderAdditive(HarpVoice(), f, n.length, n.level);
    case Instrument::Bell: return RenderAdditive(BellVoice(), f, n.length, n.level * 0.8);
    case Instrument::Marimba: return RenderAdditive(MarimbaVoice(), f, n.length, n.level * 1.2);
    case Instrument::Flute: return RenderFlute(f, n.length, n.level * 0.55, seed);
  }
  return {};
}

}  // namespace

Composition ComposeTrack(int index) { return Composer(kStyles[index % kMusicTracks]).Compose(); }

StereoBuffer RenderTrack(int index) {
  const Style& s = kStyles[index % kMusicTracks];
  Composition c = ComposeTrack(index);
  double ringOut = 3.0;
  size_t frames = size_t((c.seconds + ringOut) * kSampleRate);
  StereoBuffer mix(frames), lead(frames);
  uint32_t seed = s.seed;
  for (const MusicNote& n : c.notes) {
    size_t at = size_t(n.start * kSampleRate);
    switch (n.voice) {
      case kLead: MixInto(lead, Play(s.lead, n, ++seed), at, n.pan); break;
      case kArp: MixInto(mix, Play(s.arp, n, ++seed), at, n.pan); break;
      case kBass: MixInto(mix, RenderAdditive(HarpVoice(), MidiToFrequency(n.midi), n.length, n.level), at, n.pan); break;
      case kPad: MixInto(mix, RenderPad(MidiToFrequency(n.midi), n.length, n.level, 0.5, 0.9), at, n.pan); break;
      case kTick: MixInto(mix, RenderNoiseBurst(0.05, n.level, 0.55, ++seed), at, n.pan); break;
      default: break;
    }
  }
  ApplyDelay(lead, 60.0 / s.bpm * 0.75, 0.35, s.echo);
  for (size_t i = 0; i < frames; ++i) mix.left[i] += lead.left[i], mix.right[i] += lead.right[i];
  ApplyReverb(mix, 0.75, 0.45, 0.28);
  NormaliseLoudness(mix, 0.12, 0.70, 0.86);
  ApplyFades(mix, 0.4, 2.5);
  return mix;
}

}  // namespace contentgen
