#include "layout_figures.h"

#include <algorithm>
#include <array>

#include "rules/board.h"

namespace contentgen {

static_assert(kLayoutCells == kBoardCells, "a layout and the game's board must have the same cells");

int CountFreeTiles(const Layout& layout) {
  std::array<int32_t, kBoardCells> cells;
  std::copy(layout.cells.begin(), layout.cells.end(), cells.begin());
  int free = 0;
  for (CellIndex cell = 0; cell < kBoardCells; ++cell) free += TileIsFree(cells.data(), cell) ? 1 : 0;
  return free;
}

}  // namespace contentgen
