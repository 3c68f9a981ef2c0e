#include <gtest/gtest.h>

#include <vector>

#include "gfx/frame_stack.h"
#include "gfx_fixture.h"
#include "platform/display.h"
#include "raster/raster.h"

namespace {
using FrameStackTest = GfxTest;

// A colour that tells the source pixel apart within 32 x 64 pixels at every depth.
Rgb Marker(int x, int y) { return Rgb{(x % 32) * 8, (y % 64) * 4, 128}; }

Rgb Presented(int x, int y) {
  std::vector<uint32_t> rgb;
  int w = 0, h = 0;
  if (!PlatformLastPresented(rgb, w, h)) return Rgb{-1, -1, -1};
  uint32_t v = rgb[static_cast<size_t>(y) * w + x];
  return Rgb{int(v >> 16) & 0xFF, int(v >> 8) & 0xFF, int(v) & 0xFF};
}

// Fills the frame buffer with markers and blanks the window with a black buffer.
void PrepareMarkers(int16_t frame, int16_t black) {
  gFrameStack.Select(frame);
  for (int y = 0; y < 128; ++y)
    for (int x = 0; x < 128; ++x) {
      SetColor(MakeColor(Marker(x, y).r, Marker(x, y).g, Marker(x, y).b));
      PutPixel(x, y);
    }
  gFrameStack.ShowFrame(black);
  gFrameStack.Select(frame);
}

TEST_P(FrameStackTest, PresentRegionClipsNegativeSourceAndDestination) {
  int16_t black = gFrameStack.CreateBuffer(kFrameWidth, kFrameHeight);
  PrepareMarkers(frame, black);
  Rgb origin = At(0, 0);

  // Source off the top-left: the destination moves by the same amount and the size shrinks.
  gFrameStack.PresentRegion(-10, -5, 50, 40, 100, 200);
  EXPECT_EQ(Presented(110, 205), origin);
  EXPECT_EQ(Presented(149, 239), At(39, 34));
  EXPECT_EQ(Presented(109, 205), (Rgb{0, 0, 0}));
  EXPECT_EQ(Presented(150, 205), (Rgb{0, 0, 0}));
  EXPECT_EQ(Presented(110, 240), (Rgb{0, 0, 0}));

  // Destination off the top-left: the source moves instead.
  PrepareMarkers(frame, black);
  gFrameStack.PresentRegion(20, 30, 50, 40, -10, -5);
  EXPECT_EQ(Presented(0, 0), At(30, 35));
  EXPECT_EQ(Presented(39, 34), At(69, 69));
  EXPECT_EQ(Presented(40, 0), (Rgb{0, 0, 0}));
  EXPECT_EQ(Presented(0, 35), (Rgb{0, 0, 0}));
}

TEST_P(FrameStackTest, PresentRegionClipsRightAndBottomEdges) {
  int16_t black = gFrameStack.CreateBuffer(kFrameWidth, kFrameHeight);
  PrepareMarkers(frame, black);
  gFrameStack.PresentRegion(0, 0, 100, 100, 1000, 760);
  EXPECT_EQ(Presented(1000, 760), At(0, 0));
  EXPECT_EQ(Presented(1023, 767), At(23, 7));
}

TEST_P(FrameStackTest, RegionsWhollyOutsidePresentNothing) {
  uint64_t before = PlatformPresentCount();
  gFrameStack.PresentRegion(kFrameWidth, 0, 10, 10, 0, 0);   // right of the buffer
  gFrameStack.PresentRegion(0, -20, 10, 10, 0, 0);           // above it
  gFrameStack.PresentRegion(0, 0, 10, 10, kFrameWidth, 0);   // right of the window
  gFrameStack.PresentRegion(0, 0, 10, 10, 0, -10);           // above the window
  gFrameStack.PresentRegion(0, 0, 0, 10, 0, 0);              // nothing wide
  EXPECT_EQ(PlatformPresentCount(), before);
}

TEST_P(FrameStackTest, ShowFrameOfTheActiveBufferPresentsItWhole) {
  PaintRect(1023, 767, 1, 1, Rgb{255, 255, 255});
  uint64_t before = PlatformPresentCount();
  ShowFrame(kActiveSlot);
  EXPECT_EQ(PlatformPresentCount(), before + 1);
  EXPECT_EQ(Presented(1023, 767), (Rgb{255, 255, 255}));

  DeactivateBuffers();
  ShowFrame(kActiveSlot);  // nothing active: nothing shown
  EXPECT_EQ(PlatformPresentCount(), before + 1);
}

TEST_P(FrameStackTest, ShowFrameOfASlotSelectsIt) {
  DeactivateBuffers();
  ShowFrame(kScreenSlot);
  EXPECT_EQ(gFrameStack.ActiveBuffer(), gFrameStack.screenSlot);
  ShowFrame(frame);
  EXPECT_EQ(gFrameStack.ActiveBuffer(), frame);
  uint64_t before = PlatformPresentCount();
  ShowFrame(40);  // no buffer there: the active one keeps its place, nothing shown
  EXPECT_EQ(gFrameStack.ActiveBuffer(), frame);
  EXPECT_EQ(PlatformPresentCount(), before);
}

TEST_P(FrameStackTest, SelectRules) {
  gFrameStack.Select(kActiveSlot);
  EXPECT_EQ(gFrameStack.ActiveBuffer(), frame);
  gFrameStack.SelectScreen();
  EXPECT_EQ(gFrameStack.ActiveBuffer(), gFrameStack.screenSlot);

  // A free slot activates nothing but gives the active buffer the whole screen as its clip.
  gFrameStack.Select(frame);
  SetClipRect(0, 9, 0, 9);
  gFrameStack.Select(30);
  EXPECT_EQ(gFrameStack.ActiveBuffer(), frame);
  PaintRect(1023, 767, 1, 1, Rgb{255, 255, 255});
  EXPECT_EQ(At(1023, 767), (Rgb{255, 255, 255}));

  // Selecting a buffer in use restores its own clip rectangle.
  SetClipRect(0, 9, 0, 9);
  gFrameStack.Select(frame);
  PaintRect(500, 500, 1, 1, Rgb{255, 255, 255});
  EXPECT_EQ(At(500, 500), (Rgb{255, 255, 255}));
}

TEST_P(FrameStackTest, AtMostThirtyOneBuffers) {
  // The screen buffer and the frame buffer are open already.
  int16_t last = -1;
  for (int i = 2; i < 31; ++i) {
    last = gFrameStack.CreateBuffer(8, 8);
    ASSERT_GE(last, 0) << "buffer " << i;
  }
  EXPECT_EQ(gFrameStack.CreateBuffer(8, 8), -1);
  gFrameStack.CloseBuffer(last);
  EXPECT_EQ(gFrameStack.CreateBuffer(8, 8), last);
  EXPECT_EQ(gFrameStack.CreateBuffer(8, 8), -1);
}

TEST_P(FrameStackTest, ClosingTheActiveBufferDeactivatesIt) {
  gFrameStack.CloseBuffer(frame);
  EXPECT_EQ(gFrameStack.ActiveBuffer(), -1);
  EXPECT_EQ(gFrameStack.CreateBuffer(kFrameWidth, kFrameHeight), frame);
}

TEST_P(FrameStackTest, FadeFrameDarkensButKeepsZeroComponents) {
  PaintRect(0, 0, 4, 4, Rgb{30, 100, 0});
  PaintRect(10, 0, 1, 1, Rgb{255, 255, 255});
  FadeFrame(-2, -2, 6, 5, -50, -50, -50);  // clipped to columns 0..3, rows 0..2
  Rgb faded = At(0, 0);
  EXPECT_EQ(faded.r, 0);
  EXPECT_EQ(faded.b, 0);
  if (GetParam() == 16) {
    EXPECT_NEAR(faded.g, 50, 4);  // 5-6-5 keeps green to a multiple of about 4
  } else {
    EXPECT_EQ(faded, (Rgb{0, 50, 0}));
  }
  EXPECT_EQ(At(3, 2), faded);
  EXPECT_EQ(At(4, 0), (Rgb{0, 0, 0}));  // outside: black stays black anyway
  EXPECT_EQ(At(0, 3), Stored(Rgb{30, 100, 0}));
  EXPECT_EQ(At(10, 0), (Rgb{255, 255, 255}));

  FadeFrame(0, 0, kFrameWidth, kFrameHeight, 0, 0, 200);  // black gains no blue
  EXPECT_EQ(At(5, 5), (Rgb{0, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(Depths, FrameStackTest, ::testing::ValuesIn(kAllDepths));

TEST(FrameStackInit, WindowedTakesTheDesktopDepthWhateverIsAsked) {
  FrameStack frames;
  ASSERT_TRUE(frames.Init(kFrameWidth, kFrameHeight, 16, nullptr, true));
  EXPECT_EQ(frames.Depth(), GetDisplayDepth());
  EXPECT_GE(frames.screenSlot, 0);
  EXPECT_EQ(frames.ActiveBuffer(), -1);
  frames.Shutdown();
  EXPECT_EQ(frames.screenSlot, -1);
}

}  // namespace
