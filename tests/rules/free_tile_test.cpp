// The free-tile rule, case by case: sides, the cover of the layer above, and the board's edges.
#include <gtest/gtest.h>

#include "rules/board.h"
#include "test_layouts.h"

namespace {

// Judges `tile` on a board holding only `tiles` (and the tile itself).
bool BlockedAmong(const Tile& tile, const std::vector<Tile>& tiles) {
  TestBoard board;
  board.Place(tiles);
  board.Place({tile});
  return TileIsBlocked(board.data(), Cell(tile));
}

TEST(FreeTile, LoneTileIsFreeEverywhere) {
  for (int cell = 0; cell < kBoardCells; ++cell) {
    int x, y, z;
    vGetCellXYZ(cell, x, y, z);
    if (x > kMaxOriginColumn || y > kMaxOriginRow) continue;
    ASSERT_FALSE(BlockedAmong({x, y, z}, {})) << cell;
  }
}

TEST(FreeTile, InnerTileNeedsBothSidesClosedEvenHalfARowOff) {
  EXPECT_TRUE(BlockedAmong({10, 5, 0}, {{8, 6, 0}, {12, 4, 0}}));
  EXPECT_FALSE(BlockedAmong({10, 5, 0}, {{12, 4, 0}, {12, 5, 0}, {12, 6, 0}}));
  EXPECT_FALSE(BlockedAmong({10, 5, 0}, {{8, 7, 0}, {12, 5, 0}}));  // two rows off is open
  EXPECT_TRUE(BlockedAmong({10, 5, 4}, {{8, 5, 4}, {12, 5, 4}}));   // the top layer too
}

TEST(FreeTile, EdgeColumnsAreOpenTowardsTheEdge) {
  // The row above's last tile lies just before column 0 in the cells, not beside it on the board.
  EXPECT_FALSE(BlockedAmong({0, 5, 0}, {{2, 4, 0}, {2, 5, 0}, {2, 6, 0}, {26, 4, 0}}));
  EXPECT_FALSE(BlockedAmong({1, 5, 0}, {{3, 5, 0}}));
  EXPECT_FALSE(BlockedAmong({26, 5, 0}, {{24, 5, 0}}));
}

TEST(FreeTile, TopAndBottomRowsLookAlongTheirOwnRowOnly) {
  for (auto [row, inner] : {std::pair{0, 1}, std::pair{14, 13}}) {
    EXPECT_FALSE(BlockedAmong({10, row, 0}, {{8, inner, 0}, {12, inner, 0}})) << row;
    EXPECT_TRUE(BlockedAmong({10, row, 0}, {{8, row, 0}, {12, row, 0}})) << row;
    EXPECT_FALSE(BlockedAmong({10, row, 4}, {{8, row, 4}, {12, row, 4}})) << row;
  }
}

TEST(FreeTile, CoverBlockOfTheLayerAbove) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      EXPECT_TRUE(BlockedAmong({10, 5, 3}, {{10 + dx, 5 + dy, 4}})) << dx << "," << dy;
    }
  }
  EXPECT_FALSE(BlockedAmong({10, 5, 2}, {{12, 5, 3}, {10, 7, 3}, {10, 5, 4}}));
  // The column or row beyond an edge is left out of the block.
  EXPECT_FALSE(BlockedAmong({1, 5, 0}, {{0, 5, 1}}));
  EXPECT_TRUE(BlockedAmong({1, 5, 0}, {{2, 6, 1}}));
  EXPECT_TRUE(BlockedAmong({26, 0, 0}, {{25, 1, 1}}));
  EXPECT_FALSE(BlockedAmong({10, 14, 0}, {{11, 15, 1}}));
  EXPECT_TRUE(BlockedAmong({10, 14, 0}, {{11, 13, 1}}));
}

// A cell whose footprint would leave the board is never judged free, so the move test, the hint
// and the deal never offer it, and reading its neighbours never leaves the board.
TEST(FreeTile, CellsThatAreNoOriginAreBlocked) {
  TestBoard board;
  board.cells[kBoardCells - 1] = 1;
  for (CellIndex cell : {-1, kBoardCells, kBoardCells - 1, iGetCellIndex(27, 3, 0),
                         iGetCellIndex(3, 15, 2)}) {
    EXPECT_TRUE(TileIsBlocked(board.data(), cell)) << cell;
    EXPECT_FALSE(TileIsFree(board.data(), cell)) << cell;
  }
}

}  // namespace
