#include "rules/level.h"

#include <algorithm>

#include "rules/selection.h"
#include "util/time_compare.h"

bool StepShownScore(GameVars& vars, uint32_t now) {
  if (vars.iShownScore >= vars.iScore || !bTimeAfter(now, vars.dwNextScoreStep)) return false;
  vars.iShownScore = std::min(vars.iShownScore + kScoreStep, vars.iScore);
  vars.dwNextScoreStep = now + kScoreStepMs;
  return true;
}

void StepLevelClearBonus(GameVars& vars, int& bonusTicksLeft, uint32_t now) {
  if (!StepShownScore(vars, now) || bonusTicksLeft <= 0) return;
  vars.iTimeTicks += 1;
  bonusTicksLeft -= 1;
  if (vars.iTimeTicks > kFullTimeTicks) {
    vars.iTimeTicks = kStartTimeTicks;
    bonusTicksLeft = 0;
  }
}

void StartNewGame(GameVars& vars, uint32_t now) {
  ClearPlayState(vars);
  vars.iShownScore = 0;
  vars.iScore = 0;
  vars.dwNextScoreStep = now;
  vars.iTimeTicks = kStartTimeTicks;
  vars.dwNextTick = now;
  vars.iLevelFile = 0;
  vars.iLevel = 1;
  vars.iHintsLeft = kMaxHints;
  vars.bNoPlayableLevel = 0;
}

void EndNoMoreMoves(GameVars& vars) {
  vars.iLevelFile -= 1;
  ClearPlayState(vars);
}

void BeginLevelClear(GameVars& vars) { vars.iScore += kLevelClearBonus; }

void EndLevelClear(GameVars& vars) {
  vars.iLevel += 1;
  vars.iHintsLeft = std::min(vars.iHintsLeft + 1, kMaxHints);
  ClearPlayState(vars);
}
