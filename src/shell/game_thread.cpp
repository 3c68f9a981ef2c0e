#include "audio/sound_effects.h"
#include "shell/sound_setup.h"
#include "play/game_state.h"
#include "diag/debug_log.h"
#include "gfx/frame_stack.h"
#include "play/game_loop.h"
#include "play/menus.h"
#include "play/score_screens.h"
#include "platform/window.h"
#include "save/scores.h"
#include "shell/shell.h"

namespace {
// One pass of the top-level flow, from the title screen on.
void vRunFlowOnce() {
  int32_t title = iTitleScreen();
  if (title == 0) {
    vDebugLog("thrMainGameLoop() Title timed out, going to game help\n");
    iGameHelp();
    return;
  }
  if (title == -1) return;  // quitting was confirmed: bQuitGame is set
  switch (iMainMenu()) {
    case 0:
      vDebugLog("thrMainGameLoop() New game, choose difficulty\n");
      vChooseDifficulty();
      iGameLoop();
      break;
    case 1:
      vDebugLog("thrMainGameLoop() Go to game help\n");
      iGameHelp();
      break;
    case 3:
      vLoadHighScores();  // otherwise only a new game reads it
      vHighScoreTable(-1);
      break;
    default:
      gs.bQuitGame = 1;
      break;
  }
}
}  // namespace

int thrMainGameLoop(void* /*unused*/) {
  vDebugLog("----------------------------------------\nGAME BEGIN\n");
  vDebugLog("----------------------------------------\n");
  vDebugLog("Color Depth = %d\n", iColorDepth);
  if (!bInitSound(hMainWindow)) {
    // The user has been told; the main thread ends the process with a failure code.
    iFailureExitCode = 1;
    gs.bQuitGame = 1;
    PlatformWakeMainThread();
    return 0;
  }
  while (!gs.bQuitGame && !gs.bShutdown) vRunFlowOnce();
  vStopAllEffects();
  vDebugLog("----------------------------------------\nGAME OVER\n");
  vDebugLog("----------------------------------------\n");
  PlatformWakeMainThread();  // it posts the quit at once rather than at its next idle pass
  return 0;
}
