#pragma once
// The playing screen drawn into a 32-bit frame buffer with small synthetic images: every image is
// a solid block of its own colour, so a pixel read back tells which image lies on top there.
#include <gtest/gtest.h>

#include <cstdint>

#include "play/board.h"
#include "play/game_state.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "platform/virtual_clock.h"
#include "raster/raster.h"

namespace render_colours {
constexpr uint32_t kBackground = 0x203040;
constexpr uint32_t kShadow = 0x101018;
constexpr uint32_t kBorder = 0xE0D0B0;
constexpr uint32_t kFace[5] = {0x000000, 0x2878C8, 0x40A040, 0xA04080, 0x8080F0};
constexpr uint32_t kTileSelect = 0xF0F000;
constexpr uint32_t kTileBlock = 0xF00000;
constexpr uint32_t kHelpButton = 0x30C0C0;
constexpr uint32_t kAngel[4] = {0xFFC0C0, 0xC0FFC0, 0xC0C0FF, 0xFFFFC0};
constexpr uint32_t kRedCell = 0xC81010, kYellowCell = 0xC8C810, kGreenCell = 0x10C810,
                   kEmptyCell = 0x505050;
constexpr uint32_t kWarning = 0xFF8000;
// Digit glyphs: 0..9 and the comma, all 12 rows high, of differing (mostly odd) widths.
constexpr int kDigitWidth[11] = {11, 5, 9, 8, 10, 9, 9, 7, 9, 9, 3};
constexpr uint32_t DigitColour(int d) { return 0x100000u * uint32_t(d + 1) + 0x80; }
}  // namespace render_colours

// Tile geometry of the sizes used here: faces 1..3 and the base are 72 x 88 like the real tiles,
// face 4 is smaller (64 x 80) so the base shows right of and below it.
constexpr int kTileWidth = 72, kTileHeight = 88;

class RenderTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The pixel value (0xRRGGBB) at (x, y) of the frame buffer.
  static uint32_t At(int x, int y) { return GetPixel(x, y) & 0xFFFFFF; }
  // A colour after Sprite::DrawTinted with those offsets.
  static uint32_t Tinted(uint32_t colour, int dr, int dg, int db);
  // A colour under a tile's shadow.
  static uint32_t Shaded(uint32_t colour);
  static void Place(int x, int y, int z, int face) { Board[iGetCellIndex(x, y, z)] = face; }
  static void PaintRect(int x, int y, int w, int h, uint32_t colour);
  // A w x h sprite of one colour (w or h 0: an empty sprite that draws nothing).
  static void MakeSolid(Sprite& sprite, int w, int h, uint32_t colour, bool bTransparent);
};
