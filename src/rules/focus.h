#pragma once
// The keyboard's focus ring on the board: which free tile an arrow key moves it to, and where it
// goes when its tile is taken. Tiles are compared by their centres on screen, which the caller
// describes, since a tile one layer up is drawn offset.
#include "rules/board.h"

enum class FocusMove { kLeft, kRight, kUp, kDown };

// Where a tile's top-left corner lies: column * columnStep + layer * layerDx across,
// row * rowStep + layer * layerDy down (the tile's size does not change which is nearest).
struct TileGeometry {
  int columnStep, rowStep, layerDx, layerDy;
};

struct TilePoint {
  int x, y;
};

// The top-left corner of the tile whose origin is `cell`.
inline TilePoint TileCorner(CellIndex cell, const TileGeometry& g) {
  int x, y, z;
  vGetCellXYZ(cell, x, y, z);
  return {x * g.columnStep + z * g.layerDx, y * g.rowStep + z * g.layerDy};
}

// The nearest free tile whose centre lies in that direction from the tile at `from` (half as far
// sideways counts as twice as far ahead), the higher one first where two are as near; `from`
// itself when there is none.
CellIndex MoveFocus(const int32_t* board, CellIndex from, FocusMove move, const TileGeometry& g);

// The free tile whose centre lies nearest to the tile place `near` (a tile just taken, or -1 for
// the board's top-left corner), the higher one first where two are as near; -1 when no tile is
// free.
CellIndex NearestFreeTile(const int32_t* board, CellIndex near, const TileGeometry& g);
