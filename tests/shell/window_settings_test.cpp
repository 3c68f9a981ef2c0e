// The window settings file: what it keeps, and that junk in it gives the defaults.
#include <gtest/gtest.h>

#include "shell/window_settings.h"

namespace {
TEST(WindowSettings, KeptChoiceReadsBackAndJunkGivesTheDefaults) {
  const WindowSettings kept = ParseWindowSettings(FormatWindowSettings({true, 1280, 960}));
  EXPECT_TRUE(kept.fullScreen);
  EXPECT_EQ(kept.width, 1280);
  EXPECT_EQ(kept.height, 960);
  for (const char* junk : {"", "\x01\xff garbage\n", "fullscreen=7\nwindow=-5x300\n",
                           "window=1024x768x2\nfullscreen=1yes\n", "window=99999x99999\n"}) {
    const WindowSettings s = ParseWindowSettings(junk);
    EXPECT_FALSE(s.fullScreen) << junk;
    EXPECT_EQ(s.width, 0) << junk;
    EXPECT_EQ(s.height, 0) << junk;
  }
}
}  // namespace
