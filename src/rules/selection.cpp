// Selecting tiles and judging the selected pair.
#include "rules/selection.h"

#include <algorithm>

void DropSelection(GameVars& vars) {
  vars.iSelectedCount = 0;
  vars.aiSelectedCell[0] = -1;
  vars.aiSelectedCell[1] = -1;
}

void ClearPlayState(GameVars& vars) {
  DropSelection(vars);
  vars.bHintShown = 0;
  vars.iBlockedCell = -1;
}

MoveOutcome FlagBlockedTile(GameVars& vars, CellIndex cell, uint32_t now) {
  vars.iBlockedCell = cell;
  vars.dwBlockedUntil = now + kBlockedShowMs;
  vars.bBlockedBlink = 0;
  vars.dwBlockedBlinkAt = now - 1;  // already passed: the first frame drawn flips the blink phase
  DropSelection(vars);
  return {Cue::kBadMove};
}

MoveOutcome SelectTile(GameVars& vars, int32_t* board, CellIndex cell, uint32_t now) {
  vars.iBlockedCell = -1;  // any click ends the blocked indication
  if (!HoldsTile(board, cell)) {
    // Only a tile can be selected; a click where none lies just drops the selection.
    DropSelection(vars);
    return {};
  }
  if (TileIsBlocked(board, cell)) {
    // A tile whose footprint leaves the board is never judged, so never shown as blocked.
    return ValidOrigin(cell) ? FlagBlockedTile(vars, cell, now) : MoveOutcome{};
  }
  if (vars.iSelectedCount == 1 && vars.aiSelectedCell[0] == cell) {
    DropSelection(vars);
    return {Cue::kBadMove};
  }
  if (vars.iSelectedCount < 0 || vars.iSelectedCount > 1) DropSelection(vars);
  vars.aiSelectedCell[vars.iSelectedCount++] = cell;
  if (vars.iSelectedCount == 2) return MatchSelectedPair(vars, board, now);
  return {Cue::kButtonOver};
}

MoveOutcome MatchSelectedPair(GameVars& vars, int32_t* board, uint32_t now) {
  CellIndex first = vars.aiSelectedCell[0];
  CellIndex second = vars.aiSelectedCell[1];
  MoveOutcome outcome{Cue::kBadMove};
  if (first != second && HoldsTile(board, first) && HoldsTile(board, second) &&
      board[first] == board[second]) {
    board[first] = 0;
    board[second] = 0;
    outcome = {Cue::kGoodMove, {first, second}};
    vars.iScore += kPairScore;
    vars.iTimeTicks = std::min(vars.iTimeTicks + kPairTicks, kFullTimeTicks);
    vars.dwNextTick = now + TickInterval(vars.iDifficulty);
  }
  DropSelection(vars);
  return outcome;
}
