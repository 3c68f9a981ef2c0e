#include <gtest/gtest.h>

#include <string>

#include "audio/sound_effects.h"
#include "platform/audio.h"
#include "support/temp_dir.h"
#include "support/wav.h"


TEST(SoundEffects, EveryRequestFailsQuietlyBeforeSetUp) {
  EXPECT_EQ(gSoundEffects.Play(goodmove), kSfxNoPerformance);
  EXPECT_EQ(gSoundEffects.Stop(goodmove), kSfxNoPerformance);
  EXPECT_EQ(gSoundEffects.Load("content\\sound\\goodmove.wav", goodmove), kSfxNoLoader);
  vStopAllEffects();  // nothing sounds, nothing is reported
}

TEST(SoundEffects, PlaysOverlappingInstancesAndStopsThemAll) {
  ScopedTempCwd cwd;
  WriteWholeFile("content/sound/goodmove.wav", MakeToneWav(2000));
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

// Without music the device rests once nothing sounds; the next effect wakes it and sounds at
// once, without decoding its sound again.
TEST(SoundEffects, ARestingDeviceWakesForTheNextEffect) {
  ScopedTempCwd cwd;
  WriteWholeFile("content/sound/goodmove.wav", MakeToneWav(2000));
  ASSERT_EQ(gSoundEffects.Init(), kSfxOk);
  ASSERT_EQ(gSoundEffects.Load("content\\sound\\goodmove.wav", goodmove), kSfxOk);
  const int decodes = PlatformSampleDecodes();
  PlatformAudioRestIfSilent(60000);
  EXPECT_TRUE(PlatformAudioIsOpen()) << "it sounded too recently";
  PlatformAudioRestIfSilent(0);
  EXPECT_FALSE(PlatformAudioIsOpen());
  EXPECT_EQ(gSoundEffects.Play(goodmove), kSfxOk);
  EXPECT_TRUE(PlatformAudioIsOpen());
  EXPECT_EQ(PlatformSampleInstances(goodmove.segment), 1);
  EXPECT_EQ(PlatformSampleDecodes(), decodes);
  gSoundEffects.Shutdown();
}

// A device that cannot open again after its rest is tried once, said once, and the game goes
// on silent; a close on purpose forgets the failure.
TEST(SoundEffects, ADeviceThatCannotWakeIsTriedOnce) {
  ScopedTempCwd cwd;
  WriteWholeFile("content/sound/goodmove.wav", MakeToneWav(2000));
  ASSERT_EQ(gSoundEffects.Init(), kSfxOk);
  ASSERT_EQ(gSoundEffects.Load("content\\sound\\goodmove.wav", goodmove), kSfxOk);
  PlatformAudioRestIfSilent(0);
  setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
  testing::internal::CaptureStderr();
  EXPECT_EQ(gSoundEffects.Play(goodmove), kSfxRefused);
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  EXPECT_EQ(gSoundEffects.Play(goodmove), kSfxRefused) << "not tried again";
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_FALSE(PlatformAudioIsOpen());
  EXPECT_EQ(err.find("could not be opened again"), err.rfind("could not be opened again")) << err;
  EXPECT_NE(err.find("could not be opened again"), std::string::npos) << err;
  gSoundEffects.Shutdown();
  ASSERT_EQ(gSoundEffects.Init(), kSfxOk);
  gSoundEffects.Shutdown();
}
