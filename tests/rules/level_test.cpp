// The score's count-up, the start of a game and the two ends of a level.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "rules/level.h"
#include "test_layouts.h"

namespace {

constexpr uint32_t kStart = 90000;

TEST(Level, ShownScoreCountsUpInStepsNeverPastTheScore) {
  GameVars vars;
  vars.iScore = 1100;
  vars.dwNextScoreStep = kStart;
  std::vector<int> shown;
  for (uint32_t at : {0, 1, 26, 27, 52, 53, 79, 105, 131}) {
    StepShownScore(vars, kStart + at);
    shown.push_back(vars.iShownScore);
  }
  EXPECT_EQ(shown, (std::vector<int>{0, 200, 200, 400, 400, 600, 800, 1000, 1100}));
}

TEST(Level, NewGameStartsScoreTimeLevelHintsAndPatternListAfresh) {
  GameVars vars;
  vars.iScore = vars.iShownScore = 5000;
  vars.iTimeTicks = 3;
  vars.iLevel = 6;
  vars.iLevelFile = 4;
  vars.iHintsLeft = 0;
  vars.iSelectedCount = 1;
  vars.aiSelectedCell[0] = 7;
  vars.bHintShown = 1;
  vars.iBlockedCell = 9;
  StartNewGame(vars, kStart);
  EXPECT_EQ(vars.iScore + vars.iShownScore, 0);
  EXPECT_EQ(vars.iTimeTicks, 179);
  EXPECT_EQ(vars.dwNextTick, kStart);
  EXPECT_EQ(vars.dwNextScoreStep, kStart);
  EXPECT_EQ(vars.iLevel, 1);
  EXPECT_EQ(vars.iLevelFile, 0);
  EXPECT_EQ(vars.iHintsLeft, 3);
  EXPECT_EQ(vars.iSelectedCount + vars.bHintShown, 0);
  EXPECT_EQ(vars.aiSelectedCell[0] + vars.iBlockedCell, -2);
}

// Runs a level clear's count-up ms by ms until the shown score has caught up; returns the ticks
// left after each pass.
std::vector<int32_t> RunLevelClear(GameVars& vars) {
  BeginLevelClear(vars);
  int bonusTicksLeft = kLevelClearBonusTicks;
  std::vector<int32_t> ticks;
  for (uint32_t now = kStart; vars.iShownScore < vars.iScore; ++now) {
    StepLevelClearBonus(vars, bonusTicksLeft, now);
    ticks.push_back(vars.iTimeTicks);
  }
  EndLevelClear(vars);
  return ticks;
}

TEST(Level, LevelClearPaysItsBonusOneTickPerScoreStep) {
  GameVars vars;
  vars.iScore = vars.iShownScore = 1000;
  vars.iTimeTicks = 100;
  vars.dwNextScoreStep = kStart;
  std::vector<int32_t> ticks = RunLevelClear(vars);
  EXPECT_EQ(vars.iScore, 51000);
  EXPECT_EQ(ticks.back(), 150) << "50 ticks, though the score takes 250 steps";
  // Steps come on the first pass later than 25 ms after the last, so every 26th pass, from the
  // second: the fiftieth tick comes with the fiftieth step.
  size_t full = 0;
  while (ticks[full] < 150) ++full;
  EXPECT_EQ(full, 49u * 26 + 1);
  EXPECT_EQ(vars.iLevel, 2);
}

TEST(Level, LevelClearTimeBonusStopsAtAFullBar) {
  GameVars vars;
  vars.iTimeTicks = 170;
  vars.dwNextScoreStep = kStart;
  std::vector<int32_t> ticks = RunLevelClear(vars);
  EXPECT_EQ(*std::max_element(ticks.begin(), ticks.end()), 180);
  EXPECT_EQ(vars.iTimeTicks, 179) << "not 220, and not 180";
}

TEST(Level, LevelClearGivesOneHintBackUpToThree) {
  for (auto [before, after] : {std::pair{0, 1}, std::pair{2, 3}, std::pair{3, 3}}) {
    GameVars vars;
    vars.iHintsLeft = before;
    vars.bHintShown = 1;
    vars.iSelectedCount = 1;
    vars.iBlockedCell = 5;
    EndLevelClear(vars);
    EXPECT_EQ(vars.iHintsLeft, after) << before;
    EXPECT_EQ(vars.bHintShown + vars.iSelectedCount, 0);
    EXPECT_EQ(vars.iBlockedCell, -1);
  }
}

TEST(Level, DeadEndDealsTheSamePatternAndKeepsScoreLevelTimeAndHints) {
  GameVars vars;
  vars.iLevelFile = 3;
  vars.iLevel = 4;
  vars.iScore = 7000;
  vars.iTimeTicks = 88;
  vars.iHintsLeft = 1;
  vars.bHintShown = 1;
  vars.iSelectedCount = 1;
  EndNoMoreMoves(vars);
  EXPECT_EQ(vars.iLevelFile, 2);
  EXPECT_EQ(vars.iLevel, 4);
  EXPECT_EQ(vars.iScore, 7000);
  EXPECT_EQ(vars.iTimeTicks, 88);
  EXPECT_EQ(vars.iHintsLeft, 1);
  EXPECT_EQ(vars.bHintShown + vars.iSelectedCount, 0);
}

}  // namespace
