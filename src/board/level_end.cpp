#include "board/level_end.h"

#include "audio/music.h"
#include "audio/sound_effects.h"
#include "board/deal.h"
#include "board/game_state.h"
#include "board/selection.h"
#include "diag/debug_log.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "platform/clock.h"
#include "save/scores.h"
#include "screens/pointer.h"
#include "screens/render.h"
#include "screens/screens.h"

namespace {
constexpr uint32_t kNoMoreMovesMs = 4000;
constexpr uint32_t kLevelClearMs = 5000;

bool bSequenceGoesOn(uint32_t endTime) {
  return gs.iEscapePressed != 1 && !bTimeReached(timeGetTime(), endTime) && gs.bShutdown == 0;
}

void vClearPlayState() {
  gs.iSelectedCount = 0;
  gs.aiSelectedCell[0] = gs.aiSelectedCell[1] = -1;
  gs.bHintShown = 0;
  gs.iBlockedCell = -1;
}

// One score count-up step of the level clear, which also pays one tick of the time bonus.
void vStepLevelClearBonus(int& bonusTicksLeft) {
  uint32_t now = timeGetTime();
  if (gs.iShownScore >= gs.iScore || !bTimeAfter(now, gs.dwNextScoreStep)) return;
  gs.iShownScore = gs.iShownScore + 200 > gs.iScore ? gs.iScore : gs.iShownScore + 200;
  gs.dwNextScoreStep = now + 25;
  if (bonusTicksLeft <= 0) return;
  gs.iTimeTicks += 1;
  bonusTicksLeft -= 1;
  if (gs.iTimeTicks > kFullTimeTicks) {
    gs.iTimeTicks = kStartTimeTicks;
    bonusTicksLeft = 0;
  }
}
}  // namespace

void vStartNewGame() {
  vDebugLog("vStartNewGame() BEGIN\n");
  uint32_t now = timeGetTime();
  vClearPlayState();
  gs.iShownScore = 0;
  gs.iScore = 0;
  gs.dwNextScoreStep = now;
  gs.iTimeTicks = kStartTimeTicks;
  gs.dwNextTick = now;
  gs.iLevelFile = 0;
  gs.iLevel = 1;
  gs.iHintsLeft = kMaxHints;
  gs.bNoPlayableLevel = 0;
  vSeedDealRandom(timeGetTime());
  vLoadHighScores();
  vLoadBestScore();
  vLoadNextLevel();
  vDebugLog("vStartNewGame() END\n");
}

bool bBoardEmpty() {
  for (int32_t cell : Board) {
    if (cell != 0) return false;
  }
  return true;
}

void vNoMoreMoves() {
  uint32_t endTime = timeGetTime() + kNoMoreMovesMs;
  vDebugLog("vNoMoreMoves() BEGIN\n");
  vPauseMusic();
  FadeFrame(0, 0, 1024, 768, -50, -50, -50);
  gSoundEffects.Play(nomoves);
  vDebugLog("vNoMoreMoves() Loop\n");
  while (bSequenceGoesOn(endTime)) {
    if (bFrameDue()) {
      gResources.messageBar.Draw(180, 205);
      gResources.noMoreMoves.Draw(378, 305);
      ShowFrame(kActiveSlot);
    }
    Sleep(1);
  }
  vDebugLog("vNoMoreMoves() End Loop\n");
  gs.iLevelFile -= 1;
  vClearPlayState();
  vResumeMusic();
  vDebugLog("vNoMoreMoves() END\n");
}

void vLevelClear() {
  uint32_t endTime = timeGetTime() + kLevelClearMs;
  int bonusTicksLeft = kLevelClearBonusTicks;
  vDebugLog("vLevelClear() BEGIN\n");
  gs.iScore += kLevelClearBonus;
  vDebugLog("vLevelClear() Pausing music\n");
  vPauseMusic();
  gSoundEffects.Play(levelclear);
  vDebugLog("vLevelClear() Entering loop\n");
  while (bSequenceGoesOn(endTime)) {
    if (bFrameDue()) {
      vDrawGameScreen();
      gResources.messageBar.Draw(180, 205);
      gResources.levelClearBonus.Draw(338, 295);
      ShowFrame(kActiveSlot);
    }
    Sleep(1);
    vStepLevelClearBonus(bonusTicksLeft);
  }
  vDebugLog("vLevelClear() Exiting loop\n");
  gs.iLevel += 1;
  gs.iHintsLeft = gs.iHintsLeft + 1 > kMaxHints ? kMaxHints : gs.iHintsLeft + 1;
  vClearPlayState();
  vDebugLog("vLevelClear() Starting music\n");
  vResumeMusic();
  vClickToContinue();
  vDebugLog("vLevelClear() END\n");
}
