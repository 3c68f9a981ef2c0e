#pragma once
// The score's count-up and the bookkeeping of a game's start and of a level's two ends: a dead
// end (no pair can be taken, the same pattern is dealt again) and a cleared board (bonus in
// score and time, one hint back).
#include "rules/game_vars.h"

constexpr int32_t kLevelClearBonus = 50000;
constexpr int kLevelClearBonusTicks = 50;
constexpr int32_t kScoreStep = 200;
constexpr uint32_t kScoreStepMs = 25;

// Counts the shown score up towards the score, 200 every 25 ms. True when it stepped.
bool StepShownScore(GameVars& vars, uint32_t now);

// One count-up step during the level clear, which also pays one tick of the time bonus while
// `bonusTicksLeft` lasts; a bar that overflows is set to 179 and the bonus ends.
void StepLevelClearBonus(GameVars& vars, int& bonusTicksLeft, uint32_t now);

// A new game: score, time, level, hints and the pattern list start again. The deal follows.
void StartNewGame(GameVars& vars, uint32_t now);

// The end of a dead end: the same pattern file is dealt next.
void EndNoMoreMoves(GameVars& vars);

// A cleared board pays its bonus at once; its end moves to the next level with one hint more.
void BeginLevelClear(GameVars& vars);
void EndLevelClear(GameVars& vars);
