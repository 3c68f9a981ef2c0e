// Tests src/play/game_loop.cpp.
// One game on the virtual clock through the per-game loop: leaving it, the in-game help, the
// pause, held and right presses, the hint button, the last tick and Escape's question (Escape
// during the two level ends is in leftover_input_test). The rules' own numbers (tick pace, bonus, count-up) are checked on the rules alone in
// rules_tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "play/game_state.h"
#include "game_harness.h"
#include "player_script.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/virtual_clock.h"
#include "platform/window.h"
#include "play/game_loop.h"
#include "play/input.h"
#include "raster/raster.h"
#include "save/settings.h"
#include "screens/screen_layout.h"

namespace {
// Eight tiles far enough apart that every one of them is free.
const std::vector<TileAt> kSpread = {{2, 2, 0}, {6, 2, 0}, {10, 2, 0}, {14, 2, 0},
                                     {2, 6, 0}, {6, 6, 0}, {10, 6, 0}, {14, 6, 0}};
// A point of the board where no tile of either pattern lies.
constexpr int kOffX = 700, kOffY = 600;

// The pixels of an area of the frame, row by row.
std::vector<uint32_t> Pixels(const screen::Rect& r) {
  std::vector<uint32_t> pixels;
  for (int y = r.y; y < r.y + r.h; ++y) {
    for (int x = r.x; x < r.x + r.w; ++x) pixels.push_back(GetPixel(x, y) & 0xFFFFFF);
  }
  return pixels;
}

// The pixels as the game-over message darkens them.
std::vector<uint32_t> Darkened(std::vector<uint32_t> pixels) {
  for (uint32_t& p : pixels) {
    uint32_t dark = 0;
    for (int shift : {16, 8, 0}) {
      const int c = static_cast<int>((p >> shift) & 0xFF);
      dark |= static_cast<uint32_t>(std::max(c - 50, 0)) << shift;
    }
    p = dark;
  }
  return pixels;
}

class PlayTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(h.StartVideo()); }
  // Plays one game with `script` as the player; returns each step's moment.
  std::vector<uint32_t> Play(const Script& script) {
    start = timeGetTime();
    return PlayScript(
        h,
        [this] {
          iGameLoop();
          returnedAt = timeGetTime();
        },
        script, 120000);
  }
  // Presses the i-th tile of the deal's solution, known once the game has dealt.
  Step PressSolution(int i, uint32_t holdMs = 30) {
    return Do([this, i, holdMs] { h.PressTile(gs.aiSolution[i], holdMs); });
  }
  // Right presses a tile (tiles answer to the left button only).
  void RightPressTile(int cell) { EXPECT_TRUE(h.PressZone(std::to_string(cell).c_str(), true)); }
  // How many tiles are selected at that moment.
  static Step Selected(int32_t count, const char* where = "") {
    return Do([count, where] { EXPECT_EQ(gs.iSelectedCount, count) << where; });
  }

  GameHarness h;
  uint32_t start = 0, returnedAt = 0;
};

TEST_F(PlayTest, EscapeLeavesWithoutGameOverAndWithoutSavingTheBest) {
  WritePattern(0, kSpread);
  WriteStoredBest(500);
  const auto at = Play({Wait(0).Shows("GAME_LOOP"), PressSolution(0), PressSolution(1).After(200),
                        Do([] { EXPECT_TRUE(PlatformLeaveGuard()) << "closing the page asks"; }),
                        WaitUntil([] { return gs.iShownScore == 1000 && gs.iBestScore == 1000; }),
                        Escape().Shows("YES"), PressZone("YES")});
  EXPECT_LE(returnedAt - at[6], 2u);
  EXPECT_EQ(gs.iScore, 1000);
  EXPECT_GT(gs.iTimeTicks, 0);
  EXPECT_EQ(StoredBest(), 500);
  EXPECT_FALSE(PlatformLeaveGuard());
}

