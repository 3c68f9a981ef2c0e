#include <gtest/gtest.h>

#include <algorithm>

#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "gfx/sprite.h"
#include "gfx_fixture.h"

namespace {
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRed{248, 0, 0};
constexpr Rgb kBackground{0, 252, 0};

class SpriteTest : public GfxTest {
 protected:
  // A 4 x 3 sprite: a white top row, a red middle row with a black hole at column 1, and a
  // bottom row 0x20-grey. Built at (0, 0) of the frame, which is then cleared.
  void MakeSprite(bool bTransparent) {
    PaintRect(0, 0, 4, 1, kWhite);
    PaintRect(0, 1, 4, 1, kRed);
    Paint(1, 1, kBlack);
    PaintRect(0, 2, 4, 1, Rgb{32, 32, 32});
    GrabSprite(sprite, 0, 0, 4, 3, bTransparent);
    PaintRect(0, 0, 4, 3, kBlack);
  }
  Sprite sprite;
};

TEST_P(SpriteTest, TransparentSkipsBlackOpaqueOverwrites) {
  MakeSprite(true);
  PaintRect(100, 100, 4, 3, kBackground);
  sprite.Draw(100, 100);
  EXPECT_EQ(At(100, 100), kWhite);
  EXPECT_EQ(At(101, 101), Stored(kBackground));  // the hole shows what lay beneath
  EXPECT_EQ(At(102, 101), Stored(kRed));

  MakeSprite(false);
  PaintRect(100, 100, 4, 3, kBackground);
  sprite.Draw(100, 100);
  EXPECT_EQ(At(101, 101), kBlack);  // opaque: the black hole overwrites
  EXPECT_EQ(At(102, 101), Stored(kRed));
}

TEST_P(SpriteTest, SpritesAboveTheBufferDrawOnlyTheirVisibleRows) {
  MakeSprite(true);
  sprite.Draw(10, -3);  // wholly above
  sprite.Draw(20, -1);  // top row above, the other two visible
  for (int x = 10; x < 14; ++x) EXPECT_EQ(At(x, 0), kBlack);
  EXPECT_EQ(At(20, 0), Stored(kRed));
  EXPECT_EQ(At(20, 1), Stored(Rgb{32, 32, 32}));
  EXPECT_EQ(At(20, 2), kBlack);
}

TEST_P(SpriteTest, OpaqueSpritePartlyOutsideDrawsOnlyInside) {
  MakeSprite(false);
  sprite.Draw(kFrameWidth - 2, kFrameHeight - 1);  // two columns and one row inside
  EXPECT_EQ(At(kFrameWidth - 2, kFrameHeight - 1), kWhite);
  EXPECT_EQ(At(kFrameWidth - 1, kFrameHeight - 1), kWhite);
  EXPECT_EQ(At(kFrameWidth - 1, kFrameHeight - 2), kBlack);
  sprite.Draw(-2, 0);
  EXPECT_EQ(At(0, 1), Stored(kRed));
  EXPECT_EQ(At(1, 1), Stored(kRed));
}

TEST_P(SpriteTest, TintAddsOffsetsAndClampsToEightAndAbove) {
  PaintRect(0, 0, 1, 1, kWhite);
  Paint(1, 0, Rgb{10, 20, 30});
  Paint(2, 0, kBlack);
  Paint(3, 0, Rgb{8, 0, 0});
  GrabSprite(sprite, 0, 0, 4, 1, true);
  PaintRect(0, 10, 4, 1, kBackground);

  sprite.DrawTinted(0, 10, 150, 100, 0, pTintScratch);
  EXPECT_EQ(At(0, 10), kWhite);
  Rgb dark = Stored(Rgb{10, 20, 30});
  EXPECT_EQ(At(1, 10), Stored(Rgb{dark.r + 150, dark.g + 100, dark.b}));
  if (GetParam() != 16) {
    EXPECT_EQ(At(1, 10), (Rgb{160, 120, 30}));
  }
  EXPECT_EQ(At(2, 10), Stored(kBackground));  // black stays transparent

  sprite.DrawTinted(0, 20, 0, 0, 0, pTintScratch);
  EXPECT_EQ(At(3, 20), (Rgb{8, 8, 8}));  // never down to the transparent black
  sprite.DrawTinted(0, 30, -255, -255, -255, pTintScratch);
  EXPECT_EQ(At(0, 30), (Rgb{8, 8, 8}));

  // The sprite's own pixels are left as they were.
  sprite.Draw(0, 40);
  EXPECT_EQ(At(0, 40), kWhite);
  EXPECT_EQ(At(1, 40), dark);
}

TEST_P(SpriteTest, TintMatchesRecolouringEachPixelOnItsOwn) {
  // 256 x 256 pixel values: every 5-6-5 word at 16 bits, a scattered sample at 24 and 32.
  auto value = [&](int x, int y) {
    uint32_t v = uint32_t(y) * 256 + uint32_t(x);
    return GetParam() == 16 ? v : (v * 2654435761u) & 0xFFFFFF;
  };
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) {
      SetColor(value(x, y));
      PutPixel(x, y);
    }
  GrabSprite(sprite, 0, 0, 256, 256, true);
  const int offsets[][3] = {{150, 100, 0}, {150, -50, -50}, {-300, 7, 300}};
  for (const auto& o : offsets) {
    PaintRect(300, 0, 256, 256, kBlack);
    sprite.DrawTinted(300, 0, o[0], o[1], o[2], pTintScratch);
    for (int y = 0; y < 256; ++y)
      for (int x = 0; x < 256; ++x) {
        uint32_t expected = 0;
        if (value(x, y) != 0) {
          int r = 0, g = 0, b = 0;
          SplitColor(value(x, y), &r, &g, &b);
          expected = MakeColor(std::clamp(r + o[0], 8, 255), std::clamp(g + o[1], 8, 255),
                               std::clamp(b + o[2], 8, 255));
        }
        ASSERT_EQ(GetPixel(300 + x, y), expected) << x << ", " << y;
      }
  }
}

TEST_P(SpriteTest, TintDrawsOnlyTheRowsBelowTheTop) {
  MakeSprite(true);
  sprite.DrawTinted(50, -3, 0, 0, 0, pTintScratch);  // wholly above
  for (int x = 50; x < 54; ++x) EXPECT_EQ(At(x, 0), kBlack);
  sprite.DrawTinted(60, -2, 0, 0, 0, pTintScratch);  // only the bottom row
  EXPECT_EQ(At(60, 0), Stored(Rgb{32, 32, 32}));
  EXPECT_EQ(At(60, 1), kBlack);
}

TEST_P(SpriteTest, EmptySpritesDrawNothing) {
  PaintRect(200, 200, 8, 8, kBackground);
  GameResources& r = gResources;
  r.tileBlock[1].Init(0, 0, static_cast<int16_t>(GetParam()), &gFrameStack, true, true, nullptr);
  r.tileBlock[1].Draw(200, 200);
  r.tileBlock[1].DrawTinted(200, 200, 100, 100, 100, pTintScratch);
  Sprite opaque;
  opaque.Init(0, 0, static_cast<int16_t>(GetParam()), &gFrameStack, false, false, nullptr);
  opaque.Draw(200, 200);
  for (int y = 200; y < 208; ++y)
    for (int x = 200; x < 208; ++x) ASSERT_EQ(At(x, y), Stored(kBackground));
}

INSTANTIATE_TEST_SUITE_P(Depths, SpriteTest, ::testing::ValuesIn(kAllDepths));

}  // namespace
