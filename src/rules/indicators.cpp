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

std::optional<uint32_t> NextTimedStep(const GameVars& vars, const int32_t* board, uint32_t now) {
  // Deadlines already passed are left out: their steps are due now or are not being run.
  int32_t soonest = -1;
  auto consider = [&](uint32_t deadline) {
    int32_t ahead = static_cast<int32_t>(deadline - now);
    if (ahead >= 0 && (soonest < 0 || ahead < soonest)) soonest = ahead;
  };
  consider(vars.dwNextTick);
  if (vars.iTimeTicks < kTimeWarningTicks) consider(vars.dwTimeWarningAt);
  if (vars.iShownScore < vars.iScore) consider(vars.dwNextScoreStep);
  if (vars.bHintShown) {
    consider(vars.dwNextHintFrame);
    consider(vars.dwHintUntil);
  }
  if (bBlockedTileShown(vars, board)) {
    consider(vars.dwBlockedBlinkAt);
    consider(vars.dwBlockedUntil);
  }
  if (soonest < 0) return std::nullopt;
  return now + static_cast<uint32_t>(soonest);
}
