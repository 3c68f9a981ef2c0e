#include "rules/focus.h"

#include <cstdlib>

#include "rules/nearest_free.h"

CellIndex MoveFocus(const int32_t* board, CellIndex from, FocusMove move, const TileGeometry& g) {
  if (from < 0 || from >= kBoardCells) return NearestFreeTile(board, -1, g);
  const TilePoint o = TileCorner(from, g);
  CellIndex to = CheapestFreeTile(board, [&](CellIndex cell) -> long {
    const TilePoint p = TileCorner(cell, g);
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
  const TilePoint o =
      near >= 0 && near < kBoardCells ? TileCorner(near, g) : TilePoint{-1000000, -1000000};
  return CheapestFreeTile(board, [&](CellIndex cell) -> long {
    const TilePoint p = TileCorner(cell, g);
    const long dx = p.x - o.x, dy = p.y - o.y;
    return dx * dx + dy * dy;
  });
}
