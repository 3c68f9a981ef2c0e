#include "audio/sound_effects.h"
#include "shell/sound_setup.h"
#include "play/game_state.h"
#include "diag/debug_log.h"
#include "gfx/frame_stack.h"
#include "play/game_loop.h"
#include "play/menus.h"
#include "play/options.h"
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
  MainMenuChoice choice = iMainMenu();
  // Escape in the difficulty choice, and the options or the score table closed, go back to the
  // main menu.
  while (choice == MainMenuChoice::kNewGame || choice == MainMenuChoice::kScores ||
         choice == MainMenuChoice::kOptions) {
    if (choice == MainMenuChoice::kOptions) {
      vOptionsScreen();
    } else if (choice == MainMenuChoice::kScores) {
      vLoadHighScores();  // otherwise only a new game reads it
      vHighScoreTable(-1);
    } else {
      vDebugLog("thrMainGameLoop() New game, choose difficulty\n");
      if (bChooseDifficulty() || gs.bShutdown) {
        iGameLoop();  // returns at once on shutdown
        return;
      }
    }
    choice = iMainMenu();
  }
  if (choice == MainMenuChoice::kHelp) {
    vDebugLog("thrMainGameLoop() Go to game help\n");
    iGameHelp();
  } else {
    gs.bQuitGame = 1;
  }
}
}  // namespace

int thrMainGameLoop(void* /*unused*/) {
  vDebugLog("----------------------------------------\nGAME BEGIN\n");
  vDebugLog("----------------------------------------\n");
  vDebugLog("Color Depth = %d\n", iColorDepth);
  bInitSound(hMainWindow);  // without a sound device the game plays silently
  while (!gs.bQuitGame && !gs.bShutdown) vRunFlowOnce();
  vStopAllEffects();
  vDebugLog("----------------------------------------\nGAME OVER\n");
  vDebugLog("----------------------------------------\n");
  PlatformWakeMainThread();  // it posts the quit at once rather than at its next idle pass
  return 0;
}
