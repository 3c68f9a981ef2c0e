// The free-tile rule: which tiles the player may take. Every other rule asks it, so it stays a
// handful of array reads.
#include "audio/sound_effects.h"
#include "board/board.h"
#include "board/game_state.h"
#include "platform/clock.h"

namespace {

constexpr uint32_t kBlockedShowMs = 1000;

inline bool bOccupied(int x, int y, int z) { return Board[iGetCellIndex(x, y, z)] != 0; }

// Only origins whose 2 x 2 footprint lies on the board can be judged.
inline bool bValidOrigin(CellIndex cell) {
  if (cell < 0 || cell >= kBoardCells) return false;
  int x, y, z;
  vGetCellXYZ(cell, x, y, z);
  return x <= kMaxOriginColumn && y <= kMaxOriginRow;
}

// Any tile origin on the layer above within one cell of (x, y) overlaps the footprint. At the
// board's edges the column or row beyond the edge is left out, so a tile at column 1 is not
// covered by one at column 0 of the layer above.
bool bCovered(int x, int y, int z) {
  if (z >= kTopLayer) return false;
  int xFirst = x <= 1 ? x : x - 1;
  int xLast = x == kMaxOriginColumn ? x : x + 1;
  int yFirst = y == 0 ? 0 : y - 1;
  int yLast = y == kMaxOriginRow ? y : y + 1;
  for (int b = yFirst; b <= yLast; ++b) {
    for (int a = xFirst; a <= xLast; ++a) {
      if (bOccupied(a, b, z + 1)) return true;
    }
  }
  return false;
}

// A side column is closed when a tile stands level with or half a row off the tested one.
inline bool bSideClosed(int a, int y, int z) {
  return bOccupied(a, y - 1, z) || bOccupied(a, y, z) || bOccupied(a, y + 1, z);
}

bool bSidesBlocked(int x, int y, int z) {
  if (x <= 1 || x == kMaxOriginColumn) return false;  // open towards the board's edge
  if (y == 0 || y == kMaxOriginRow) {
    // Top and bottom rows look along their own row only, and not at all on the top layer.
    return z < kTopLayer && bOccupied(x - 2, y, z) && bOccupied(x + 2, y, z);
  }
  return bSideClosed(x - 2, y, z) && bSideClosed(x + 2, y, z);
}

}  // namespace

bool bIsTileBlocked(CellIndex cell, bool bQuiet) {
  if (!bValidOrigin(cell)) return true;  // never judged, never flagged
  int x, y, z;
  vGetCellXYZ(cell, x, y, z);
  bool blocked = bCovered(x, y, z) || bSidesBlocked(x, y, z);
  if (blocked && !bQuiet) vFlagBlockedTile(cell);
  return blocked;
}

void vFlagBlockedTile(CellIndex cell) {
  uint32_t now = timeGetTime();
  gs.iBlockedCell = cell;
  gs.dwBlockedUntil = now + kBlockedShowMs;
  gs.bBlockedBlink = 0;
  gs.dwBlockedBlinkAt = now - 1;  // already passed: the first frame drawn flips the blink phase
  gs.iSelectedCount = 0;
  gs.aiSelectedCell[0] = -1;
  gs.aiSelectedCell[1] = -1;
  gSoundEffects.Play(badmove);
}
