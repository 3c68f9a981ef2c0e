// Selecting tiles and judging the selected pair.
#include "board/selection.h"

#include <algorithm>
#include <cstdio>

#include "audio/sound_effects.h"
#include "board/game_state.h"
#include "platform/clock.h"
#include "screens/mouse_zones.h"

namespace {

constexpr int32_t kPairScore = 1000;
constexpr int32_t kPairTicks = 3;

void vDropSelection() {
  gs.iSelectedCount = 0;
  gs.aiSelectedCell[0] = -1;
  gs.aiSelectedCell[1] = -1;
}

inline bool bHoldsTile(CellIndex cell) {
  return cell >= 0 && cell < kBoardCells && Board[cell] != 0;
}

void vRemoveTileZone(CellIndex cell) {
  char name[16];
  std::snprintf(name, sizeof name, "%d", cell);
  gMouseZones.Remove(name);
}

}  // namespace

void vSelectTile(CellIndex cell) {
  gs.iBlockedCell = -1;  // any click ends the blocked indication
  if (!bHoldsTile(cell)) {
    // Only a tile can be selected; a click where none lies just drops the selection.
    vDropSelection();
    return;
  }
  if (bIsTileBlocked(cell, false)) return;  // flagged, selection dropped, sound played
  if (gs.iSelectedCount == 1 && gs.aiSelectedCell[0] == cell) {
    vDropSelection();
    gSoundEffects.Play(badmove);
    return;
  }
  if (gs.iSelectedCount < 0 || gs.iSelectedCount > 1) vDropSelection();
  gs.aiSelectedCell[gs.iSelectedCount++] = cell;
  if (gs.iSelectedCount == 2) {
    vMatchSelectedPair();
  } else {
    gSoundEffects.Play(button_over);
  }
}

void vMatchSelectedPair() {
  CellIndex first = gs.aiSelectedCell[0];
  CellIndex second = gs.aiSelectedCell[1];
  if (first != second && bHoldsTile(first) && bHoldsTile(second) &&
      Board[first] == Board[second]) {
    Board[first] = 0;
    Board[second] = 0;
    vRemoveTileZone(first);
    vRemoveTileZone(second);
    gSoundEffects.Play(goodmove);
    gs.iScore += kPairScore;
    gs.iTimeTicks = std::min(gs.iTimeTicks + kPairTicks, kFullTimeTicks);
    gs.dwNextTick = timeGetTime() + dwTickInterval();
  } else {
    gSoundEffects.Play(badmove);
  }
  vDropSelection();
}

void vStepShownScore() {
  uint32_t now = timeGetTime();
  if (gs.iShownScore >= gs.iScore || !bTimeAfter(now, gs.dwNextScoreStep)) return;
  gs.iShownScore = std::min(gs.iShownScore + 200, gs.iScore);
  gs.dwNextScoreStep = now + 25;
}
