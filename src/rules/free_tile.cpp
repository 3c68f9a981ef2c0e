// The free-tile rule: which tiles the player may take. Every other rule asks it, so it stays a
// handful of array reads.
#include <algorithm>

#include "rules/board.h"

namespace {

inline bool bOccupied(const int32_t* board, int x, int y, int z) {
  return board[iGetCellIndex(x, y, z)] != 0;
}

// Any tile origin on the layer above within one cell of (x, y) overlaps the footprint. At the
// board's edges the column or row beyond the edge is left out, so a tile at column 1 is not
// covered by one at column 0 of the layer above.
bool bCovered(const int32_t* board, int x, int y, int z) {
  if (z >= kTopLayer) return false;
  int xFirst = x <= 1 ? x : x - 1;
  int xLast = x == kMaxOriginColumn ? x : x + 1;
  int yFirst = y == 0 ? 0 : y - 1;
  int yLast = y == kMaxOriginRow ? y : y + 1;
  for (int b = yFirst; b <= yLast; ++b) {
    for (int a = xFirst; a <= xLast; ++a) {
      if (bOccupied(board, a, b, z + 1)) return true;
    }
  }
  return false;
}

// A side column is closed when a tile stands level with or half a row off the tested one.
inline bool bSideClosed(const int32_t* board, int a, int y, int z) {
  return bOccupied(board, a, y - 1, z) || bOccupied(board, a, y, z) ||
         bOccupied(board, a, y + 1, z);
}

bool bSidesBlocked(const int32_t* board, int x, int y, int z) {
  if (x <= 1 || x == kMaxOriginColumn) return false;  // open towards the board's edge
  if (y == 0 || y == kMaxOriginRow) {
    // Top and bottom rows look along their own row only, and not at all on the top layer.
    return z < kTopLayer && bOccupied(board, x - 2, y, z) && bOccupied(board, x + 2, y, z);
  }
  return bSideClosed(board, x - 2, y, z) && bSideClosed(board, x + 2, y, z);
}

}  // namespace

bool TileIsBlocked(const int32_t* board, CellIndex cell) {
  if (!ValidOrigin(cell)) return true;
  int x, y, z;
  vGetCellXYZ(cell, x, y, z);
  return bCovered(board, x, y, z) || bSidesBlocked(board, x, y, z);
}

bool BoardEmpty(const int32_t* board) {
  return std::all_of(board, board + kBoardCells, [](int32_t v) { return v == 0; });
}

int CountTiles(const int32_t* board) {
  return static_cast<int>(std::count_if(board, board + kBoardCells, [](int32_t v) { return v != 0; }));
}
