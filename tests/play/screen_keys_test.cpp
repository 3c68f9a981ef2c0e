// Tests src/play/screen_loop.cpp (what a screen takes as it starts and ends).
// A key belongs to the screen on which it was pressed: Enter, Space or a sound key pressed as a
// screen ends leaves the next screen as if nothing had been pressed. Each case walks one screen
// end with each of those keys, on the virtual clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_harness.h"
#include "player_script.h"
#include "platform/clock.h"
#include "platform/virtual_clock.h"
#include "platform/window.h"
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

// Plays `before` and then the title with `script` as the player; the title must end untouched.
// Returns how long the title was up, and when `before` ended in `beforeEnd`.
uint32_t TitleTimeAfter(GameHarness& h, std::function<void()> before, const Script& script,
                        uint32_t* beforeEnd = nullptr) {
  uint32_t titleStart = 0, titleEnd = 0;
  int32_t title = 99;
  PlayScript(h,
             [&] {
               if (before) before();
               titleStart = timeGetTime();
               if (beforeEnd != nullptr) *beforeEnd = titleStart;
               title = iTitleScreen();
               titleEnd = timeGetTime();
             },
             script);
  EXPECT_EQ(title, 0);
  return titleEnd - titleStart;
}

TEST(ScreenKeys, TheTableClosedByAKeyLeavesTheTitleItsTime) {
  for (int key : kKeys) {
    SCOPED_TRACE(KeyName(key));
    GameHarness h;
    ASSERT_TRUE(h.StartVideo());
    const uint32_t start = timeGetTime();
    uint32_t tableEnd = 0;
    const Script script = {Key(key).After(400),
                           Do([&] { if (tableEnd == 0) h.Press(10, 10); }).After(400)};
    EXPECT_GE(TitleTimeAfter(h, [] { vHighScoreTable(-1); }, script, &tableEnd), kTitleMs);
    EXPECT_EQ(tableEnd - start >= 800, key == 'm') << "only Enter and Space close the table";
  }
}

TEST(ScreenKeys, AKeyDuringTheGameOverMessageLeavesTheTitleItsTime) {
  for (int key : kKeys) {
    SCOPED_TRACE(KeyName(key));
    GameHarness h;
    ASSERT_TRUE(h.StartVideo());
    EXPECT_GE(TitleTimeAfter(h, vGameOverScreen, {Key(key).After(1000)}), kTitleMs);
  }
}

TEST(ScreenKeys, AKeyRightAfterNoInTheQuitBoxLeavesTheTitleItsTime) {
  for (int key : kKeys) {
    SCOPED_TRACE(KeyName(key));
    GameHarness h;
    ASSERT_TRUE(h.StartVideo());
    const Script script = {Escape().After(1000).Shows("NO"), PressZone("NO"), Key(key).After(100)};
    EXPECT_GE(TitleTimeAfter(h, {}, script), kTitleMs);
  }
}

TEST(ScreenKeys, AKeyDuringTheLevelClearDoesNotPassThePrompt) {
  for (int key : kKeys) {
    SCOPED_TRACE(KeyName(key));
    GameHarness h;
    ASSERT_TRUE(h.StartVideo());
    uint32_t end = 0;
    const auto at = PlayScript(
        h,
        [&] {
          vLevelClear();
          end = timeGetTime();
        },
        {Key(key).After(4900).Shows("CONTINUE", 1000), PressZone("CONTINUE")});
    EXPECT_GE(end, at[1]) << "the prompt went before the player pressed";
  }
}

TEST(ScreenKeys, KeysDuringNoMoreMovesDoNothingToTheNewDeal) {
  const std::vector<TileAt> spread = {{2, 2, 0}, {6, 2, 0}, {10, 2, 0}, {14, 2, 0}};
  for (int key : {int{kKeyEnter}, int{kKeySpace}, int{'m'}, int{'h'}}) {
    SCOPED_TRACE(KeyName(key) + (key == 'h' ? " (H)" : ""));
    GameHarness h;
    ASSERT_TRUE(h.StartVideo());
    WritePattern(0, spread);
    int32_t hints = -1;
    auto deadEnd = [&] {
      LeaveADeadEnd();
      hints = gs.iHintsLeft;
    };
    PlayScript(h, [] { iGameLoop(); },
               {Wait(0).Shows("GAME_LOOP"), Key(kKeyRight),  // the ring shows on a free tile
                Do(deadEnd).After(300), Key(key).After(2000), Key(kKeyRight), Key(key),
                WaitUntil([&] { return h.CountInTrace("vNoMoreMoves() END\n") == 1; }),
                Do([&] {
                  EXPECT_EQ(gs.iSelectedCount, 0);
                  EXPECT_EQ(gs.iHintsLeft, hints);
                  EXPECT_EQ(gs.bHintShown, 0);
                }).After(500),
                LeaveGame()});
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

