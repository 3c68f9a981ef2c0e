#include "screens/game_loop.h"

#include <cstdlib>

#include "board/deal.h"
#include "board/game_state.h"
#include "board/level_end.h"
#include "board/selection.h"
#include "board/time_bar.h"
#include "diag/debug_log.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "platform/clock.h"
#include "screens/mouse_zones.h"
#include "screens/pointer.h"
#include "screens/render.h"
#include "screens/screens.h"

namespace {
constexpr uint32_t kGameClickGuardMs = 125;
constexpr char kNoLevelText[] =
    "No level can be dealt: the pattern files in content\\levels are missing or broken. "
    "Please reinstall the game.";

void vDrawAndShow() {
  vDrawGameScreen();
  ShowFrame(kActiveSlot);
}

// Acts on a zone the pointer hit. False when the in-game help ran, which skips the rest of the
// pass and the renewal of the click guard.
bool bActOnZone(const char* name) {
  if (bZoneIs(name, "GAME_LOOP")) {
    gs.iSelectedCount = 0;
    gs.aiSelectedCell[0] = gs.aiSelectedCell[1] = -1;
  } else if (bZoneIs(name, "HINT")) {
    if (gs.iHintsLeft > 0) vGiveHint();
  } else if (bZoneIs(name, "HELP")) {
    iGameHelp();
    return false;
  } else {
    vSelectTile(std::atoi(name));
  }
  return true;
}

// Deals the next level after a level end, on a fresh zone table.
void vDealAfterLevelEnd() {
  vAddPlayingZones();
  vLoadNextLevel();
  if (gs.bNoPlayableLevel) vSetFatalError(kNoLevelText);
}

void vAfterLevelClear() {
  vDrawAndShow();
  vLevelClear();
  vDealAfterLevelEnd();
  vDebugLog("iGameLoop() Next level loaded\n");
  vDebugLog("iGameLoop() Rendering\n");
  vDrawGameScreen();
  vDebugLog("iGameLoop() Showing VB\n");
  ShowFrame(kActiveSlot);
  vDebugLog("iGameLoop() Continuing\n");
}

void vAfterNoMoreMoves() {
  vDrawAndShow();
  vNoMoreMoves();
  vDealAfterLevelEnd();
  vDebugLog("iGameLoop() Rendering\n");
  vDrawGameScreen();
  vDebugLog("iGameLoop() Showing VB\n");
  ShowFrame(kActiveSlot);
  vDebugLog("iGameLoop() Continuing\n");
}
}  // namespace

void vAddPlayingZones() {
  gMouseZones.Clear();
  gMouseZones.Add("GAME_LOOP", 0, 0, 1024, 768, kZoneEither);
  gMouseZones.Add("HINT", 907, 6, 70, 70, kZoneLeft);
  gMouseZones.Add("HELP", 979, 721, 45, 45, kZoneLeft);
}

int32_t iGameLoop() {
  uint32_t guard = timeGetTime() + 250;
  gs.iEscapePressed = 0;
  vAddPlayingZones();
  gFrameStack.Select(gResources.iFrameVB);
  vStartNewGame();
  if (gs.bNoPlayableLevel) vSetFatalError(kNoLevelText);
  vDebugLog("iGameLoop() ------------>> ENTERING GAME LOOP\n");
  char name[kZoneNameSize];
  for (;;) {
    if (gs.iEscapePressed == 1 || gs.bQuitGame || gs.bShutdown) return 1;
    if (bFrameDue()) vDrawAndShow();
    Sleep(1);
    if (bTimeAfter(timeGetTime(), guard) && bPollZone(name)) {
      if (!bActOnZone(name)) continue;
      guard = timeGetTime() + kGameClickGuardMs;
    }
    if (bTimeRunsOut()) {
      vDrawAndShow();
      vGameOverScreen();
      return 1;
    }
    if (bBoardEmpty()) {
      vAfterLevelClear();
    } else if (!bMoveAvailable()) {
      vAfterNoMoreMoves();
    } else {
      vStepShownScore();
      if (gs.bHintShown) vStepHint();
    }
  }
}
