#include "rules/indicators.h"

#include "rules/time_bar.h"
#include "util/time_compare.h"

namespace {
// The blocked mark is drawn, and so blinks, only while its cell holds a tile.
bool bBlockedTileShown(const GameVars& vars, const int32_t* board) {
  return vars.iBlockedCell >= 0 && vars.iBlockedCell < kBoardCells && board[vars.iBlockedCell] > 0;
}
}  // namespace

void StepIndicators(GameVars& vars, const int32_t* board, uint32_t now) {
  StepTimeBar(vars, now);
  if (vars.iBestScore < vars.iShownScore) vars.iBestScore = vars.iShownScore;
  if (bBlockedTileShown(vars, board) && bTimeAfter(now, vars.dwBlockedBlinkAt)) {
    vars.bBlockedBlink = vars.bBlockedBlink ? 0 : 1;
    vars.dwBlockedBlinkAt = now + kBlockedBlinkMs;
  }
}

void ExpireIndicators(GameVars& vars, const int32_t* board, uint32_t now) {
  if (bBlockedTileShown(vars, board) && bTimeAfter(now, vars.dwBlockedUntil)) {
    vars.iBlockedCell = -1;
  }
}
