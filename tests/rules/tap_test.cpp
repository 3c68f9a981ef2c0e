// A finger on the board: where a tap goes when it lands between tiles, on an edge or on a covered
// corner, and when a touch is a swipe rather than a press. Positions are in the game's drawing,
// tiles answer over 72 x 88 pixels from their corner, and a tap reaches half a tile (32 pixels).
#include <gtest/gtest.h>

#include "rules/tap.h"
#include "test_layouts.h"

namespace {
constexpr TileGeometry kScreen{32, 40, 9, -10};
constexpr TileArea kArea{72, 88};
constexpr int kReach = 32;
// kA's area spans x 64..136, kB's 256..328, both y 80..168.
const Tile kA{2, 2, 0}, kB{8, 2, 0};
// kTop (x 521..593, y 70..158) covers all of kUnder (x 512..584, y 80..168) but a strip at the
// left and one at the bottom.
const Tile kUnder{16, 2, 0}, kTop{16, 2, 1};
// A row of five at y 320..408 whose ends alone are free; areas from x 64, 128, 192, 256, 320.
const Tile kRow[] = {{2, 8, 0}, {4, 8, 0}, {6, 8, 0}, {8, 8, 0}, {10, 8, 0}};

TEST(Tap, GoesToTheFreeTileItLandsOnOrTheNearestWithinReach) {
  TestBoard board;
  board.Place({kA, kB, kUnder, kTop, kRow[0], kRow[1], kRow[2], kRow[3], kRow[4]});
  const struct {
    int x, y;
    CellIndex to;
    const char* what;
  } cases[] = {
      {100, 124, Cell(kA), "on a free tile"},
      {150, 124, Cell(kA), "in a gap, nearer the left tile"},
      {240, 124, Cell(kB), "in a gap, nearer the right tile"},
      {100, 190, Cell(kA), "below a tile's edge"},
      {168, 124, Cell(kA), "exactly half a tile off"},
      {169, 124, -1, "just beyond half a tile, on no tile"},
      {514, 100, Cell(kTop), "on the left strip of a covered tile"},
      {550, 165, Cell(kTop), "on the bottom strip of a covered tile"},
      {228, 364, Cell(kRow[2]), "on a blocked tile far from a free one: the blocked tile"},
      {150, 364, Cell(kRow[0]), "on a blocked tile beside a free one"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TappedTile(board.data(), c.x, c.y, kScreen, kArea, kReach), c.to) << c.what;
  }
}

TEST(Tap, ATouchThatMovesMoreThanTheSlopIsNoPress) {
  const struct {
    int downX, downY, upX, upY;
    bool press;
  } cases[] = {
      {0, 0, 6, 8, true}, {0, 0, 7, 8, false}, {5, 5, -3, -1, true}, {5, 5, -6, 5, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TouchIsPress(c.downX, c.downY, c.upX, c.upY, 10), c.press)
        << c.downX << "," << c.downY << " to " << c.upX << "," << c.upY;
  }
}
}  // namespace
