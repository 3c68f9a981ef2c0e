#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "audio/music.h"
#include "diag/debug_log.h"
#include "platform/audio.h"
#include "platform/virtual_clock.h"
#include "support/temp_dir.h"
#include "support/wav.h"

namespace {
class Music : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(PlatformAudioOpen(), 0);
    vSetDebugTrace(true);
    VirtualClockSet(1000);
  }
  void TearDown() override {
    vStopMusic();
    vSetDebugTrace(false);
  }
  void WriteTracks() {
    // Long enough that none ends by itself while a test runs.
    for (int i = 0; i < 3; ++i) {
      WriteWholeFile("content/sound/backmusic" + std::to_string(i) + ".mp3", MakeToneWav(20000, 8000));
    }
  }
  int SongLines() {
    std::string log = ReadWholeFile("debug.txt");
    int count = 0;
    for (size_t at = log.find("[bPlayTitleMusic()] Song "); at != std::string::npos;
         at = log.find("[bPlayTitleMusic()] Song ", at + 1)) {
      ++count;
    }
    return count;
  }
  ScopedTempCwd cwd_;
};
}  // namespace

TEST_F(Music, StartsATrackAndFollowsItsEndWithAnother) {
  WriteTracks();
  EXPECT_TRUE(bPlayTitleMusic());
  EXPECT_EQ(bMusicStarted.load(), 1);
  int first = iCurrentMusicTrack();
  ASSERT_GE(first, 0);
  EXPECT_TRUE(PlatformMusicActive());
  EXPECT_EQ(ReadWholeFile("debug.txt"),
            "[bPlayTitleMusic()] Song " + std::to_string(first) + "\n");

  vPumpMusic();  // still playing: nothing happens
  EXPECT_EQ(SongLines(), 1);

  PlatformMusicHalt();  // the track has played out
  VirtualClockAdvance(777);
  vPumpMusic();
  EXPECT_EQ(SongLines(), 2);
  EXPECT_GE(iCurrentMusicTrack(), 0);
  EXPECT_TRUE(PlatformMusicActive());
}

TEST_F(Music, PauseAndResumeKeepTheSameTrack) {
  WriteTracks();
  bPlayTitleMusic();
  int track = iCurrentMusicTrack();
  vPauseMusic();
  EXPECT_TRUE(PlatformMusicPaused());
  vPumpMusic();  // a paused track cannot end
  vResumeMusic();
  EXPECT_FALSE(PlatformMusicPaused());
  EXPECT_EQ(iCurrentMusicTrack(), track);
  EXPECT_EQ(SongLines(), 1);
}

TEST_F(Music, StopTwiceAndNoPumpAfterwards) {
  WriteTracks();
  bPlayTitleMusic();
  vStopMusic();
  EXPECT_EQ(bMusicStarted.load(), 0);
  EXPECT_FALSE(PlatformMusicActive());
  vStopMusic();
  vPumpMusic();
  vPauseMusic();
  vResumeMusic();
  EXPECT_EQ(iCurrentMusicTrack(), -1);
  EXPECT_EQ(SongLines(), 1);
}

// The device may close while a track is held (the effect player shuts it down at exit): the
// track's memory must still be freed, which LeakSanitizer checks when the test ends.
TEST_F(Music, ATrackHeldWhenTheDeviceClosesIsStillFreed) {
  WriteTracks();
  bPlayTitleMusic();
  ASSERT_GE(iCurrentMusicTrack(), 0);
  PlatformAudioClose();
  vStopMusic();
  EXPECT_EQ(iCurrentMusicTrack(), -1);
}

TEST_F(Music, EachTrackAboutOneTimeInThree) {
  WriteTracks();
  int counts[3] = {};
  vSetDebugTrace(false);
  for (uint32_t t = 0; t < 600; ++t) {
    VirtualClockSet(t * 37 + 5);
    bPlayTitleMusic();
    ++counts[iCurrentMusicTrack()];
  }
  for (int c : counts) {
    EXPECT_GT(c, 150);
    EXPECT_LT(c, 250);
  }
}

TEST_F(Music, MissingTracksLeaveSilenceWithoutATightRetry) {
  WriteWholeFile("content/sound/backmusic0.mp3", "this is not music");
  bPlayTitleMusic();
  EXPECT_EQ(iCurrentMusicTrack(), -1);
  EXPECT_EQ(bMusicStarted.load(), 1);
  for (int i = 0; i < 1000; ++i) vPumpMusic();
  EXPECT_EQ(SongLines(), 1);
  VirtualClockAdvance(6000);  // a later retry is allowed, one at a time
  vPumpMusic();
  vPumpMusic();
  EXPECT_EQ(SongLines(), 2);
}

// Without a device the music is tried once and said once, however long the game runs.
TEST_F(Music, WithoutADeviceTheMusicIsTriedAndTracedOnce) {
  WriteTracks();
  PlatformAudioClose();
  setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
  bPlayTitleMusic();
  for (int i = 0; i < 5; ++i) {
    VirtualClockAdvance(6000);
    vPumpMusic();
  }
  bPlayTitleMusic();  // the player turns it on again
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  vPumpMusic();
  EXPECT_FALSE(PlatformAudioIsOpen()) << "a failed device is not tried again";
  EXPECT_EQ(bMusicStarted.load(), 0) << "no music for the main loop to pump";
  EXPECT_EQ(SongLines(), 0);
  EXPECT_EQ(ReadWholeFile("debug.txt"), "[bPlayTitleMusic()] No sound device, no music\n");
  PlatformAudioClose();  // forgets the failure for the tests that follow
}
