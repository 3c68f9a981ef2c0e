// Video set-up as a full-screen build does it, on a display that accepts only some depths: the
// first of 32, 24 and 16 bits that works is taken, and when none does the user is told.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "content/video_setup.h"
#include "diag/debug_log.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "platform/display.h"
#include "platform/window.h"
#include "support/temp_dir.h"

namespace {

class VideoSetUp : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(bWindowed) << "this program holds the full-screen frame stack";
    std::filesystem::create_directories("content");
    std::filesystem::copy(std::filesystem::path(TAVIMORA_CONTENT_DIR) / "art", "content/art",
                          std::filesystem::copy_options::recursive);
    ASSERT_TRUE(PlatformCreateWindow("Tavimora", kFrameWidth, kFrameHeight, false));
    vSetDebugTrace(true);
  }
  void TearDown() override {
    PlatformLimitDisplayDepth(0);
    gFrameStack.Shutdown();
    PlatformDestroyWindow();
    vSetDebugTrace(false);
  }
  ScopedTempCwd cwd;
};

TEST_F(VideoSetUp, TakesTheFirstDepthTheDisplayAccepts) {
  for (int depth : {32, 24, 16}) {
    PlatformLimitDisplayDepth(depth);
    ASSERT_TRUE(bInitVideo(PlatformWindowHandle())) << depth;
    EXPECT_EQ(iColorDepth, depth);
    EXPECT_EQ(gResources.menuBar.depth, depth) << "the images are held at that depth";
    EXPECT_GT(gResources.menuBar.width, 0);
    gFrameStack.Shutdown();
  }
  EXPECT_NE(ReadWholeFile("debug.txt").find("Depth = 32\n"), std::string::npos);
  EXPECT_NE(ReadWholeFile("debug.txt").find("Depth = 24\n"), std::string::npos);
  EXPECT_NE(ReadWholeFile("debug.txt").find("Depth = 16\n"), std::string::npos);
}

TEST_F(VideoSetUp, NoDepthThatWorksTellsTheUserOnceAndFails) {
  PlatformLimitDisplayDepth(8);
  testing::internal::CaptureStderr();
  EXPECT_FALSE(bInitVideo(PlatformWindowHandle()));
  const std::string err = testing::internal::GetCapturedStderr();
  const std::string message =
      "Graphics System Error: Cannot set desktop resolution.  Your Video Card must support "
      "800 x 600 resolution in 32, 24, or 16 bit mode in order to play this game.\n";
  // Once; a message-box helper of the system may add its own complaint about the missing display.
  EXPECT_EQ(err.substr(0, message.size()), message);
  EXPECT_EQ(err.find(message, 1), std::string::npos) << err;
  const std::string trace = ReadWholeFile("debug.txt");
  EXPECT_NE(trace.find("Can't set res!!\n"), std::string::npos) << trace;
  EXPECT_EQ(trace.find("Depth ="), std::string::npos) << trace;
}

}  // namespace
