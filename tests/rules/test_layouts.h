#pragma once
// Tile layouts for the rules' tests, as lists of tile origins, and a board of their own.
#include <array>
#include <vector>

#include "rules/board.h"

using Tile = std::array<int, 3>;  // x, y, z

inline CellIndex Cell(const Tile& t) { return iGetCellIndex(t[0], t[1], t[2]); }

// Tiles two cells apart over columns x0..x1 and rows y0..y1 of layer z.
inline void AddGrid(std::vector<Tile>& t, int z, int x0, int x1, int y0, int y1) {
  for (int y = y0; y <= y1; y += 2) {
    for (int x = x0; x <= x1; x += 2) t.push_back({x, y, z});
  }
}

// 38 tiles up to layer 4, with one tile stacked right on another at the top.
inline std::vector<Tile> PyramidLayout() {
  std::vector<Tile> t{{7, 5, 3}, {7, 5, 4}};
  AddGrid(t, 0, 2, 12, 2, 8);
  AddGrid(t, 1, 4, 10, 4, 6);
  AddGrid(t, 2, 6, 8, 4, 6);
  return t;
}

// Four rows of ten, every other row half a tile to the right.
inline std::vector<Tile> HalfOffsetLayout() {
  std::vector<Tile> t;
  for (int row = 0; row < 4; ++row) AddGrid(t, 0, row % 2, 18 + row % 2, 2 * row, 2 * row);
  return t;
}

// Sixteen tiles in two rows of one layer.
inline std::vector<Tile> FlatLayout() {
  std::vector<Tile> t;
  AddGrid(t, 0, 2, 16, 2, 4);
  return t;
}

// The cells of a board, all empty to begin with.
struct TestBoard {
  std::array<int32_t, kBoardCells> cells{};
  int32_t* data() { return cells.data(); }
  int32_t& operator[](const Tile& t) { return cells[static_cast<size_t>(Cell(t))]; }
  void Place(const std::vector<Tile>& tiles, int32_t face = 1) {
    for (const Tile& t : tiles) (*this)[t] = face;
  }
};
