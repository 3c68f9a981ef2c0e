#include <gtest/gtest.h>

#include <vector>

#include "platform/display.h"
#include "platform/window.h"

// Under the dummy video driver: a window exists, frames presented by another thread's code reach
// the platform's frame, and posted quits come back with their code. (The pointer and buttons, fed
// by real events, are tested through the whole program in app_tests.)
TEST(Window, PresentedFramesAndPostedQuitsGoThrough) {
  ASSERT_TRUE(PlatformCreateWindow("Tavimora", kPlatformFrameWidth, kPlatformFrameHeight, true));
  PlatformShowWindow();

  // A 4 x 2 buffer of 32-bit pixels stored bottom-up, presented at (10, 20).
  std::vector<uint32_t> pixels = {0x000000FF, 0x0000FF00, 0x00FF0000, 0x00FFFFFF,   // bottom row
                                  0x00102030, 0x00405060, 0x00708090, 0x00A0B0C0};  // top row
  PlatformFrame frame{reinterpret_cast<const uint8_t*>(pixels.data() + 4), 4, 2, -16, 4};
  uint64_t before = PlatformPresentCount();
  PlatformPresent(frame, 1, 0, 3, 2, 10, 20);
  EXPECT_EQ(PlatformPresentCount(), before + 1);
  PlatformShowLatestFrame(false);

  std::vector<uint32_t> shown;
  int w = 0, h = 0;
  ASSERT_TRUE(PlatformLastPresented(shown, w, h));
  ASSERT_EQ(w, 1024);
  EXPECT_EQ(shown[20 * 1024 + 10], 0x00405060u);
  EXPECT_EQ(shown[21 * 1024 + 12], 0x00FFFFFFu);

  PlatformPostQuit(0);
  EXPECT_TRUE(PlatformHasPendingEvent());  // a web page's frame takes events while this holds
  PlatformEvent e;
  bool gotQuit = false;
  for (int i = 0; i < 100 && !gotQuit; ++i) {
    if (PlatformNextEvent(e, 1) && e.kind == kEventQuit) gotQuit = true;
  }
  EXPECT_TRUE(gotQuit);
  EXPECT_EQ(e.code, 0);
  PlatformEvent rest;
  while (PlatformNextEvent(rest, 0)) {
  }
  EXPECT_FALSE(PlatformHasPendingEvent());
  PlatformDestroyWindow();
  EXPECT_FALSE(PlatformWindowExists());
}

TEST(Window, SixteenAndTwentyFourBitFramesConvert) {
  uint16_t px16[2] = {0xF800, 0x07E0};  // pure red, pure green
  PlatformFrame f16{reinterpret_cast<const uint8_t*>(px16), 2, 1, 4, 2};
  PlatformPresent(f16, 0, 0, 2, 1, 0, 0);
  uint8_t px24[3] = {0x30, 0x20, 0x10};  // B, G, R
  PlatformFrame f24{px24, 1, 1, 3, 3};
  PlatformPresent(f24, 0, 0, 1, 1, 5, 0);
  std::vector<uint32_t> shown;
  int w = 0, h = 0;
  ASSERT_TRUE(PlatformLastPresented(shown, w, h));
  EXPECT_EQ(shown[0], 0x00FF0000u);
  EXPECT_EQ(shown[1], 0x0000FF00u);
  EXPECT_EQ(shown[5], 0x00102030u);
}

// The window pushes only what changed: nothing when nothing was presented, the rectangle itself
// at the frame's size, and about its scaled area (not the window) in a smaller window.
TEST(Window, PushesOnlyTheChangedArea) {
  ASSERT_TRUE(PlatformCreateWindow("Tavimora", kPlatformFrameWidth, kPlatformFrameHeight, true));
  PlatformShowWindow();
  std::vector<uint32_t> tile(72 * 88, 0x00336699);
  PlatformFrame frame{reinterpret_cast<const uint8_t*>(tile.data()), 72, 88, 72 * 4, 4};
  auto pushed = [&](bool present) {
    const uint64_t before = PlatformShownPixels();
    if (present) PlatformPresent(frame, 0, 0, 72, 88, 400, 300);
    PlatformShowLatestFrame(false);
    return PlatformShownPixels() - before;
  };
  EXPECT_EQ(pushed(false), 0u);
  EXPECT_EQ(pushed(true), 72u * 88u);
  PlatformSetWindowMode(false, 800, 600);
  PlatformShowLatestFrame(false);  // the new size is drawn whole once
  const uint64_t scaled = pushed(true);
  EXPECT_GT(scaled, 50u * 60u);
  EXPECT_LT(scaled, 70u * 80u) << "about the tile's scaled area, 56 x 69";
  PlatformDestroyWindow();
}
