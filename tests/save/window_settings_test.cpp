// The settings file: what it keeps, and that junk in it gives the defaults.
#include <gtest/gtest.h>

#include "save/settings.h"

namespace {
TEST(Settings, KeptChoicesReadBackAndJunkGivesTheDefaults) {
  bool clean = false;
  const Settings chosen{true, 1280, 960, false, false, 3, false};
  EXPECT_EQ(ParseSettings(FormatSettings(chosen), clean), chosen);
  EXPECT_TRUE(clean);
  for (const char* junk : {"\x01\xff garbage\n", "fullscreen=7\nwindow=-5x300\n",
                           "window=1024x768x2\nfullscreen=1yes\n", "window=99999x99999\n",
                           "music=loud\neffects=\nvolume=9\n", "volume=0\nvolume=4x\nmusic=onn\n",
                           "pauseaway=no\npauseaway=\n"}) {
    EXPECT_EQ(ParseSettings(junk, clean), Settings{}) << junk;
    EXPECT_FALSE(clean) << junk;
  }
}
}  // namespace
