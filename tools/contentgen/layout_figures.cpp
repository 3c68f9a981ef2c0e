#include "layout_figures.h"

#include <algorithm>
#include <iterator>

#include "board/board.h"

namespace contentgen {

static_assert(kLayoutCells == kBoardCells, "a layout and the game's board must have the same cells");

int CountFreeTiles(const Layout& layout) {
  std::copy(layout.cells.begin(), layout.cells.end(), Board);
  int free = 0;
  for (CellIndex cell = 0; cell < kBoardCells; ++cell) {
    if (Board[cell] != 0 && !bIsTileBlocked(cell, true)) ++free;
  }
  std::fill(std::begin(Board), std::end(Board), 0);
  return free;
}

}  // namespace contentgen
