// What a player leaves behind as one screen gives way to the next, on the virtual clock. Escape
// acts once, on the screen it was pressed on; a box that would throw a game away or quit answers
// NO to Enter or Escape; a held key's repeats, a sound key and the window being left are no "any
// key"; the window left while something is shown over the game still pauses the game once that
// has gone. One row per screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game_harness.h"
#include "player_script.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "play/board.h"
#include "play/game_loop.h"
#include "play/game_state.h"
#include "play/menus.h"
#include "play/options.h"
#include "play/score_screens.h"
#include "save/scores.h"

namespace {
const std::vector<TileAt> kSpread = {{2, 2, 0}, {6, 2, 0}, {10, 2, 0}, {14, 2, 0},
                                     {2, 6, 0}, {6, 6, 0}, {10, 6, 0}, {14, 6, 0}};
const std::vector<TileAt> kPair = {{4, 4, 0}, {10, 4, 0}};
constexpr int kOffX = 700, kOffY = 600;  // no tile of either pattern lies there

int TilesOnBoard() {
  return static_cast<int>(std::count_if(std::begin(Board), std::end(Board),
                                        [](int32_t c) { return c != 0; }));
}

void PlayGame() { iGameLoop(); }

// Waits until `done` holds, which must come within `ms` of the step before.
Step Within(uint32_t ms, std::function<bool()> done) {
  auto since = std::make_shared<std::optional<uint32_t>>();
  return WaitUntil([=] {
    const uint32_t now = timeGetTime();
    if (!*since) *since = now;
    if (!done()) return false;
    EXPECT_LE(now - **since, ms) << "too late";
    return true;
  });
}

// The game's time bar, looked at now and again later.
struct Bar {
  int32_t ticks = -1;
  Step Look() {
    return Do([this] { ticks = gs.iTimeTicks; });
  }
  // The bar stood still since the last look, and the pause is up, the one and only.
  Step StoodStillInThePause(GameHarness& h) {
    return Do([this, &h] {
      EXPECT_EQ(gs.iTimeTicks, ticks) << "the bar ran";
      EXPECT_EQ(h.CountInTrace("vPauseGame()\n"), 1) << "the game did not pause";
    });
  }
};

// The game goes on over the next second: its bar runs and nothing asks.
Script GameGoesOn() {
  auto ticks = std::make_shared<int32_t>(0);
  return {Do([ticks] { *ticks = gs.iTimeTicks; }), Do([ticks] {
            EXPECT_FALSE(ZonePresent("YES")) << "a box asks";
            EXPECT_LT(gs.iTimeTicks, *ticks) << "the game stands still";
          }).After(1000)};
}

Script Then(Script first, const Script& then) {
  first.insert(first.end(), then.begin(), then.end());
  return first;
}

Script ClearThePair() {
  return {Wait(0).Shows("GAME_LOOP"), PressTile(CellOf(kPair[0])),
          PressTile(CellOf(kPair[1])).After(200), WaitUntil([] { return TilesOnBoard() == 0; })};
}

struct ScreenRow {
  const char* screen;
  std::vector<TileAt> pattern;  // the levels, where the row plays a game
  std::function<void()> run;
  std::function<Script(GameHarness&)> script;
};

void PlayRows(const std::vector<ScreenRow>& rows, uint32_t limitMs) {
  for (const ScreenRow& row : rows) {
    SCOPED_TRACE(row.screen);
    GameHarness h;
    ASSERT_TRUE(h.StartVideo());
    if (!row.pattern.empty()) WritePattern(0, row.pattern);
    vLoadHighScores();
    PlayScript(h, row.run, row.script(h), limitMs);
  }
}

// Escape (or a pad's B) acts once, on the screen it was pressed on, however long it is held:
// whatever screen comes next goes on untouched.
TEST(LeftoverInput, EscapeActsOnlyOnTheScreenItWasPressedOn) {
  PlayRows(
      {{"level-clear message", kPair, PlayGame,
        [](GameHarness&) {
          return Then(ClearThePair(),
                      Then({Escape().After(1000),
                            Within(2, [] { return ZonePresent("CONTINUE"); }),
                            Wait(0).Shows("CONTINUE", 1000), PressZone("CONTINUE"),
                            Do([] { EXPECT_EQ(gs.iLevel, 2); }).After(300)},
                           Then(GameGoesOn(), {LeaveGame()})));
        }},
       {"no-more-moves message", kSpread, PlayGame,
        [](GameHarness& h) {
          return Then({Wait(0).Shows("GAME_LOOP"), Do(LeaveADeadEnd), Escape().After(500),
                       Within(2, [&h] { return h.CountInTrace("vNoMoreMoves() END\n") == 1; }),
                       Do([] { EXPECT_EQ(TilesOnBoard(), 8) << "the pattern dealt again"; })
                           .After(300)},
                      Then(GameGoesOn(), {LeaveGame()}));
        }},
       {"in-game help", kSpread, PlayGame,
        [](GameHarness& h) {
          return Then({Wait(0).Shows("GAME_LOOP", 600), Key(kKeyF1), Escape().After(500),
                       Do([&h] { EXPECT_EQ(h.CountInTrace("iGameHelp()\n"), 1); }).After(300)},
                      Then(GameGoesOn(), {LeaveGame()}));
        }},
       {"pause", kSpread, PlayGame,
        [](GameHarness&) {
          return Then({Wait(0).Shows("GAME_LOOP", 600), Key('p'), PadButton(kPadB).After(500)},
                      Then(GameGoesOn(), {LeaveGame()}));
        }},
       {"game-over message", {},
        [] {
          vGameOverScreen();
          vEnterHighScore(20000);
        },
        [](GameHarness&) -> Script {
          return {Escape().After(1000), Wait(0).Shows("NAME_OK", 1000), PressZone("NAME_OK"),
                  Wait(0).Shows("SCORE_TABLE"), Press(10, 10)};
        }},
       {"score table, Escape held into the title", {},
        [] {
          vHighScoreTable(-1);
          EXPECT_EQ(iTitleScreen(), 1);
        },
        [](GameHarness&) -> Script {
          return {Wait(0).Shows("SCORE_TABLE"), Escape(), KeyRepeat(kKeyEscape).After(500),
                  KeyRepeat(kKeyEscape).After(33), KeyRepeat(kKeyEscape).After(33),
                  Do([] { EXPECT_FALSE(ZonePresent("NO")) << "the title asks"; }).After(1000),
                  Press(10, 10)};
        }}},
      30000);
}

// The boxes that would quit or throw the game away light NO first, and Back answers NO too.
TEST(LeftoverInput, BoxesThatQuitOrLeaveAnswerNoToEnterAndEscape) {
  for (int answer : {int{kKeyEnter}, int{kKeyEscape}}) {
    SCOPED_TRACE(answer == kKeyEnter ? "Enter" : "Escape");
    PlayRows({{"quit box", {},
               [] { EXPECT_EQ(iTitleScreen(), 1); },
               [answer](GameHarness&) -> Script {
                 return {Escape().After(1000).Shows("NO"), Key(answer),
                         Do([] {
                           EXPECT_FALSE(ZonePresent("NO")) << "the box is still up";
                           EXPECT_EQ(gs.bQuitGame.load(), 0);
                         }).After(300),
                         Press(10, 10).After(300)};
               }},
              {"leave box", kSpread, PlayGame,
               [answer](GameHarness&) {
                 return Then({Wait(0).Shows("GAME_LOOP", 600), Escape().Shows("NO"), Key(answer)},
                             Then(GameGoesOn(), {LeaveGame()}));
               }}},
             30000);
  }
}

// Screens that close on any key: a key held since the screen before, a sound key, or the
// window being left is no key pressed on them; a key is.
TEST(LeftoverInput, AnyKeyIsAFreshKeyNotARepeatASoundKeyOrTheWindowLeft) {
  struct Screen {
    const char* name;
    void (*run)();
  };
  const Screen screens[] = {{"score table", [] { vHighScoreTable(-1); }},
                            {"controls page", vControlsScreen}};
  struct NoKey {
    const char* name;
    Step input;
  };
  const NoKey noKeys[] = {{"Enter held", KeyRepeat(kKeyEnter)},
                          {"minus held", KeyRepeat(kKeyMinus)},
                          {"minus", Key(kKeyMinus)},
                          {"window left", LeaveWindow()},
                          {"window covered", LeaveWindow(true)}};
  for (const Screen& screen : screens) {
    for (const NoKey& noKey : noKeys) {
      SCOPED_TRACE(std::string(screen.name) + ", " + noKey.name);
      GameHarness h;
      ASSERT_TRUE(h.StartVideo());
      uint32_t closedAt = 0;
      const auto at = PlayScript(
          h,
          [&] {
            screen.run();
            closedAt = timeGetTime();
          },
          {Wait(400), noKey.input, Key(kKeyOther).After(1000)}, 10000);
      EXPECT_GE(closedAt, at[2]) << "closed before the key";
      EXPECT_LE(closedAt - at[2], 2u);
    }
  }
}

// The window left while something is shown over the game (a message, the help, the game's first
// moments) pauses the game from that moment once it has gone; left before the game began, or
// while it already stood still for the pause or Escape's box, it does not pause it.
TEST(LeftoverInput, TheWindowLeftReachesTheGameItWasLeftFrom) {
  Bar bar;
  PlayRows(
      {{"no-more-moves message", kSpread, PlayGame,
        [&bar](GameHarness& h) -> Script {
          return {Wait(0).Shows("GAME_LOOP", 600), Do(LeaveADeadEnd), LeaveWindow().After(1000),
                  bar.Look(), bar.StoodStillInThePause(h).After(10000), Press(kOffX, kOffY),
                  LeaveGame().After(300)};
        }},
       {"level-clear message", kPair, PlayGame,
        [&bar](GameHarness& h) {
          return Then(ClearThePair(),
                      {LeaveWindow().After(1000), Wait(0).Shows("CONTINUE", 1000), bar.Look(),
                       PressZone("CONTINUE").After(10000), bar.StoodStillInThePause(h).After(500),
                       Press(kOffX, kOffY), LeaveGame().After(300)});
        }},
       {"in-game help, ended by its minute", kSpread, PlayGame,
        [&bar](GameHarness& h) -> Script {
          return {Wait(0).Shows("GAME_LOOP", 600), Key(kKeyF1), LeaveWindow().After(1000),
                  bar.Look(), bar.StoodStillInThePause(h).After(61000), Press(kOffX, kOffY),
                  LeaveGame().After(300)};
        }},
       {"the game's first moments", kSpread, PlayGame,
        [&bar](GameHarness& h) -> Script {
          return {LeaveWindow().After(100), bar.Look(), bar.StoodStillInThePause(h).After(3000),
                  Press(kOffX, kOffY), LeaveGame().After(300)};
        }},
       {"the menus, before the game began", kSpread,
        [] {
          QueueWindowLeft();
          iGameLoop();
        },
        [](GameHarness& h) {
          return Then({Wait(0).Shows("GAME_LOOP", 600)},
                      Then(GameGoesOn(), {Do([&h] {
                                            EXPECT_EQ(h.CountInTrace("vPauseGame()\n"), 0);
                                          }),
                                          LeaveGame()}));
        }},
       {"pause", kSpread, PlayGame,
        [](GameHarness& h) {
          return Then({Wait(0).Shows("GAME_LOOP", 600), Key('p'), LeaveWindow().After(1000),
                       Key('p').After(1000)},
                      Then(GameGoesOn(), {Do([&h] {
                                            EXPECT_EQ(h.CountInTrace("vPauseGame()\n"), 1);
                                          }),
                                          LeaveGame()}));
        }},
       {"Escape's box", kSpread, PlayGame,
        [](GameHarness& h) {
          return Then({Wait(0).Shows("GAME_LOOP", 600), Escape().Shows("NO"), LeaveWindow(),
                       PressZone("NO").After(1000)},
                      Then(GameGoesOn(), {Do([&h] {
                                            EXPECT_EQ(h.CountInTrace("vPauseGame()\n"), 0);
                                          }),
                                          LeaveGame()}));
        }}},
      120000);
}

// The time bar takes no tick while a level-end message shows (the level clear's bonus only adds).
TEST(LeftoverInput, TheBarStandsStillWhileALevelEndMessageShows) {
  Bar bar;
  const auto stillFrom = [&bar](uint32_t ms) {
    return Do([&bar] { EXPECT_EQ(gs.iTimeTicks, bar.ticks) << "the bar ran"; }).After(ms);
  };
  PlayRows({{"no-more-moves message", kSpread, PlayGame,
             [&](GameHarness&) -> Script {
               return {Wait(0).Shows("GAME_LOOP", 600), Do(LeaveADeadEnd), bar.Look().After(100),
                       stillFrom(3800), LeaveGame().After(500)};
             }},
            {"level-clear message", kPair, PlayGame,
             [&](GameHarness&) {
               return Then(ClearThePair(), {bar.Look().After(2000), stillFrom(2900),
                                            Wait(0).Shows("CONTINUE"), PressZone("CONTINUE"),
                                            LeaveGame().After(300)});
             }}},
           30000);
}
}  // namespace