// The playing screen presents only when its picture changes, and then only what changed: a tile
// click sends a small rectangle, not the frame.
TEST_F(PlayTest, ATileClickPresentsOnlyTheTileNotTheFrame) {
  WritePattern(0, kSpread);
  uint64_t pixelsBefore = 0, presentsBefore = 0, pixelsAfter = 0, presentsAfter = 0;
  Play({Wait(0).Shows("GAME_LOOP"),
        WaitUntil([] { return timeGetTime() - gs.dwNextTick > 300; }),  // the next tick is far
        Do([&] {
          pixelsBefore = PlatformPresentedPixels();
          presentsBefore = PlatformPresentCount();
        }),
        PressSolution(0),
        Do([&] {
          pixelsAfter = PlatformPresentedPixels();
          presentsAfter = PlatformPresentCount();
        }).After(100),
        LeaveGame()});
  EXPECT_EQ(gs.iSelectedCount, 1);
  EXPECT_GE(presentsAfter - presentsBefore, 1u);
  EXPECT_LT(pixelsAfter - pixelsBefore, 120u * 120u) << "more than the tile was presented";
}

// The ticks only go down, so a bar that is where it was at two moments did not move between them.
TEST_F(PlayTest, TheTimeBarStandsStillDuringTheHelp) {
  WritePattern(0, kSpread);
  int32_t atHelp = -1, atClose = -1, soon = -1, beforeTheNext = -1, next = -1;
  auto ticksInto = [](int32_t& ticks) { return Do([&ticks] { ticks = gs.iTimeTicks; }); };
  Play({Wait(0).Shows("GAME_LOOP", 600), PressZone("HELP"), ticksInto(atHelp),
        ticksInto(atClose).After(5000), Press(kOffX, kOffY), ticksInto(soon).After(11),
        ticksInto(beforeTheNext).After(479), ticksInto(next).After(111), LeaveGame()});
  EXPECT_EQ(h.CountInTrace("iGameHelp()\n"), 1);
  EXPECT_EQ(atClose, atHelp);
  // One tick at once (a tick was overdue), the next a full interval later.
  EXPECT_EQ(soon, atHelp - 1);
  EXPECT_EQ(beforeTheNext, atHelp - 1);
  EXPECT_EQ(next, atHelp - 2);
}

// Any press closes the in-game help, also one over a tile of the hidden board, and the board does
// not take that press; the next one selects as usual.
TEST_F(PlayTest, APressOverAHiddenTileClosesTheHelpAndSelectsNothing) {
  WritePattern(0, kSpread);
  int32_t selectedAfterClose = -1;
  Play({Wait(0).Shows("GAME_LOOP", 600), PressZone("HELP"), PressSolution(0, 300).After(1000),
        Do([&] { selectedAfterClose = gs.iSelectedCount; }).After(700), PressSolution(0),
        Selected(1).After(300), LeaveGame()});
  EXPECT_EQ(selectedAfterClose, 0);
}

// P pauses: no tick while paused, and the bar goes on where it was; a press ends the pause and
// selects nothing.
TEST_F(PlayTest, APauseTakesNoTickAndAPressEndsItWithoutSelecting) {
  WritePattern(0, kSpread);
  int32_t atPause = -1, atPress = -1, after = -1;
  Play({Wait(0).Shows("GAME_LOOP", 600), Key('p'), Do([&] { atPause = gs.iTimeTicks; }).After(20),
        Do([&] { atPress = gs.iTimeTicks; }).After(4980), PressSolution(0),
        Do([&] { after = gs.iTimeTicks; }).After(51), LeaveGame().After(49)});
  EXPECT_EQ(atPress, atPause);
  EXPECT_EQ(gs.iSelectedCount, 0);
  EXPECT_EQ(after, atPause) << "no tick was overdue";
}

// Escape asks: no tick while the box shows, and NO (or Escape again) gives the game back with
// its bar where it was, the tile still selected.
TEST_F(PlayTest, EscapesBoxTakesNoTickAndNoGivesTheGameBack) {
  for (bool byKey : {false, true}) {
    SCOPED_TRACE(byKey ? "Escape again" : "NO");
    WritePattern(0, kSpread);
    int32_t atBox = -1, atAnswer = -1, after = -1;
    Play({Wait(0).Shows("GAME_LOOP", 600), PressSolution(0), Escape().After(200),
          Do([&] { atBox = gs.iTimeTicks; }), Wait(4800).Shows("NO"),
          Do([&] { atAnswer = gs.iTimeTicks; }), byKey ? Key(kKeyEscape) : PressZone("NO"),
          Do([&] { after = gs.iTimeTicks; }).After(51),
          Do([] { EXPECT_FALSE(ZonePresent("NO")); }).After(49), LeaveGame()});
    EXPECT_EQ(atAnswer, atBox);
    EXPECT_EQ(gs.iSelectedCount, 1) << "the selection is kept";
    EXPECT_EQ(after, atBox) << "no tick was overdue";
  }
}

