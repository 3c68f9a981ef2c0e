// The settings file: what it keeps, and that junk in it gives the defaults.
#include <gtest/gtest.h>

#include "save/settings.h"

namespace {
TEST(Settings, KeptChoicesReadBackAndJunkGivesTheDefaults) {
  bool clean = false;
  const Settings chosen{true, 1280, 960, false, false, 3, false, "ko"};
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

TEST(Settings, AChosenLanguageIsKeptAndOnlyANameIsTaken) {
  bool clean = false;
  Settings german;
  german.language = "pt_BR";
  EXPECT_EQ(ParseSettings(FormatSettings(german), clean).language, "pt_BR");
  EXPECT_TRUE(clean);
  EXPECT_EQ(FormatSettings(Settings{}).find("language"), std::string::npos);
  for (const char* junk : {"language=../../x\n", "language=de-AT\n", "language=abcdefghijklmnopq\n"}) {
    EXPECT_EQ(ParseSettings(junk, clean).language, "") << junk;
    EXPECT_FALSE(clean) << junk;
  }
}
}  // namespace
