#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "audio/sound_effects.h"
#include "platform/audio.h"
#include "support/temp_dir.h"

namespace {
// A mono 16-bit PCM WAV of `ms` milliseconds of a quiet tone.
std::string MakeWav(int ms) {
  const int rate = 22050;
  const int samples = rate * ms / 1000;
  std::string data;
  for (int i = 0; i < samples; ++i) {
    auto v = static_cast<int16_t>(3000 * std::sin(i * 0.05));
    data.push_back(static_cast<char>(v & 0xFF));
    data.push_back(static_cast<char>((v >> 8) & 0xFF));
  }
  auto u32 = [](uint32_t v) { return std::string(reinterpret_cast<const char*>(&v), 4); };
  auto u16 = [](uint16_t v) { return std::string(reinterpret_cast<const char*>(&v), 2); };
  std::string wav = "RIFF" + u32(static_cast<uint32_t>(36 + data.size())) + "WAVE";
  wav += "fmt " + u32(16) + u16(1) + u16(1) + u32(rate) + u32(rate * 2) + u16(2) + u16(16);
  wav += "data" + u32(static_cast<uint32_t>(data.size())) + data;
  return wav;
}
}  // namespace

TEST(SoundEffects, EveryRequestFailsQuietlyBeforeSetUp) {
  EXPECT_EQ(gSoundEffects.Play(goodmove), kSfxNoPerformance);
  EXPECT_EQ(gSoundEffects.Stop(goodmove), kSfxNoPerformance);
  EXPECT_EQ(gSoundEffects.Load("content\\sound\\goodmove.wav", goodmove), kSfxNoLoader);
  vStopAllEffects();  // nothing sounds, nothing is reported
}

TEST(SoundEffects, PlaysOverlappingInstancesAndStopsThemAll) {
  ScopedTempCwd cwd;
  WriteWholeFile("content/sound/goodmove.wav", MakeWav(2000));
  WriteWholeFile("content/sound/broken.wav", "not a wav file at all");
  ASSERT_EQ(gSoundEffects.Init(), kSfxOk);

  EXPECT_EQ(gSoundEffects.Load("content\\sound\\goodmove.wav", goodmove), kSfxOk);
  EXPECT_EQ(gSoundEffects.Load("content\\sound\\hint.wav", hint), kSfxLoadFailed);
  EXPECT_EQ(gSoundEffects.Load("content\\sound\\broken.wav", badmove), kSfxLoadFailed);

  // A second play of a sounding effect starts a second instance beside the first.
  EXPECT_EQ(gSoundEffects.Play(goodmove), kSfxOk);
  EXPECT_EQ(gSoundEffects.Play(goodmove), kSfxOk);
  EXPECT_EQ(PlatformSampleInstances(goodmove.segment), 2);
  // A stop silences every instance at once.
  EXPECT_EQ(gSoundEffects.Stop(goodmove), kSfxOk);
  EXPECT_EQ(PlatformSampleInstances(goodmove.segment), 0);

  // An effect whose file did not load stays silent.
  EXPECT_EQ(gSoundEffects.Play(hint), kSfxNoSegment);
  EXPECT_EQ(gSoundEffects.Stop(badmove), kSfxNoSegment);

  // Loading again replaces the sound the record held.
  EXPECT_EQ(gSoundEffects.Load("content\\sound\\goodmove.wav", goodmove), kSfxOk);
  EXPECT_EQ(gSoundEffects.Play(goodmove), kSfxOk);
  vStopAllEffects();
  EXPECT_EQ(PlatformSampleInstances(goodmove.segment), 0);

  gSoundEffects.Shutdown();
  EXPECT_EQ(gSoundEffects.Play(goodmove), kSfxNoPerformance);
}
