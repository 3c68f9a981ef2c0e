// The content tree the build generated, read back through the game's own loaders: every image
// the game draws is there at the size its place needs, every sound effect and music track opens
// in the mixer, and every level pattern is valid.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "audio/sound_effects.h"
#include "shell/sound_setup.h"
#include "play/deal.h"
#include "content/catalogue.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "content/video_setup.h"
#include "platform/audio.h"
#include "platform/files.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {
class GeneratedContent : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    cwd_ = new ScopedTempCwd;
    fs::copy(TAVIMORA_CONTENT_DIR, "content", fs::copy_options::recursive);
    videoOk_ = bInitVideo(nullptr);
  }
  static void TearDownTestSuite() {
    gFrameStack.Shutdown();
    delete cwd_;
  }
  static ScopedTempCwd* cwd_;
  static bool videoOk_;
};
ScopedTempCwd* GeneratedContent::cwd_ = nullptr;
bool GeneratedContent::videoOk_ = false;

void ExpectSize(const Sprite& s, int w, int h, const char* what) {
  EXPECT_EQ(s.width, w) << what;
  EXPECT_EQ(s.height, h) << what;
}

void ExpectLoaded(const Sprite& s, const std::string& what) {
  EXPECT_GT(s.width, 0) << what;
  EXPECT_GT(s.height, 0) << what;
}
}  // namespace

TEST_F(GeneratedContent, EveryImageLoadsAtTheSizeItsPlaceNeeds) {
  ASSERT_TRUE(videoOk_);
  EXPECT_STREQ(szContentError, "");
  EXPECT_FALSE(fs::exists("graphics_debug.txt")) << ReadWholeFile("graphics_debug.txt");
  const GameResources& r = gResources;
  for (const Sprite* full : {&r.title, &r.gameScreen, &r.gameHelp}) ExpectSize(*full, 1024, 768, "screen");
  ExpectSize(r.messageBar, 664, 358, "messagebar");
  ExpectSize(r.gameOver, 344, 106, "gameover");
  ExpectSize(r.noMoreMoves, 268, 158, "nomoremoves");
  ExpectSize(r.levelClearBonus, 348, 178, "levelclearbonus");
  ExpectSize(r.helpButton, 45, 45, "helpbutton");
  EXPECT_EQ(r.chooseDifficulty.width, r.menuBar.width);
  EXPECT_EQ(r.chooseDifficulty.height, r.menuBar.height);
  // The panels hold their buttons where the zones lie.
  EXPECT_GE(r.menuBar.width, 178 + 364);
  EXPECT_GE(r.menuBar.height, 287 + 68);
  EXPECT_GE(r.areYouSure.width, 183 + 363);
  EXPECT_GE(r.areYouSure.height, 286 + 68);
  ExpectLoaded(r.clickToContinue, "clicktocontinue");
  ExpectLoaded(r.timeRunningOut, "timerunningout");
  EXPECT_LE(10 + r.timeRunningOut.width, 192) << "the warning must not cover the score";
  for (int i = 1; i < kTileFaces; ++i) ExpectSize(r.tiles[i], 72, 88, "tile face");
  ExpectSize(r.border, 72, 88, "border");
  for (const Sprite& t : r.ticks) ExpectSize(t, 17, 17, "tick");
  for (int i = 0; i < kDigits; ++i) ExpectLoaded(r.digits[i], "num" + std::to_string(i));
  for (int i = 0; i < kHintAngels; ++i) ExpectLoaded(r.hintAngels[i], "hintangel" + std::to_string(i));
  ExpectLoaded(r.shadow, "shadow");
  ExpectLoaded(r.tileSelect, "tileselect");
  ExpectLoaded(r.tileBlock[0], "tileblock");
  EXPECT_EQ(r.tileBlock[1].width, 0) << "the blink's hidden phase stays empty";
}

TEST_F(GeneratedContent, EverySoundAndTrackOpensInTheMixer) {
  ASSERT_TRUE(bInitSound(nullptr));
  for (SoundEffect* e : {&button_over, &goodmove, &badmove, &nomoves, &levelclear, &hint}) {
    EXPECT_NE(e->segment, nullptr);
    EXPECT_EQ(gSoundEffects.Play(*e), kSfxOk);
  }
  vStopAllEffects();
  for (int i = 0; i < 3; ++i) {
    std::string path = "content/sound/backmusic" + std::to_string(i) + ".mp3";
    PlatformMusic* music = PlatformMusicLoad(path.c_str());
    EXPECT_NE(music, nullptr) << path;
    PlatformMusicFree(music);
  }
}

TEST_F(GeneratedContent, EveryLevelPatternIsValidAndNumberedWithoutGaps) {
  int count = 0;
  while (fs::exists("content/levels/level" + std::to_string(count) + ".dat")) ++count;
  EXPECT_GE(count, 20);
  for (int i = 0; i < count; ++i) {
    std::string path = "content\\levels\\level" + std::to_string(i) + ".dat";
    vLoadPattern(path.c_str());
    EXPECT_EQ(iCheckPattern(Board), kPatternOk) << path;
  }
}
