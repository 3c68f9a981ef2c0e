// A key belongs to the screen on which it was pressed: Enter, Space or a sound key pressed as a
// screen ends leaves the next screen as if nothing had been pressed. Each case walks one screen
// end with each of those keys, on the virtual clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game_harness.h"
#include "platform/clock.h"
#include "platform/virtual_clock.h"
#include "platform/window.h"
#include "play/board.h"
#include "play/game_loop.h"
#include "play/game_state.h"
#include "play/input.h"
#include "play/level_end.h"
#include "play/menus.h"
#include "play/score_screens.h"

namespace {
constexpr int kKeys[] = {kKeyEnter, kKeySpace, 'm'};
constexpr uint32_t kTitleMs = 10000;  // an untouched title's time

std::string KeyName(int key) { return key == 'm' ? "M" : key == kKeySpace ? "Space" : "Enter"; }

// Runs `screens` on the game thread with `body` as the player; fails the test if it had to stop.
void RunScreens(GameHarness& h, std::function<void()> screens, std::function<void(uint32_t)> body) {
  h.Run(std::move(screens), [&](uint32_t now) { body(now); return true; }, 60000);
  EXPECT_FALSE(h.timedOut);
}

TEST(ScreenKeys, TheTableClosedByAKeyLeavesTheTitleItsTime) {
  for (int key : kKeys) {
    SCOPED_TRACE(KeyName(key));
    GameHarness h;
    ASSERT_TRUE(h.StartVideo());
    const uint32_t start = timeGetTime();
    uint32_t tableEnd = 0, titleEnd = 0;
    int32_t title = 99;
    RunScreens(
        h,
        [&] {
          vHighScoreTable(-1);
          tableEnd = timeGetTime();
          title = iTitleScreen();
          titleEnd = timeGetTime();
        },
        [&](uint32_t now) {
          if (now - start == 400) QueueKey(key);
          if (now - start == 800 && tableEnd == 0) h.Press(10, 10);  // a sound key closed nothing
        });
    EXPECT_EQ(tableEnd - start >= 800, key == 'm') << "only Enter and Space close the table";
    EXPECT_EQ(title, 0);
    EXPECT_GE(titleEnd - tableEnd, kTitleMs);
  }
}

TEST(ScreenKeys, AKeyDuringTheGameOverMessageLeavesTheTitleItsTime) {
  for (int key : kKeys) {
    SCOPED_TRACE(KeyName(key));
    GameHarness h;
    ASSERT_TRUE(h.StartVideo());
    const uint32_t start = timeGetTime();
    uint32_t messageEnd = 0, titleEnd = 0;
    int32_t title = 99;
    RunScreens(
        h,
        [&] {
          vGameOverScreen();
          messageEnd = timeGetTime();
          title = iTitleScreen();
          titleEnd = timeGetTime();
        },
        [&](uint32_t now) {
          if (now - start == 1000) QueueKey(key);
        });
    EXPECT_EQ(title, 0);
    EXPECT_GE(titleEnd - messageEnd, kTitleMs);
  }
}

TEST(ScreenKeys, AKeyDuringTheLevelClearDoesNotPassThePrompt) {
  for (int key : kKeys) {
    SCOPED_TRACE(KeyName(key));
    GameHarness h;
    ASSERT_TRUE(h.StartVideo());
    const uint32_t start = timeGetTime();
    uint32_t end = 0, pressedAt = 0;
    RunScreens(
        h,
        [&] {
          vLevelClear();
          end = timeGetTime();
        },
        [&](uint32_t now) {
          if (now - start == 4900) QueueKey(key);
          if (pressedAt == 0 && h.ZoneReady("CONTINUE", now, 1000)) {
            h.PressZone("CONTINUE");
            pressedAt = now;
          }
        });
    ASSERT_NE(pressedAt, 0u) << "the prompt went before the player pressed";
    EXPECT_GE(end, pressedAt);
  }
}

TEST(ScreenKeys, KeysDuringNoMoreMovesDoNothingToTheNewDeal) {
  const std::vector<TileAt> spread = {{2, 2, 0}, {6, 2, 0}, {10, 2, 0}, {14, 2, 0}};
  for (int key : {int{kKeyEnter}, int{kKeySpace}, int{'m'}, int{'h'}}) {
    SCOPED_TRACE(KeyName(key) + (key == 'h' ? " (H)" : ""));
    GameHarness h;
    ASSERT_TRUE(h.StartVideo());
    WritePattern(0, spread);
    int step = 0;
    uint32_t at = 0;
    int32_t hints = -1;
    RunScreens(h, [] { iGameLoop(); }, [&](uint32_t now) {
      if (step == 0 && h.ZoneReady("GAME_LOOP", now)) {
        QueueKey(kKeyRight);  // the ring shows on a free tile
        at = now;
        step = 1;
      } else if (step == 1 && now - at == 300) {
        // A dead end: two tiles of one face, one on top of the other.
        std::fill(std::begin(Board), std::end(Board), 0);
        Board[iGetCellIndex(4, 4, 0)] = 5;
        Board[iGetCellIndex(4, 4, 1)] = 5;
        hints = gs.iHintsLeft;
        at = now;
        step = 2;
      } else if (step == 2 && now - at == 2000) {
        QueueKey(key);
        QueueKey(kKeyRight);
        QueueKey(key);
        step = 3;
      } else if (step == 3 && h.CountInTrace("vNoMoreMoves() END\n") == 1) {
        at = now;
        step = 4;
      } else if (step == 4 && now - at == 500) {
        EXPECT_EQ(gs.iSelectedCount, 0);
        EXPECT_EQ(gs.iHintsLeft, hints);
        EXPECT_EQ(gs.bHintShown, 0);
        h.LeaveGame();
        step = 5;
      }
    });
    EXPECT_EQ(step, 5);
  }
}

TEST(ScreenKeys, AKeyRightAfterNoInTheQuitBoxLeavesTheTitleItsTime) {
  for (int key : kKeys) {
    SCOPED_TRACE(KeyName(key));
    GameHarness h;
    ASSERT_TRUE(h.StartVideo());
    const uint32_t start = timeGetTime();
    uint32_t noAt = 0, end = 0;
    int32_t title = 99;
    RunScreens(
        h,
        [&] {
          title = iTitleScreen();
          end = timeGetTime();
        },
        [&](uint32_t now) {
          if (now - start == 1000) h.PressEscape();
          if (noAt == 0 && !h.Busy() && h.ZoneReady("NO", now)) {
            h.PressZone("NO");
            noAt = now;
          }
          if (noAt != 0 && now - noAt == 100) QueueKey(key);
        });
    ASSERT_NE(noAt, 0u);
    EXPECT_EQ(title, 0);
    EXPECT_GE(end - start, kTitleMs);
  }
}
// What a screen shown over another leaves is not the one beneath's; what comes after it ended is.
TEST(ScreenKeys, WhatAScreenLeavesIsNotTheOneBeneathsToTake) {
  GameHarness h;
  ScreenInput beneath(timeGetTime());
  VirtualClockAdvance(10);
  {
    ScreenInput over(timeGetTime());
    VirtualClockAdvance(10);
    QueueKey(kKeyEnter);
    VirtualClockAdvance(10);
  }
  VirtualClockAdvance(10);
  EXPECT_EQ(TakeCommand(), Command::kNone);
  QueueKey(kKeySpace);
  EXPECT_EQ(TakeCommand(), Command::kChoose);
}
}  // namespace

