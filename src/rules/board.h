#pragma once
// The board: 5 layers x 16 rows x 28 columns of cells. A tile covers 2 x 2 cells of its layer and
// only its origin (top-left) cell holds a value: 1 in a freshly loaded pattern, its face (1..28)
// during play, 0 for no tile. The rules take the cells as an argument; the play layer owns them.
#include <cstdint>

constexpr int kBoardColumns = 28;
constexpr int kBoardRows = 16;
constexpr int kBoardLayers = 5;
constexpr int kLayerCells = kBoardColumns * kBoardRows;  // 448
constexpr int kBoardCells = kLayerCells * kBoardLayers;  // 2240
constexpr int kMaxOriginColumn = 26;
constexpr int kMaxOriginRow = 14;
constexpr int kTopLayer = kBoardLayers - 1;

using CellIndex = int32_t;

// x + 28 y + 448 z, no range check.
constexpr CellIndex iGetCellIndex(int x, int y, int z) {
  return x + kBoardColumns * y + kLayerCells * z;
}

inline void vGetCellXYZ(CellIndex index, int& x, int& y, int& z) {
  z = index / kLayerCells;
  x = index % kBoardColumns;
  y = (index - kLayerCells * z) / kBoardColumns;
}

// Only origins whose 2 x 2 footprint lies on the board can be judged by the free-tile rule.
inline bool ValidOrigin(CellIndex cell) {
  if (cell < 0 || cell >= kBoardCells) return false;
  int x, y, z;
  vGetCellXYZ(cell, x, y, z);
  return x <= kMaxOriginColumn && y <= kMaxOriginRow;
}

// True when a cell of the board holds a tile.
inline bool HoldsTile(const int32_t* board, CellIndex cell) {
  return cell >= 0 && cell < kBoardCells && board[cell] != 0;
}

// True when no cell of the board holds a tile.
bool BoardEmpty(const int32_t* board);

// How many cells hold a tile.
int CountTiles(const int32_t* board);

// The free-tile rule: true when the tile whose origin is `cell` may not be taken. Cells that
// cannot be a tile origin (outside the board, column 27, row 15) count as blocked.
bool TileIsBlocked(const int32_t* board, CellIndex cell);

// A tile that holds a value and may be taken now.
inline bool TileIsFree(const int32_t* board, CellIndex cell) {
  return HoldsTile(board, cell) && !TileIsBlocked(board, cell);
}
