#pragma once
// A frame stack set up at a chosen depth (32: windowed on the dummy desktop; 24 and 16: full
// screen, which takes the depth asked for), with a full-screen frame buffer selected.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "gfx/frame_stack.h"
#include "gfx/sprite.h"
#include "raster/raster.h"

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};

inline void PrintTo(const Rgb& c, std::ostream* os) {
  *os << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

class GfxTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    int depth = GetParam();
    ASSERT_TRUE(gFrameStack.Init(kFrameWidth, kFrameHeight, static_cast<int16_t>(depth), nullptr,
                                 depth == 32));
    ASSERT_EQ(gFrameStack.Depth(), depth);
    frame = gFrameStack.CreateBuffer(kFrameWidth, kFrameHeight);
    ASSERT_GE(frame, 0);
    gFrameStack.Select(frame);
  }
  void TearDown() override { gFrameStack.Shutdown(); }

  static void Paint(int x, int y, Rgb c) {
    SetColor(MakeColor(c.r, c.g, c.b));
    PutPixel(x, y);
  }
  static void PaintRect(int x, int y, int w, int h, Rgb c) {
    for (int row = y; row < y + h; ++row)
      for (int col = x; col < x + w; ++col) Paint(col, row, c);
  }
  static Rgb At(int x, int y) {
    Rgb c{};
    SplitColor(GetPixel(x, y), &c.r, &c.g, &c.b);
    return c;
  }
  // A colour as the buffers of this depth store it.
  static Rgb Stored(Rgb c) {
    Rgb out{};
    SplitColor(MakeColor(c.r, c.g, c.b), &out.r, &out.g, &out.b);
    return out;
  }
  // Builds a sprite from the w x h area at (x, y) of the active buffer.
  void GrabSprite(Sprite& sprite, int x, int y, int w, int h, bool bTransparent) {
    sprite.Init(static_cast<int16_t>(w), static_cast<int16_t>(h),
                static_cast<int16_t>(gFrameStack.Depth()), &gFrameStack, bTransparent, false,
                nullptr);
    sprite.Grab(x, y);
  }

  int16_t frame = -1;
};

inline const int kAllDepths[] = {32, 24, 16};
