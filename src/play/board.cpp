// The game's one board and the free-tile rule as the game asks it.
#include "play/board.h"

#include "platform/clock.h"
#include "play/cues.h"
#include "play/game_state.h"
#include "rules/selection.h"

int32_t Board[kBoardCells];

bool bIsTileBlocked(CellIndex cell, bool bQuiet) {
  bool blocked = TileIsBlocked(Board, cell);
  // A cell that cannot be a tile origin is never judged, so never shown as blocked.
  if (blocked && !bQuiet && ValidOrigin(cell)) vFlagBlockedTile(cell);
  return blocked;
}

void vFlagBlockedTile(CellIndex cell) {
  vApplyOutcome(FlagBlockedTile(gs, cell, timeGetTime()));
}
