#include "rules/tap.h"

#include <algorithm>

#include "rules/nearest_free.h"

namespace {
// The square of the distance from (x, y) to the tile's area; 0 inside it.
long DistanceSquared(CellIndex cell, int x, int y, const TileGeometry& g, TileArea area) {
  const TilePoint c = TileCorner(cell, g);
  const long dx = std::max({c.x - x, 0, x - (c.x + area.width)});
  const long dy = std::max({c.y - y, 0, y - (c.y + area.height)});
  return dx * dx + dy * dy;
}

// The highest tile whose area holds (x, y), or -1.
CellIndex TileUnder(const int32_t* board, int x, int y, const TileGeometry& g, TileArea area) {
  for (CellIndex cell = kBoardCells - 1; cell >= 0; --cell) {
    if (board[cell] != 0 && DistanceSquared(cell, x, y, g, area) == 0) return cell;
  }
  return -1;
}
}  // namespace

CellIndex TappedTile(const int32_t* board, int x, int y, const TileGeometry& g, TileArea area, int reach) {
  const CellIndex under = TileUnder(board, x, y, g, area);
  if (under >= 0 && TileIsFree(board, under)) return under;
  const long reachSquared = long{reach} * reach;
  const CellIndex near = CheapestFreeTile(board, [&](CellIndex cell) -> long {
    const long d = DistanceSquared(cell, x, y, g, area);
    return d <= reachSquared ? d : -1;
  });
  return near >= 0 ? near : under;
}

bool TouchIsPress(int downX, int downY, int upX, int upY, int slop) {
  const long dx = upX - downX, dy = upY - downY;
  return dx * dx + dy * dy <= long{slop} * slop;
}
