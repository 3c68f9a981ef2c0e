#include "staged_board.h"

#include <cstdio>

#include "play/board.h"
#include "play/deal.h"
#include "play/game_state.h"
#include "play/selection.h"
#include "platform/clock.h"
#include "platform/files.h"

int iTilesInLayout(int layout) {
  char path[64];
  std::snprintf(path, sizeof path, "content\\levels\\level%d.dat", layout);
  FILE* file = PlatformOpen(path, "rb");
  if (file == nullptr) return -1;
  int32_t cells[kBoardCells];
  bool whole = std::fread(cells, sizeof cells[0], kBoardCells, file) == size_t(kBoardCells);
  std::fclose(file);
  if (!whole) return -1;
  int tiles = 0;
  for (int32_t c : cells) tiles += c != 0;
  return tiles;
}

namespace {
bool bIsMarked(CellIndex cell) {
  return (gs.bHintShown && (cell == gs.aiHintCell[0] || cell == gs.aiHintCell[1])) ||
         cell == gs.iBlockedCell;
}

// The first tile (in cell order from `from`) that is free (or blocked) and carries no mark.
CellIndex FindTile(bool bFree, CellIndex from) {
  for (CellIndex cell = from; cell < kBoardCells; ++cell) {
    if (Board[cell] > 0 && bIsTileBlocked(cell, true) != bFree && !bIsMarked(cell)) return cell;
  }
  return -1;
}
}  // namespace

int iLargestLayout() {
  int best = -1, bestTiles = 0;
  for (int layout = 0;; ++layout) {
    int tiles = iTilesInLayout(layout);
    if (tiles < 0) break;
    if (tiles > bestTiles) {
      best = layout;
      bestTiles = tiles;
    }
  }
  return best;
}

bool bStageBoard(int layout) {
  vResetGameState();
  vSeedDealRandom(12345);
  gs.iLevelFile = layout;
  gs.iLevel = layout + 1;
  vLoadNextLevel();
  if (gs.bNoPlayableLevel) return false;

  // A blocked tile first: flagging one drops any selection. Its blink is held in the phase that
  // shows the mark.
  CellIndex blocked = FindTile(false, 0);
  if (blocked >= 0) {
    vFlagBlockedTile(blocked);
    gs.dwBlockedBlinkAt = timeGetTime() + 60000;
    gs.dwBlockedUntil = timeGetTime() + 60000;
  }
  vGiveHint();
  gs.iHintFrame = 2;
  CellIndex selected = FindTile(true, kBoardCells / 3);
  if (selected < 0) selected = FindTile(true, 0);
  if (selected >= 0) {
    gs.iSelectedCount = 1;
    gs.aiSelectedCell[0] = selected;
  }
  gs.iScore = gs.iShownScore = 123000;
  gs.iBestScore = 456000;
  gs.iTimeTicks = 100;
  return true;
}
