#include "rules/focus.h"

#include <cstdlib>

namespace {
struct Point {
  int x, y;
};

Point Centre(CellIndex cell, const TileGeometry& g) {
  int x, y, z;
  vGetCellXYZ(cell, x, y, z);
  return {x * g.columnStep + z * g.layerDx, y * g.rowStep + z * g.layerDy};
}

// The free tile of least cost (negative: not a candidate); ties go to the higher layer, which
// comes later in cell order.
template <typename Cost>
CellIndex Cheapest(const int32_t* board, Cost cost) {
  CellIndex best = -1;
  long bestCost = 0;
  for (CellIndex cell = 0; cell < kBoardCells; ++cell) {
    if (!TileIsFree(board, cell)) continue;
    long c = cost(cell);
    if (c >= 0 && (best < 0 || c <= bestCost)) {
      best = cell;
      bestCost = c;
    }
  }
  return best;
}
}  // namespace

CellIndex MoveFocus(const int32_t* board, CellIndex from, FocusMove move, const TileGeometry& g) {
  if (from < 0 || from >= kBoardCells) return NearestFreeTile(board, -1, g);
  const Point o = Centre(from, g);
  CellIndex to = Cheapest(board, [&](CellIndex cell) -> long {
    const Point p = Centre(cell, g);
    const int dx = p.x - o.x, dy = p.y - o.y;
    const bool across = move == FocusMove::kLeft || move == FocusMove::kRight;
    const int ahead = across ? (move == FocusMove::kRight ? dx : -dx)
                             : (move == FocusMove::kDown ? dy : -dy);
    if (ahead <= 0 || cell == from) return -1;
    return ahead + 2L * std::abs(across ? dy : dx);
  });
  return to < 0 ? from : to;
}

CellIndex NearestFreeTile(const int32_t* board, CellIndex near, const TileGeometry& g) {
  const Point o = near >= 0 && near < kBoardCells ? Centre(near, g) : Point{-1000000, -1000000};
  return Cheapest(board, [&](CellIndex cell) -> long {
    const Point p = Centre(cell, g);
    const long dx = p.x - o.x, dy = p.y - o.y;
    return dx * dx + dy * dy;
  });
}
