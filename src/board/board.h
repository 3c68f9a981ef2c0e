#pragma once
// The board: 5 layers x 16 rows x 28 columns of cells. A tile covers 2 x 2 cells of its layer and
// only its origin (top-left) cell holds a value: 1 in a freshly loaded pattern, its face (1..28)
// during play, 0 for no tile.
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

extern int32_t Board[kBoardCells];

// x + 28 y + 448 z, no range check.
inline CellIndex iGetCellIndex(int x, int y, int z) {
  return x + kBoardColumns * y + kLayerCells * z;
}

inline void vGetCellXYZ(CellIndex index, int& x, int& y, int& z) {
  z = index / kLayerCells;
  x = index % kBoardColumns;
  y = (index - kLayerCells * z) / kBoardColumns;
}

// True when the tile whose origin is `cell` may not be taken. Unless `bQuiet`, a blocked answer
// also shows the player the blocked tile (vFlagBlockedTile).
bool bIsTileBlocked(CellIndex cell, bool bQuiet);

// Marks the clicked tile as blocked for 1000 ms, drops the selection and plays the bad-move sound.
void vFlagBlockedTile(CellIndex cell);