// Escape in the pause panel closes it; the game goes on.
TEST_F(PlayTest, EscapeInThePauseGoesOnWithTheGame) {
  WritePattern(0, kSpread);
  Play({Wait(0).Shows("GAME_LOOP", 600), Key('p'), Key(kKeyEscape).After(1000),
        Do([] {
          EXPECT_FALSE(ZonePresent("YES")) << "nothing asks";
          EXPECT_EQ(gs.iEscapePressed.load(), 0);
        }).After(300),
        PressSolution(0), Selected(1, "the game went on").After(200), LeaveGame()});
  EXPECT_EQ(h.CountInTrace("vPauseGame()\n"), 1);
}

// Leaving the window between two ticks pauses the game from that moment: no tick while away, and
// the tick under way is as far off after the pause as it was when the window was left. With the
// setting off the game goes on, unless the game cannot be seen at all (a phone held upright).
TEST_F(PlayTest, LeavingTheWindowMidTickPausesUnlessTurnedOff) {
  struct Case {
    bool pauseAway;
    PlatformEventKind how;
    bool pauses;
  };
  for (const Case c : {Case{true, kEventWindowLeft, true}, Case{false, kEventWindowLeft, false},
                       Case{false, kEventWindowCovered, true}}) {
    SCOPED_TRACE(testing::Message() << "pauseaway " << c.pauseAway << ", event " << c.how);
    const bool pauseAway = c.pauses;
    WriteWholeFile("content/levels/settings.txt", c.pauseAway ? "" : "pauseaway=off\n");
    vForgetSettings();
    WritePattern(0, kSpread);
    const int pausesBefore = h.CountInTrace("vPauseGame()\n");
    int ticksAway = 0;
    uint32_t tickDueIn = 0, tickDueAfter = 0;
    Play({Wait(0).Shows("GAME_LOOP", 600),
          WaitUntil([] { return gs.dwNextTick - timeGetTime() == 200; }),
          Do([&] {
            PlatformEvent left;
            left.kind = c.how;
            bQueueInput(left);
            tickDueIn = gs.dwNextTick - timeGetTime();
            ticksAway = gs.iTimeTicks;
          }),
          Do([&] { ticksAway -= gs.iTimeTicks; }).After(3000), Press(kOffX, kOffY),
          Do([&] { tickDueAfter = gs.dwNextTick - timeGetTime() + 1; }).After(1), LeaveGame()});
    EXPECT_EQ(h.CountInTrace("vPauseGame()\n") - pausesBefore, pauseAway ? 1 : 0);
    if (pauseAway) {
      EXPECT_EQ(ticksAway, 0);
      EXPECT_EQ(tickDueAfter, tickDueIn);
    } else {
      EXPECT_GE(ticksAway, 5);
    }
  }
  vForgetSettings();  // the next test reads its own
}

TEST_F(PlayTest, HoldingTheButtonOnATileActsEvery125Ms) {
  WritePattern(0, kSpread);
  std::vector<uint32_t> changes;
  std::vector<int32_t> counts;
  int cell = -1;
  uint32_t pressAt = 0;
  auto changesForASecond = [&] {
    const uint32_t now = timeGetTime();
    if (counts.empty() || gs.iSelectedCount != counts.back()) {
      changes.push_back(now);
      counts.push_back(gs.iSelectedCount);
    }
    return now - pressAt >= 1000;
  };
  Play({Wait(0).Shows("GAME_LOOP"), Do([&] {
          h.PressTile(cell = gs.aiSolution[0], 700);
          pressAt = timeGetTime();
        }),
        WaitUntil(changesForASecond).After(1), LeaveGame()});
  // Select, drop (the same tile again), select, ... while the button stays down for 700 ms.
  ASSERT_EQ(counts.size(), 6u);
  for (size_t i = 0; i < counts.size(); ++i) EXPECT_EQ(counts[i], i % 2 == 0 ? 1 : 0) << i;
  for (size_t i = 1; i < changes.size(); ++i) {
    EXPECT_GE(changes[i] - changes[i - 1], 125u) << i;
    EXPECT_LE(changes[i] - changes[i - 1], 126u) << i;
  }
  EXPECT_NE(Board[cell], 0);
}

