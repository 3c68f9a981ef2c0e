// The keyboard's focus ring: where each arrow key takes it, and where it goes when its tile is
// taken, on a board whose every tile but one is free.
#include <gtest/gtest.h>

#include "rules/focus.h"
#include "test_layouts.h"

namespace {
constexpr TileGeometry kScreen{32, 40, 9, -10};  // the game's own drawing
const Tile kA{2, 2, 0}, kB{6, 2, 0}, kC{10, 2, 0}, kD{2, 6, 0}, kE{6, 6, 0};
const Tile kUnder{10, 6, 0}, kTop{10, 6, 1};  // a stack of two

TestBoard Board() {
  TestBoard board;
  board.Place({kA, kB, kC, kD, kE, kUnder, kTop});
  return board;
}

TEST(Focus, ArrowsGoToTheNearestFreeTileThatWay) {
  const struct {
    Tile from;
    FocusMove move;
    Tile to;
  } cases[] = {
      {kA, FocusMove::kRight, kB},  {kB, FocusMove::kRight, kC}, {kB, FocusMove::kLeft, kA},
      {kA, FocusMove::kDown, kD},   {kB, FocusMove::kDown, kE},  {kE, FocusMove::kRight, kTop},
      {kC, FocusMove::kDown, kTop}, {kTop, FocusMove::kUp, kC},  {kA, FocusMove::kLeft, kA},
      {kC, FocusMove::kUp, kC},
  };
  TestBoard board = Board();
  for (const auto& c : cases) {
    EXPECT_EQ(MoveFocus(board.data(), Cell(c.from), c.move, kScreen), Cell(c.to))
        << c.from[0] << "," << c.from[1] << " move " << static_cast<int>(c.move);
  }
  EXPECT_EQ(MoveFocus(board.data(), -1, FocusMove::kDown, kScreen), Cell(kA))
      << "the first arrow lights the free tile nearest the top-left corner";
}

TEST(Focus, AfterATileIsTakenTheNearestFreeTileHasIt) {
  TestBoard board = Board();
  board[kTop] = 0;
  EXPECT_EQ(NearestFreeTile(board.data(), Cell(kTop), kScreen), Cell(kUnder));
  board = Board();
  board[kE] = 0;
  EXPECT_EQ(NearestFreeTile(board.data(), Cell(kE), kScreen), Cell(kD));
  TestBoard empty;
  EXPECT_EQ(NearestFreeTile(empty.data(), Cell(kB), kScreen), -1);
}
}  // namespace
