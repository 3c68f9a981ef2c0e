#include "play/level_end.h"

#include "audio/music.h"
#include "audio/sound_effects.h"
#include "diag/debug_log.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "platform/clock.h"
#include "play/cues.h"
#include "play/deal.h"
#include "play/game_state.h"
#include "play/menus.h"
#include "play/playing_screen.h"
#include "play/pointer.h"
#include "play/screen_loop.h"
#include "save/scores.h"
#include "screens/screen_layout.h"

namespace {
constexpr uint32_t kNoMoreMovesMs = 4000;
constexpr uint32_t kLevelClearMs = 5000;
}  // namespace

void vStartNewGame() {
  vDebugLog("vStartNewGame() BEGIN\n");
  StartNewGame(gs, timeGetTime());
  vSeedDealRandom(timeGetTime());
  vLoadHighScores();
  vLoadBestScore(gs.iBestScore);
  vLoadNextLevel();
  vDebugLog("vStartNewGame() END\n");
}

bool bBoardEmpty() { return BoardEmpty(Board); }

// The sequences end at their time or on Escape; their guard lasts as long, so nothing pressed
// during one acts on it or on what follows (a new deal not seen yet, the prompt).
void vNoMoreMoves() {
  vDebugLog("vNoMoreMoves() BEGIN\n");
  vPauseMusic();
  vPlayCue(Cue::kNoMoves);
  vDebugLog("vNoMoreMoves() Loop\n");
  vShowTimedMessage(gResources.noMoreMoves, screen::kNoMoreMoves, kNoMoreMovesMs);
  vDebugLog("vNoMoreMoves() End Loop\n");
  EndNoMoreMoves(gs);
  vResumeMusic();
  vDebugLog("vNoMoreMoves() END\n");
}

void vLevelClear() {
  ScreenLoop loop(kLevelClearMs);
  loop.Until(timeGetTime() + kLevelClearMs).EndsOnEscape();
  int bonusTicksLeft = kLevelClearBonusTicks;
  vDebugLog("vLevelClear() BEGIN\n");
  BeginLevelClear(gs);
  vDebugLog("vLevelClear() Pausing music\n");
  vPauseMusic();
  vPlayCue(Cue::kLevelClear);
  vDebugLog("vLevelClear() Entering loop\n");
  PlayingScreenFrames frames;
  loop.Run(
      [&](PassWait& wake) {
        if (wake.FrameDue() && frames.Draw()) {
          vDrawMessage(gResources.levelClearBonus, screen::kLevelClearBonus);
          frames.Show();
        }
        vAddTimedSteps(wake);
      },
      [&] {
        StepLevelClearBonus(gs, bonusTicksLeft, timeGetTime());
        return PassResult::kGoOn;
      });
  vDebugLog("vLevelClear() Exiting loop\n");
  EndLevelClear(gs);
  vDebugLog("vLevelClear() Starting music\n");
  vResumeMusic();
  vClickToContinue();
  vDebugLog("vLevelClear() END\n");
}
