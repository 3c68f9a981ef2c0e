#pragma once
// A finger on the board. A fingertip is wider than the gaps, edges and covered corners it lands
// on, so, as touch games widen small targets, a tap that lands on no free tile goes to the free
// tile nearest to it, within reach; and a touch that moved before it lifted is a swipe, not a
// press.
#include "rules/focus.h"

// The part of the screen a tile answers to, from its top-left corner.
struct TileArea {
  int width, height;
};

// The tile a tap at (x, y) takes, in TileGeometry's coordinates (the corner of the tile place at
// column 0, row 0, layer 0 is (0, 0)). The highest tile whose area holds the point (edges
// included) when it is free; otherwise the free tile whose area lies nearest, no farther than
// `reach` (the higher where two are as near); otherwise the tile the tap landed on, which is not
// free, or -1 when it landed on none.
CellIndex TappedTile(const int32_t* board, int x, int y, const TileGeometry& g, TileArea area, int reach);

// True when a touch that went down at (downX, downY) and lifted at (upX, upY) is a press: it
// moved no farther than `slop`.
bool TouchIsPress(int downX, int downY, int upX, int upY, int slop);