TEST_F(PlayTest, RightPressAnywhereDropsTheSelection) {
  WritePattern(0, kSpread);
  int cell = -1;
  Play({Wait(0).Shows("GAME_LOOP"), Do([&] { h.PressTile(cell = gs.aiSolution[0]); }),
        Selected(1).After(200), Do([&] { RightPressTile(cell); }),
        Selected(0, "over the tile itself").After(200), Do([&] {
          EXPECT_NE(Board[cell], 0);
          h.PressTile(cell);
        }),
        Selected(1).After(200), PressZone("HINT", true),
        Selected(0, "over the hint button").After(200), Do([] {
          EXPECT_EQ(gs.iHintsLeft, 3);
          EXPECT_EQ(gs.bHintShown, 0);
        }),
        LeaveGame()});
}

TEST_F(PlayTest, HintButtonWithoutHintsLeftOnlyRenewsTheGuard) {
  WritePattern(0, kSpread);
  Play({Wait(0).Shows("GAME_LOOP"), Do([] { gs.iHintsLeft = 0; }), PressZone("HINT"),
        PressSolution(0).After(60),  // released before the renewed guard has passed
        Selected(0).After(140), Do([] { EXPECT_EQ(gs.bHintShown, 0); }), PressSolution(0),
        Selected(1).After(200), Do([] { EXPECT_EQ(gs.iHintsLeft, 0); }), LeaveGame()});
}

TEST_F(PlayTest, TheLastTickEndsTheGameInItsPass) {
  WritePattern(0, kSpread);
  int32_t last = -1;
  auto scoredAndTicked = [&] {
    const bool ticked = last >= 0 && gs.iTimeTicks < last;
    last = gs.iTimeTicks;
    return ticked && gs.iShownScore == 1000;
  };
  const auto at = Play({Wait(0).Shows("GAME_LOOP"), PressSolution(0), PressSolution(1).After(200),
                        WaitUntil(scoredAndTicked), Do([] { gs.iTimeTicks = 1; }),
                        WaitUntil([] { return gs.iTimeTicks == 0; }), Wait(0)});
  const uint32_t lastTickAt = at[4], zeroAt = at[6];
  EXPECT_GE(zeroAt - lastTickAt, 500u);
  EXPECT_LE(zeroAt - lastTickAt, 502u);
  EXPECT_EQ(gs.iTimeTicks, 0) << "the bar stops at its end";
  // Straight into the four seconds of the game-over message, which saves the best score.
  EXPECT_GE(returnedAt - zeroAt, 3995u);
  EXPECT_LE(returnedAt - zeroAt, 4001u);
  EXPECT_EQ(StoredBest(), 1000);
}

// Between the player's actions the loop sleeps until its next timed step. With the clock jumping
// to each moment it asks for, the ticks still come exactly one interval after the pass that took
// the last one, and the loop wakes a few times a tick rather than every millisecond.
TEST_F(PlayTest, AnUntouchedGameWakesOnlyForItsTimedSteps) {
  WritePattern(0, kSpread);
  std::vector<uint32_t> tickPasses;
  uint32_t lastWake = 0;
  int32_t lastTicks = -1;
  int wakes = 0;
  VirtualClockWholeWaits(true);
  Play({WaitUntil([&] {
          const uint32_t now = timeGetTime();
          ++wakes;
          if (lastTicks >= 0 && gs.iTimeTicks < lastTicks) tickPasses.push_back(lastWake);
          lastTicks = gs.iTimeTicks;
          lastWake = now;
          return now - start >= 10000;
        }),
        LeaveGame()});
  VirtualClockWholeWaits(false);
  ASSERT_GE(tickPasses.size(), 19u);
  for (size_t i = 1; i < tickPasses.size(); ++i) {
    EXPECT_EQ(tickPasses[i] - tickPasses[i - 1], TickInterval(gs.iDifficulty) + 1) << i;
  }
  EXPECT_LT(wakes, 100);
}

