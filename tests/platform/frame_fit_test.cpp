// Showing the 1024 x 768 frame in windows of other sizes: where it lies, where a press lands in
// frame pixels, and which window pixels a changed rectangle touches.
#include <gtest/gtest.h>

#include <vector>

#include "platform/frame_fit.h"

namespace {
constexpr int kW = 1024, kH = 768;

struct Point {
  int x, y;
};

Point Map(int x, int y, int winW, int winH, int drawW, int drawH) {
  Point p{};
  WindowPointToFrame(x, y, winW, winH, drawW, drawH, kW, kH, p.x, p.y);
  return p;
}

TEST(FrameFit, LargestFitWithBarsAndFirstWindowSize) {
  const PixelRect same = FitFrame(kW, kH, kW, kH);
  EXPECT_EQ(same.x, 0);
  EXPECT_EQ(same.w, kW);
  const PixelRect wide = FitFrame(1920, 1080, kW, kH);  // bars left and right
  EXPECT_EQ(wide.x, 240);
  EXPECT_EQ(wide.w, 1440);
  EXPECT_EQ(wide.h, 1080);
  const PixelRect tall = FitFrame(800, 900, kW, kH);  // bars above and below
  EXPECT_EQ(tall.y, 150);
  EXPECT_EQ(tall.h, 600);
  int w = 0, h = 0;
  FirstWindowSize(1920, 1050, kW, kH, w, h);
  EXPECT_EQ(w, kW);
  FirstWindowSize(1366, 728, kW, kH, w, h);  // a small laptop: the largest 4:3 that fits
  EXPECT_EQ(w, 970);
  EXPECT_EQ(h, 728);
}

TEST(FrameFit, PointerMapsToFramePixelsAtEverySize) {
  // One to one, scaled down, scaled up with bars, and a HiDPI window of twice as many pixels.
  EXPECT_EQ(Map(0, 0, kW, kH, kW, kH).x, 0);
  EXPECT_EQ(Map(1023, 767, kW, kH, kW, kH).y, 767);
  const Point small = Map(799, 599, 800, 600, 800, 600);
  EXPECT_EQ(small.x, 1023);
  EXPECT_EQ(small.y, 767);
  EXPECT_EQ(Map(400, 300, 800, 600, 800, 600).x, 512);
  const Point big = Map(240 + 720, 540, 1920, 1080, 1920, 1080);
  EXPECT_EQ(big.x, 512);
  EXPECT_EQ(big.y, 384);
  const Point hidpi = Map(1023, 767, kW, kH, 2 * kW, 2 * kH);
  EXPECT_EQ(hidpi.x, 1023);
  EXPECT_EQ(hidpi.y, 767);
  EXPECT_EQ(Map(511, 0, kW, kH, 2 * kW, 2 * kH).x, 511);
  EXPECT_EQ(Map(5, 6, 0, 0, 0, 0).x, 5) << "a minimised window has no area to divide by";
}

// The name field placed for an input method lands where the pointer maps back onto it.
TEST(FrameFit, AFrameRectangleInWindowPointsMapsBackOntoItself) {
  const struct { int winW, winH, drawW, drawH; } sizes[] = {
      {kW, kH, kW, kH}, {800, 600, 800, 600}, {1920, 1080, 1920, 1080}, {kW, kH, 2 * kW, 2 * kH}, {1280, 1024, 1280, 1024}};
  const PixelRect field{222, 434, 620, 40};
  for (const auto& s : sizes) {
    const PixelRect r = FrameRectToWindow(field, s.winW, s.winH, s.drawW, s.drawH, kW, kH);
    const Point first = Map(r.x, r.y, s.winW, s.winH, s.drawW, s.drawH);
    const Point last = Map(r.x + r.w - 1, r.y + r.h - 1, s.winW, s.winH, s.drawW, s.drawH);
    EXPECT_NEAR(first.x, field.x, 2) << s.winW;
    EXPECT_NEAR(first.y, field.y, 2) << s.winW;
    EXPECT_NEAR(last.x, field.x + field.w - 1, 2) << s.winW;
    EXPECT_NEAR(last.y, field.y + field.h - 1, 2) << s.winW;
  }
}

TEST(FrameFit, PressOnABarLandsOutsideTheFrame) {
  const Point left = Map(239, 500, 1920, 1080, 1920, 1080);
  const Point right = Map(1680, 500, 1920, 1080, 1920, 1080);
  const Point above = Map(400, 149, 800, 900, 800, 900);
  EXPECT_LT(left.x, 0);
  EXPECT_GT(right.x, kW - 1);
  EXPECT_LT(above.y, 0);
  EXPECT_EQ(Map(240, 0, 1920, 1080, 1920, 1080).x, 0) << "the first pixel past the bar";
}

TEST(FrameFit, ChangedRectangleTouchesOnlyItsScaledArea) {
  const PixelRect fit = FitFrame(1920, 1080, kW, kH);
  const PixelRect area = ScaledArea(fit, kW, kH, PixelRect{100, 100, 72, 88});
  EXPECT_LE(area.x, fit.x + 100 * 1440 / kW);
  EXPECT_GE(area.x + area.w, fit.x + 172 * 1440 / kW);
  EXPECT_LT(area.w * area.h, 3 * 72 * 88 * 2) << "a tile's area, not the frame";
  const PixelRect exact = ScaledArea(FitFrame(kW, kH, kW, kH), kW, kH, PixelRect{5, 6, 7, 8});
  EXPECT_EQ(exact.x, 5);
  EXPECT_EQ(exact.w, 7);
}

TEST(FrameFit, PartialScaledCopyMatchesTheWholeCopy) {
  // A changed area redrawn alone must join its surroundings without a seam, and nothing outside
  // it may show the change.
  std::vector<uint32_t> frame(static_cast<size_t>(kW) * kH);
  for (size_t i = 0; i < frame.size(); ++i) frame[i] = static_cast<uint32_t>(i * 2654435761u) & 0xFFFFFF;
  const PixelRect fit = FitFrame(1440, 1080, kW, kH);
  std::vector<uint32_t> whole(static_cast<size_t>(1440) * 1080);
  ScaleFrameArea(frame.data(), kW, kH, fit, fit, whole.data(), 1440);
  const PixelRect area = ScaledArea(fit, kW, kH, PixelRect{300, 200, 50, 40});
  std::vector<uint32_t> part(static_cast<size_t>(area.w) * area.h);
  ScaleFrameArea(frame.data(), kW, kH, fit, area, part.data(), area.w);
  for (int y = 0; y < area.h; ++y) {
    for (int x = 0; x < area.w; ++x) {
      ASSERT_EQ(part[static_cast<size_t>(y) * area.w + x],
                whole[static_cast<size_t>(area.y + y) * 1440 + area.x + x]);
    }
  }
  for (int y = 200; y < 240; ++y) {
    for (int x = 300; x < 350; ++x) frame[static_cast<size_t>(y) * kW + x] ^= 0xFFFFFF;
  }
  std::vector<uint32_t> changed(whole.size());
  ScaleFrameArea(frame.data(), kW, kH, fit, fit, changed.data(), 1440);
  for (int y = 0; y < 1080; ++y) {
    for (int x = 0; x < 1440; ++x) {
      const bool inside = x >= area.x && x < area.x + area.w && y >= area.y && y < area.y + area.h;
      const size_t i = static_cast<size_t>(y) * 1440 + x;
      if (!inside) {
        ASSERT_EQ(changed[i], whole[i]) << x << "," << y;
      }
    }
  }
}
}  // namespace
