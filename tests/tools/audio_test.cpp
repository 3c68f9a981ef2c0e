#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "contentgen/audio_files.h"
#include "contentgen/music.h"
#include "contentgen/sounds.h"
#include "util/little_endian.h"

using namespace contentgen;

namespace {

uint32_t U32(const std::vector<uint8_t>& v, size_t at) { return ReadLe32(v.data() + at); }

int16_t Sample(const std::vector<uint8_t>& wav, size_t index) {
  return int16_t(ReadLe16(wav.data() + 44 + 2 * index));
}

}  // namespace

TEST(AudioFiles, WavHeaderAndSamplesArePcm16) {
  std::vector<uint8_t> wav = EncodeWav(std::vector<float>{0.f, 1.f, -1.f, 2.f, 0.5f});
  ASSERT_EQ(wav.size(), 44u + 10);
  EXPECT_EQ(std::string(wav.begin(), wav.begin() + 4), "RIFF");
  EXPECT_EQ(U32(wav, 4), wav.size() - 8);
  EXPECT_EQ(std::string(wav.begin() + 8, wav.begin() + 16), "WAVEfmt ");
  EXPECT_EQ(wav[20], 1);  // PCM
  EXPECT_EQ(wav[22], 1);  // mono
  EXPECT_EQ(U32(wav, 24), 44100u);
  EXPECT_EQ(wav[34], 16);
  EXPECT_EQ(U32(wav, 40), 10u);
  EXPECT_EQ(Sample(wav, 1), 32767);
  EXPECT_EQ(Sample(wav, 2), -32767);
  EXPECT_EQ(Sample(wav, 3), 32767);  // clipped, not wrapped
  EXPECT_EQ(Sample(wav, 4), 16384);
  StereoBuffer stereo(3);
  std::vector<uint8_t> two = EncodeWav(stereo);
  EXPECT_EQ(two[22], 2);
  EXPECT_EQ(U32(two, 28), 44100u * 4);
}

TEST(AudioFiles, Mp3IsDeterministicAndUntagged) {
  StereoBuffer tone(kSampleRate);
  for (size_t i = 0; i < tone.Frames(); ++i) tone.left[i] = tone.right[i] = float(0.3 * std::sin(i * 0.05));
  std::vector<uint8_t> a = EncodeMp3(tone, 128), b = EncodeMp3(tone, 128);
  ASSERT_GT(a.size(), 10000u);
  EXPECT_EQ(a, b);
  EXPECT_EQ(a[0], 0xFF);  // starts with a frame, no ID3 tag
  EXPECT_EQ(a[1] & 0xE0, 0xE0);
}

TEST(SoundEffects, ShortSoftEdgedAndOfOneLoudness) {
  std::vector<SoundEffectAudio> effects = RenderSoundEffects();
  std::set<std::string> names;
  for (const SoundEffectAudio& e : effects) names.insert(e.name);
  EXPECT_EQ(names, (std::set<std::string>{"button_over", "goodmove", "badmove", "nomoves", "levelclear", "hint"}));
  for (const SoundEffectAudio& e : effects) {
    double seconds = double(e.samples.Frames()) / kSampleRate;
    EXPECT_GT(seconds, 0.1) << e.name;
    EXPECT_LT(seconds, e.name == "levelclear" || e.name == "nomoves" ? 2.5 : 1.0) << e.name;
    EXPECT_LT(Peak(e.samples), 0.9) << e.name;
    EXPECT_NEAR(LoudestWindowRms(e.samples), 0.16, 0.02) << e.name;
    // No click: both ends start and stop at silence.
    EXPECT_LT(std::fabs(e.samples.left.front()), 0.01) << e.name;
    EXPECT_LT(std::fabs(e.samples.left.back()), 0.001) << e.name;
    EXPECT_LT(std::fabs(e.samples.right.back()), 0.001) << e.name;
  }
}

TEST(Music, TracksAreLongDistinctAndWithinRange) {
  std::set<double> tempos;
  for (int t = 0; t < kMusicTracks; ++t) {
    Composition c = ComposeTrack(t);
    EXPECT_GE(c.seconds, 90.0) << t;
    ASSERT_GT(c.notes.size(), 200u) << t;
    std::set<int> pitches;
    for (const MusicNote& n : c.notes) {
      EXPECT_GE(n.start, 0.0);
      EXPECT_LE(n.start + n.length, c.seconds + 0.01) << t;
      if (n.voice == 0) {
        pitches.insert(int(n.midi));
        EXPECT_GE(n.midi, 55);
        EXPECT_LE(n.midi, 90);
      }
    }
    EXPECT_GE(pitches.size(), 6u) << "track " << t << " melody hardly moves";
    // The same index composes the same piece.
    EXPECT_EQ(ComposeTrack(t).notes.size(), c.notes.size());
    tempos.insert(c.seconds);
  }
  EXPECT_EQ(tempos.size(), 3u);
}

TEST(Music, MelodiesKeepToAPentatonicScaleAndChordsToTheKey) {
  for (int t = 0; t < kMusicTracks; ++t) {
    std::set<int> leadClasses, allClasses;
    for (const MusicNote& n : ComposeTrack(t).notes) {
      if (n.voice == 4) continue;  // unpitched woodblock
      int pitchClass = ((int(n.midi) % 12) + 12) % 12;
      allClasses.insert(pitchClass);
      if (n.voice == 0) leadClasses.insert(pitchClass);
    }
    EXPECT_LE(leadClasses.size(), 5u) << "track " << t;
    EXPECT_GE(leadClasses.size(), 4u) << "track " << t;
    EXPECT_LE(allClasses.size(), 7u) << "track " << t;
  }
}

TEST(Music, TheMelodyIsOneVoiceAndTheTracksUseDifferentKeys) {
  std::set<std::set<int>> scales;
  for (int t = 0; t < kMusicTracks; ++t) {
    std::vector<MusicNote> lead;
    for (const MusicNote& n : ComposeTrack(t).notes) {
      if (n.voice == 0) lead.push_back(n);
    }
    std::set<int> classes;
    for (size_t i = 0; i < lead.size(); ++i) {
      classes.insert(int(lead[i].midi) % 12);
      if (i + 1 < lead.size()) {
        EXPECT_LE(lead[i].start + lead[i].length, lead[i + 1].start + 1e-9) << "track " << t << " note " << i;
      }
    }
    scales.insert(classes);
  }
  EXPECT_EQ(scales.size(), size_t(kMusicTracks));
}

TEST(Music, RenderedTrackStaysBelowFullScale) {
  StereoBuffer track = RenderTrack(1);
  EXPECT_GE(double(track.Frames()) / kSampleRate, 90.0);
  EXPECT_LT(Peak(track), 0.89);
  EXPECT_NEAR(Rms(track), 0.12, 0.03);
  EXPECT_LT(std::fabs(track.left.front()) + std::fabs(track.left.back()), 0.002);
}