// The time warning goes with the last tick: the game-over message and the name entry after it
// show the board without the badge.
TEST_F(PlayTest, TheHurryBadgeGoesWithTheLastTick) {
  WritePattern(0, kSpread);
  // Right of the bar, where the badge lies over the background.
  const screen::Rect badge{screen::kTimeColumnWidth, screen::kTimeWarningY,
                           screen::kTimeWarningX + screen::kTimeWarningWidth - screen::kTimeColumnWidth,
                           screen::kTimeWarningHeight};
  std::vector<uint32_t> without;
  const auto noBadge = [&](const char* where) {
    return Do([&, where] { EXPECT_TRUE(Pixels(badge) == Darkened(without)) << where; });
  };
  Play({Wait(0).Shows("GAME_LOOP"), Do([&] { without = Pixels(badge); }), Do([] {
          gs.iScore = gs.iShownScore = 20000;  // enters the table
          gs.iTimeTicks = 2;
          gs.bTimeWarning = 1;
          gs.dwTimeWarningAt = timeGetTime() + 100000;  // shown until the end
        }),
        Do([&] { EXPECT_FALSE(Pixels(badge) == without) << "no badge while time is left"; }).After(100),
        WaitUntil([] { return gs.iTimeTicks == 0; }), noBadge("over the game-over message").After(500),
        Wait(0).Shows("NAME_OK"), noBadge("under the name entry"), PressZone("NAME_OK"),
        Wait(0).Shows("SCORE_TABLE"), Press(10, 10)});
}

// The hint button is dimmed once the last hint is used, and not before.
TEST_F(PlayTest, TheHintButtonDimsWithTheLastHint) {
  WritePattern(0, kSpread);
  std::vector<uint32_t> lit;
  const auto hint = [](uint32_t after) { return PressZone("HINT").After(after); };
  // Dimmed: no channel of any pixel brighter than lit, and the button not as it was.
  const auto look = [&](bool dimmed) {
    return Do([&, dimmed] {
      const std::vector<uint32_t> now = Pixels(screen::kHintZone);
      EXPECT_EQ(now == lit, !dimmed);
      for (size_t i = 0; i < now.size(); ++i) {
        for (int shift : {16, 8, 0}) ASSERT_LE((now[i] >> shift) & 0xFF, (lit[i] >> shift) & 0xFF) << i;
      }
    }).After(200);
  };
  Play({Wait(0).Shows("GAME_LOOP"), Do([&] { lit = Pixels(screen::kHintZone); }), hint(0),
        hint(300), look(false), hint(0), look(true),
        Do([] { EXPECT_EQ(gs.iHintsLeft, 0); }), LeaveGame()});
}

// A press acts where it was made: the pointer moving on to another tile before the game looks
// changes nothing.
TEST_F(PlayTest, APressActsWhereItWasMadeNotWhereThePointerWentNext) {
  WritePattern(0, kSpread);
  const int first = CellOf(kSpread[0]), other = CellOf(kSpread[5]);
  Play({Wait(0).Shows("GAME_LOOP"), Do([&] {
          int ax = 0, ay = 0, bx = 0, by = 0;
          ZoneCentre(std::to_string(first).c_str(), ax, ay);
          ZoneCentre(std::to_string(other).c_str(), bx, by);
          QueuePointer(kEventLeftDown, ax, ay);
          QueuePointer(kEventLeftUp, ax, ay);
          PlatformSetPointerPosition(bx, by);  // moved on within the same millisecond
          QueuePointer(kEventDragged, bx, by);
        }),
        WaitUntil([] { return gs.iSelectedCount != 0; }), LeaveGame()});
  EXPECT_EQ(gs.iSelectedCount, 1);
  EXPECT_EQ(gs.aiSelectedCell[0], first);
}
}  // namespace
