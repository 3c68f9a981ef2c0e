// What changes with time alone: the time bar's ticks and warning, and the blocked tile's blink.
// Each call is given its moment; a game loop pass would come about once a millisecond.
#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <vector>

#include "rules/hint.h"
#include "rules/indicators.h"
#include "rules/level.h"
#include "rules/pause.h"
#include "rules/selection.h"
#include "rules/time_bar.h"
#include "test_layouts.h"

namespace {

constexpr uint32_t kStart = 70000;

TEST(TimeBar, OneTickPerIntervalOfTheDifficultyFromTheFirstPass) {
  for (int32_t difficulty : {0, 1, 2}) {
    const uint32_t interval = 500 - 150 * difficulty;
    GameVars vars;
    vars.iDifficulty = difficulty;
    StartNewGame(vars, kStart);
    EXPECT_FALSE(TimeRunsOut(vars, kStart));
    EXPECT_EQ(vars.iTimeTicks, 179);
    TimeRunsOut(vars, kStart + 1);  // the first pass already takes a tick
    EXPECT_EQ(vars.iTimeTicks, 178);
    TimeRunsOut(vars, kStart + 1 + interval);
    EXPECT_EQ(vars.iTimeTicks, 178) << difficulty;
    TimeRunsOut(vars, kStart + 2 + interval);
    EXPECT_EQ(vars.iTimeTicks, 177) << difficulty;
    // A late pass takes one tick, not the ones it missed, and the next is due from then.
    const uint32_t late = kStart + 2 + 10 * interval;
    TimeRunsOut(vars, late);
    EXPECT_EQ(vars.iTimeTicks, 176) << difficulty;
    EXPECT_EQ(vars.dwNextTick, late + interval);
    EXPECT_EQ(vars.iDifficulty, difficulty) << "a new game keeps the difficulty";
  }
}

TEST(TimeBar, APauseTakesNoTickAndEverythingGoesOnWhereItWas) {
  GameVars vars;
  StartNewGame(vars, kStart);
  TimeRunsOut(vars, kStart + 1);  // 178, the next tick due after kStart + 501
  vars.dwHintUntil = kStart + 300;
  const uint32_t pause = 60000;  // from kStart + 400
  ResumeAfterPause(vars, pause);
  EXPECT_FALSE(TimeRunsOut(vars, kStart + 400 + pause));
  EXPECT_FALSE(TimeRunsOut(vars, kStart + 501 + pause));
  EXPECT_EQ(vars.iTimeTicks, 178);
  TimeRunsOut(vars, kStart + 502 + pause);
  EXPECT_EQ(vars.iTimeTicks, 177);
  EXPECT_EQ(vars.dwHintUntil, kStart + 300 + pause) << "the hint is shown as long as before";
}

TEST(TimeBar, TheLastTickRunsTheTimeOut) {
  GameVars vars;
  vars.iTimeTicks = 2;
  vars.dwNextTick = kStart;
  EXPECT_FALSE(TimeRunsOut(vars, kStart + 1));
  EXPECT_EQ(vars.iTimeTicks, 1);
  EXPECT_TRUE(TimeRunsOut(vars, kStart + 1000));
  EXPECT_EQ(vars.iTimeTicks, 0);
}

TEST(TimeBar, FullBarShowsAs179AndTheWarningBlinksBelowForty) {
  GameVars vars;
  vars.iTimeTicks = 180;
  StepTimeBar(vars, kStart);
  EXPECT_EQ(vars.iTimeTicks, 179);

  vars.iTimeTicks = 40;
  for (uint32_t now = kStart; now < kStart + 1000; now += 7) {
    StepTimeBar(vars, now);
    ASSERT_EQ(vars.bTimeWarning, 0) << now - kStart;
  }
  // At 39 it shows at once, for 250 ms, then hides for 150 ms, and so on.
  vars.iTimeTicks = 39;
  const uint32_t on = kStart + 1000;
  std::vector<int> seen;
  for (uint32_t at : {0, 250, 251, 401, 402, 652, 653}) {
    StepTimeBar(vars, on + at);
    seen.push_back(vars.bTimeWarning);
  }
  EXPECT_EQ(seen, (std::vector<int>{1, 1, 0, 0, 1, 1, 0}));
  // Back at 40 it goes at once, in the middle of a visible phase.
  StepTimeBar(vars, on + 900);
  ASSERT_EQ(vars.bTimeWarning, 1);
  vars.iTimeTicks = 40;
  StepTimeBar(vars, on + 901);
  EXPECT_EQ(vars.bTimeWarning, 0);
}

// A tile flagged long after the previous one: the first frame flips the blink phase, so the mark
// (phase 0) shows in the second and fourth quarter of the second; the frame after the second
// is still drawn with the indication and then ends it.
TEST(Indicators, BlockedTileBlinksInQuartersForOneSecond) {
  TestBoard board;
  const Tile tile{5, 3, 0};
  board.Place({tile});
  GameVars vars;
  FlagBlockedTile(vars, Cell(tile), kStart);
  std::vector<int> markShown;
  for (uint32_t d = 0; d <= 1001; ++d) {
    StepIndicators(vars, board.data(), kStart + d);
    ASSERT_EQ(vars.iBlockedCell, Cell(tile)) << "still drawn at ms " << d;
    markShown.push_back(vars.bBlockedBlink == 0);
    ExpireIndicators(vars, board.data(), kStart + d);
  }
  EXPECT_EQ(vars.iBlockedCell, -1);
  auto shownFor = [&](uint32_t from, uint32_t to) {
    int count = 0;
    for (uint32_t d = from; d <= to; ++d) count += markShown[d];
    return count;
  };
  EXPECT_EQ(shownFor(0, 250), 0);
  EXPECT_EQ(shownFor(251, 501), 251);
  EXPECT_EQ(shownFor(502, 752), 0);
  EXPECT_EQ(shownFor(753, 1001), 249);
}

TEST(Indicators, BestScoreFollowsTheShownScoreUpOnly) {
  TestBoard board;
  GameVars vars;
  vars.iBestScore = 3000;
  vars.iShownScore = 4200;
  StepIndicators(vars, board.data(), kStart);
  EXPECT_EQ(vars.iBestScore, 4200);
  vars.iShownScore = 1000;
  StepIndicators(vars, board.data(), kStart + 1);
  EXPECT_EQ(vars.iBestScore, 4200);
}

// The game sleeps until NextTimedStep: no timed step may act before the clock is past it, and one
// acts then. Walked over two seconds with every kind of step under way at once.
TEST(TimedSteps, NothingActsBeforeTheNextTimedStepAndSomethingActsThen) {
  TestBoard board;
  const Tile tile{5, 3, 0};
  board.Place({tile});
  GameVars vars;
  vars.iTimeTicks = 30;  // the warning blinks
  vars.dwNextTick = kStart + 100;
  vars.iScore = 9000;  // the shown score counts up
  vars.dwNextScoreStep = kStart + 3;
  vars.bHintShown = 1;
  vars.dwNextHintFrame = kStart + 10;
  vars.dwHintUntil = kStart + 1300;
  FlagBlockedTile(vars, Cell(tile), kStart);
  auto step = [&](uint32_t now) {
    TimeRunsOut(vars, now);
    StepIndicators(vars, board.data(), now);
    ExpireIndicators(vars, board.data(), now);
    StepShownScore(vars, now);
    StepHint(vars, now);
  };
  auto state = [&] {
    return std::make_tuple(vars.iTimeTicks, vars.dwNextTick, vars.bTimeWarning, vars.dwTimeWarningAt,
                           vars.iShownScore, vars.dwNextScoreStep, vars.bHintShown, vars.iHintFrame,
                           vars.iHintFrameDir, vars.dwNextHintFrame, vars.iBlockedCell,
                           vars.bBlockedBlink, vars.dwBlockedBlinkAt);
  };
  uint32_t now = kStart;
  step(now);
  while (now - kStart < 2000) {
    std::optional<uint32_t> next = NextTimedStep(vars, board.data(), now);
    ASSERT_TRUE(next.has_value());
    const auto before = state();
    for (uint32_t t = now + 1; t != *next + 1; ++t) {
      step(t);
      ASSERT_EQ(state(), before) << "a step acted at " << t - kStart << " before " << *next - kStart;
    }
    now = *next + 1;
    step(now);
    ASSERT_NE(state(), before) << "nothing acted at " << now - kStart;
  }
  // Deadlines already passed and nothing else under way: nothing to wait for.
  GameVars idle;
  idle.dwNextTick = kStart - 5;
  EXPECT_FALSE(NextTimedStep(idle, board.data(), kStart).has_value());
}

}  // namespace
