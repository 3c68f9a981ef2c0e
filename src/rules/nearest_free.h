#pragma once
// The search shared by the rules that pick one free tile by a measure of the caller's: the
// keyboard's focus and a finger's tap.
#include "rules/board.h"

// The free tile of least cost (a negative cost: not a candidate), or -1; ties go to the higher
// layer, which comes later in cell order.
template <typename Cost>
CellIndex CheapestFreeTile(const int32_t* board, Cost cost) {
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
