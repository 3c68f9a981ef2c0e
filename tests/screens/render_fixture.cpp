#include "render_fixture.h"

#include <algorithm>

#include "screens/screen_layout.h"

using namespace render_colours;

void RenderTest::PaintRect(int x, int y, int w, int h, uint32_t colour) {
  SetColor(colour);
  for (int row = y; row < y + h; ++row)
    for (int col = x; col < x + w; ++col) PutPixel(col, row);
}

void RenderTest::MakeSolid(Sprite& sprite, int w, int h, uint32_t colour, bool bTransparent) {
  sprite.Init(static_cast<int16_t>(w), static_cast<int16_t>(h), 32, &gFrameStack, bTransparent,
              false, nullptr);
  if (w == 0 || h == 0) return;
  PaintRect(0, 0, w, h, colour);
  sprite.Grab(0, 0);
}

uint32_t RenderTest::Tinted(uint32_t colour, int dr, int dg, int db) {
  auto shift = [](uint32_t c, int by) { return uint32_t(std::clamp(int(c & 0xFF) + by, 8, 255)); };
  return shift(colour >> 16, dr) << 16 | shift(colour >> 8, dg) << 8 | shift(colour, db);
}

uint32_t RenderTest::Shaded(uint32_t colour) {
  uint32_t out = 0;
  for (int shift : {0, 8, 16}) {
    out |= (((colour >> shift) & 0xFF) * screen::kShadowKeep >> 8) << shift;
  }
  return out;
}

void RenderTest::SetUp() {
  ASSERT_TRUE(gFrameStack.Init(kFrameWidth, kFrameHeight, 32, nullptr, true));
  ASSERT_EQ(gFrameStack.Depth(), 32);
  gResources.iFrameVB = gFrameStack.CreateBuffer(kFrameWidth, kFrameHeight);
  ASSERT_GE(gResources.iFrameVB, 0);
  gFrameStack.Select(gResources.iFrameVB);

  GameResources& r = gResources;
  MakeSolid(r.gameScreen, kFrameWidth, kFrameHeight, kBackground, false);
  MakeSolid(r.shadow, kTileWidth, kTileHeight, kShadow, true);
  MakeSolid(r.border, kTileWidth, kTileHeight, kBorder, true);
  MakeSolid(r.tiles[0], 0, 0, 0, true);
  for (int face = 1; face <= 3; ++face)
    MakeSolid(r.tiles[face], kTileWidth, kTileHeight, kFace[face], true);
  MakeSolid(r.tiles[4], 64, 80, kFace[4], true);
  MakeSolid(r.tileSelect, 6, 6, kTileSelect, true);
  MakeSolid(r.tileBlock[0], 6, 6, kTileBlock, true);
  MakeSolid(r.tileBlock[1], 0, 0, 0, true);
  MakeSolid(r.helpButton, 45, 45, kHelpButton, true);
  for (int i = 0; i < kHintAngels; ++i) MakeSolid(r.hintAngels[i], 20, 20, kAngel[i], true);
  const uint32_t ticks[4] = {kRedCell, kYellowCell, kGreenCell, kEmptyCell};
  for (int i = 0; i < 4; ++i) MakeSolid(r.ticks[i], 17, 17, ticks[i], true);
  MakeSolid(r.timeRunningOut, 20, 10, kWarning, true);
  for (int d = 0; d < kDigits; ++d) MakeSolid(r.digits[d], kDigitWidth[d], 12, DigitColour(d), true);
  PaintRect(0, 0, kFrameWidth, kFrameHeight, 0);

  vResetGameState();
  VirtualClockSet(1000000);
}

void RenderTest::TearDown() {
  gFrameStack.Shutdown();
  gResources.iFrameVB = -1;
  vResetGameState();
}
