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
#include "play/typed_keys.h"
#include "save/scores.h"
#include "screens/screen_layout.h"

namespace {
constexpr uint32_t kNoMoreMovesMs = 4000;
constexpr uint32_t kLevelClearMs = 5000;

bool bSequenceGoesOn(uint32_t endTime) {
  return gs.iEscapePressed != 1 && !bTimeReached(timeGetTime(), endTime) && gs.bShutdown == 0;
}

void vDrawMessage(const Sprite& message, const screen::Rect& at) {
  gResources.messageBar.Draw(screen::kMessageBar.x, screen::kMessageBar.y);
  message.Draw(at.x, at.y);
}
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

void vNoMoreMoves() {
  uint32_t endTime = timeGetTime() + kNoMoreMovesMs;
  vDebugLog("vNoMoreMoves() BEGIN\n");
  vPauseMusic();
  FadeFrame(0, 0, screen::kScreenWidth, screen::kScreenHeight, -50, -50, -50);
  vPlayCue(Cue::kNoMoves);
  vDebugLog("vNoMoreMoves() Loop\n");
  ScreenKeys keys(endTime);  // keys pressed now are not for the new deal, unseen yet
  bool shown = false;  // the message does not change while it is up
  while (bSequenceGoesOn(endTime)) {
    PassWait wake;
    if (!shown && wake.FrameDue()) {
      vDrawMessage(gResources.noMoreMoves, screen::kNoMoreMoves);
      ShowFrame(kActiveSlot);
      shown = true;
    }
    wake.At(endTime);
    wake.Wait();
  }
  vDebugLog("vNoMoreMoves() End Loop\n");
  EndNoMoreMoves(gs);
  vResumeMusic();
  vDebugLog("vNoMoreMoves() END\n");
}

void vLevelClear() {
  uint32_t endTime = timeGetTime() + kLevelClearMs;
  int bonusTicksLeft = kLevelClearBonusTicks;
  vDebugLog("vLevelClear() BEGIN\n");
  BeginLevelClear(gs);
  vDebugLog("vLevelClear() Pausing music\n");
  vPauseMusic();
  vPlayCue(Cue::kLevelClear);
  vDebugLog("vLevelClear() Entering loop\n");
  ScreenKeys keys(endTime);  // nor for the prompt that follows
  PlayingScreenFrames frames;
  while (bSequenceGoesOn(endTime)) {
    PassWait wake;
    if (wake.FrameDue() && frames.Draw()) {
      vDrawMessage(gResources.levelClearBonus, screen::kLevelClearBonus);
      frames.Show();
    }
    vAddTimedSteps(wake);
    wake.At(endTime);
    wake.Wait();
    StepLevelClearBonus(gs, bonusTicksLeft, timeGetTime());
  }
  vDebugLog("vLevelClear() Exiting loop\n");
  EndLevelClear(gs);
  vDebugLog("vLevelClear() Starting music\n");
  vResumeMusic();
  vClickToContinue();
  vDebugLog("vLevelClear() END\n");
}
