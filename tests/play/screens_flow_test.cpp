// Tests src/play/menus.cpp.
// The screens around the game, on the virtual clock: the title with its quit confirmation and
// time limit, the help screen, the main menu and the difficulty choice.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "play/game_state.h"
#include "game_harness.h"
#include "player_script.h"
#include "platform/clock.h"
#include "platform/display.h"
#include "platform/virtual_clock.h"
#include "screens/mouse_zones.h"
#include "play/game_loop.h"
#include "play/input.h"
#include "play/main_thread_asks.h"
#include "play/menus.h"
#include "play/score_screens.h"
#include "save/scores.h"
#include "shell/shell.h"

namespace {
// The pointer's moves as the game thread last asked the main thread for them, `was` when it asked
// nothing since the last look.
bool PointerMotionAsked(bool was) {
  for (const MainThreadRequest& r : TakeMainThreadRequests()) {
    if (r.kind == MainThreadRequest::Kind::kPointerMotion) was = r.on;
  }
  return was;
}
const std::vector<TileAt> kPair = {{4, 4, 0}, {10, 4, 0}};

// The title answering a player's script: what it returned, when, and when each step was done.
class TitleAnswers : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(h.StartVideo()); }
  int32_t Play(const Script& script) {
    int32_t result = 99;
    at = PlayScript(h,
                    [&] {
                      result = iTitleScreen();
                      returnedAt = timeGetTime();
                    },
                    script, 30000);
    return result;
  }
  // Escape, and NO in the box that asks: steps 0 and 1.
  static Script NoInTheBox(std::vector<Step> then) {
    Script script = {Escape().After(1000).Shows("NO"), PressZone("NO")};
    script.insert(script.end(), then.begin(), then.end());
    return script;
  }
  GameHarness h;
  uint32_t returnedAt = 0;
  std::vector<uint32_t> at;
};

TEST_F(TitleAnswers, EscapeThenYesQuits) {
  EXPECT_EQ(Play({Escape().After(1000).Shows("YES"), PressZone("YES")}), -1);
  EXPECT_EQ(gs.bQuitGame.load(), 1);
  EXPECT_FALSE(ZonePresent("YES"));
  EXPECT_FALSE(ZonePresent("NO"));
}

// NO (after a press inside the box but off its buttons) goes back to the title, which starts its
// ten seconds again rather than giving way to the help because they ran out while the box asked.
TEST_F(TitleAnswers, NoGoesBackToTheTitleWithItsWholeTime) {
  EXPECT_EQ(Play({Escape().After(8000).Shows("NO"), Press(512, 300), PressZone("NO").After(3000),
                  Do([] {
                    EXPECT_FALSE(ZonePresent("NO"));
                    EXPECT_EQ(gs.iEscapePressed.load(), 0);
                  }).After(1000)}),
            0);
  EXPECT_GE(returnedAt - at[2], 10000u) << "the title ended before its time";
  EXPECT_LE(returnedAt - at[2], 10002u);
  EXPECT_EQ(gs.bQuitGame.load(), 0);
}

// After "NO" in the confirmation the title waits 500 ms before it looks at the mouse again.
TEST_F(TitleAnswers, AfterNoTheTitleWaitsHalfASecondForPresses) {
  EXPECT_EQ(Play(NoInTheBox({Press(500, 700).After(300), Press(500, 700).After(300)})), 1);
  EXPECT_GE(returnedAt - at[1], 600u);
  EXPECT_LE(returnedAt - at[1], 601u);
}

TEST(HelpScreen, ClosesOnEscapeOrAfterAMinute) {
  GameHarness h;
  ASSERT_TRUE(h.StartVideo());
  gMouseZones.Add("TITLE_SCREEN", 0, 0, 1024, 768, kZoneEither);  // as the title leaves it

  uint32_t used = h.Run([] { iGameHelp(); }, [](uint32_t) { return true; }, 120000);
  EXPECT_FALSE(h.timedOut);
  EXPECT_EQ(used, 60000u);

  // Escape closes it too; a flag left set from before does not, since the screen clears it.
  gs.iEscapePressed = 1;
  const uint32_t start = timeGetTime();
  used = h.Run([] { iGameHelp(); },
               [&](uint32_t now) {
                 if (now - start == 1000) h.PressEscape();
                 return true;
               },
               120000);
  EXPECT_GE(used, 1000u);
  EXPECT_LE(used, 1001u);
}

// The Right arrow shows the controls as the help's second page; a key there goes back to the
// help, and Escape there too, which leaves the help up until Enter.
TEST(HelpScreen, RightShowsTheControlsAndAKeyGoesBack) {
  for (int back : {int{kKeyEnter}, int{kKeyEscape}}) {
    SCOPED_TRACE(back == kKeyEnter ? "Enter" : "Escape");
    GameHarness h;
    ASSERT_TRUE(h.StartVideo());
    const uint32_t start = timeGetTime();
    const uint32_t used = h.Run([] { iGameHelp(); },
                                [&](uint32_t now) {
                                  if (now - start == 500) QueueKey(kKeyRight);
                                  if (now - start == 1000) QueueKey(back);
                                  if (now - start == 1500) QueueKey(kKeyEnter);
                                  return true;
                                },
                                120000);
    EXPECT_EQ(h.CountInTrace("vControlsScreen()\n"), 1);
    EXPECT_GE(used, 1500u) << "the help stayed up after its second page";
    EXPECT_LE(used, 1501u);
  }
}

// A screen whose picture does not change presents its first frame and then nothing: the title
// over its whole ten seconds.
TEST(TitleScreen, AnUntouchedTitlePresentsNothingAfterItsFirstFrame) {
  GameHarness h;
  ASSERT_TRUE(h.StartVideo());
  const uint32_t start = timeGetTime();
  uint64_t presentsAtOneSecond = 0, presentsAtTheEnd = 0;
  h.Run([&] { iTitleScreen(); },
        [&](uint32_t now) {
          if (presentsAtOneSecond == 0 && now - start >= 1000) {
            presentsAtOneSecond = PlatformPresentCount();
          }
          presentsAtTheEnd = PlatformPresentCount();
          return true;
        },
        12000);
  EXPECT_FALSE(h.timedOut);
  EXPECT_GT(presentsAtOneSecond, 0u);
  EXPECT_EQ(presentsAtTheEnd, presentsAtOneSecond);
}

// An untouched screen sleeps until its time limit rather than waking every millisecond: with the
// clock jumping to each moment it asks for, the title still ends at exactly ten seconds.
TEST(TitleScreen, AnUntouchedTitleWakesRarelyAndEndsOnTime) {
  GameHarness h;
  ASSERT_TRUE(h.StartVideo());
  const uint32_t start = timeGetTime();
  uint32_t endedAt = 0;
  int wakes = 0;
  VirtualClockWholeWaits(true);
  h.Run(
      [&] {
        iTitleScreen();
        endedAt = timeGetTime();
      },
      [&](uint32_t) { return ++wakes > 0; }, 12000);
  VirtualClockWholeWaits(false);
  EXPECT_FALSE(h.timedOut);
  EXPECT_EQ(endedAt - start, 10000u);
  EXPECT_LT(wakes, 60);
}

TEST(MainMenu, PressesOffTheButtonsOrWithTheRightButtonOnlyRenewTheGuard) {
  GameHarness h;
  ASSERT_TRUE(h.StartVideo());
  gMouseZones.Add("TITLE_SCREEN", 0, 0, 1024, 768, kZoneEither);
  const uint32_t start = timeGetTime();
  MainMenuChoice result = MainMenuChoice::kQuit;
  uint32_t returnedAt = 0;
  PlayScript(h,
             [&] {
               result = iMainMenu();
               returnedAt = timeGetTime();
             },
             {Press(10, 10).After(300),                  // the title's zone
              PressZone("NEWGAME").After(100),           // within the renewed guard
              PressZone("NEWGAME", true).After(200),     // right: the title's zone
              PressZone("QUIT").After(100),              // within the renewed guard
              PressZone("HELP").After(300)});
  EXPECT_EQ(result, MainMenuChoice::kHelp);
  EXPECT_GE(returnedAt - start, 1250u) << "a choice is followed by a 250 ms pause";
  EXPECT_LE(returnedAt - start, 1251u);
  EXPECT_FALSE(ZonePresent("NEWGAME"));
  EXPECT_FALSE(ZonePresent("HELP"));
  EXPECT_FALSE(ZonePresent("QUIT"));
  EXPECT_TRUE(ZonePresent("TITLE_SCREEN"));
}

// The score table opened from the main menu closes back to the menu, as the options do.
TEST(MainMenu, TheScoreTableClosesBackToTheMenu) {
  GameHarness h;
  ASSERT_TRUE(h.StartVideo());
  PlayScript(h, [] { thrMainGameLoop(nullptr); },
             {Wait(0).Shows("TITLE_SCREEN"), Press(500, 700).Shows("SCORES"),
              PressZone("SCORES").Shows("SCORE_TABLE"), Press(10, 10).Shows("NEWGAME"),
              PressZone("QUIT")});
  EXPECT_EQ(h.CountInTrace("iGameHelp()\n"), 0);
}

// A menu lights its first button as it opens and then the button the pointer moves over; Enter
// chooses the lit one, and a pointer at rest does not take the light back from the keys.
TEST(MainMenu, EnterChoosesTheButtonLitByTheKeysOrThePointer) {
  struct Case {
    const char* pointerOver;  // nullptr: the pointer stays off the buttons
    int key;                  // pressed after the pointer moved, or 0
    MainMenuChoice chosen;
  };
  using enum MainMenuChoice;
  const Case cases[] = {{nullptr, 0, kNewGame},   {"HELP", 0, kHelp},       {"HELP", kKeyDown, kQuit},
                        {"SCORES", 0, kScores},   {"OPTIONS", 0, kOptions}, {"QUIT", kKeyUp, kHelp}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.pointerOver ? c.pointerOver : "none") + " " + std::to_string(c.key));
    GameHarness h;
    ASSERT_TRUE(h.StartVideo());
    PlatformSetPointerPosition(0, 0);
    MainMenuChoice choice = MainMenuChoice::kQuit;
    bool motionWanted = false;
    TakeMainThreadRequests();
    Script script = {Wait(0).Shows("NEWGAME"), Do([&] {
                       motionWanted = PointerMotionAsked(false);
                       int x = 0, y = 0;
                       if (c.pointerOver != nullptr && ZoneCentre(c.pointerOver, x, y)) {
                         PlatformSetPointerPosition(x, y);
                       }
                     })};
    if (c.key != 0) script.push_back(Key(c.key).After(5));
    script.push_back(Key(kKeyEnter).After(c.key != 0 ? 5 : 10));
    PlayScript(h, [&] { choice = iMainMenu(); }, script);
    EXPECT_EQ(choice, c.chosen);
    EXPECT_TRUE(motionWanted) << "the pointer's moves wake a menu";
    EXPECT_FALSE(PointerMotionAsked(motionWanted)) << "and no other screen";
  }
}

// Every screen's click guard: a press made and let go within the screen's first 250 ms is never
// seen (a press latched as the screen before it ended must not act here), and a press after it
// is taken at once. `leave` ends a screen that goes on after the press was taken.
TEST(ClickGuard, EveryScreenIgnoresAPressWithinItsGuardAndTakesOneAfterIt) {
  struct Screen {
    const char* name;
    std::function<void()> run;
    std::function<bool(GameHarness&, uint32_t holdMs)> press;
    uint32_t pauseAfterMs;  // a pause the screen makes after the press, before it returns
    std::function<void()> leave;
  };
  auto zone = [](const char* name, bool right = false) {
    return [name, right](GameHarness& h, uint32_t holdMs) { return h.PressZone(name, right, holdMs); };
  };
  const Screen screens[] = {
      {"title", [] { iTitleScreen(); }, zone("TITLE_SCREEN", true), 0, {}},
      {"are you sure", [] { bAreYouSure(); }, zone("NO"), 0, {}},
      {"main menu", [] { iMainMenu(); }, zone("NEWGAME"), 250, {}},
      {"difficulty", [] { bChooseDifficulty(); }, zone("EASY"), 250, {}},
      {"help",
       [] {
         gMouseZones.Add("TITLE_SCREEN", 0, 0, 1024, 768, kZoneEither);  // as the title leaves it
         iGameHelp();
       },
       zone("TITLE_SCREEN", true), 0, {}},
      {"click to continue", [] { vClickToContinue(); }, zone("CONTINUE"), 0, {}},
      {"name entry",
       [] {
         vLoadHighScores();
         vEnterHighScore(20000);
       },
       zone("NAME_OK"), 0, [] { gs.bShutdown = ZonePresent("SCORE_TABLE") ? 1 : 0; }},
      {"score table", [] { vHighScoreTable(-1); }, zone("SCORE_TABLE"), 0, {}},
      {"game",
       [] {
         WritePattern(0, kPair);
         iGameLoop();
       },
       [](GameHarness& h, uint32_t holdMs) {
         h.PressTile(CellOf(kPair[0]), holdMs);
         return true;
       },
       0, [] { gs.bQuitGame = gs.iSelectedCount > 0 ? 1 : 0; }},
  };
  for (const Screen& screen : screens) {
    GameHarness h;
    ASSERT_TRUE(h.StartVideo());
    const uint32_t start = timeGetTime();
    bool early = false, late = false;
    const uint32_t used = h.Run(screen.run,
                                [&](uint32_t now) {
                                  if (now - start == 100) early = screen.press(h, 50);
                                  if (now - start == 400) late = screen.press(h, 30);
                                  if (screen.leave) screen.leave();
                                  return true;
                                },
                                30000);
    EXPECT_TRUE(early && late) << screen.name;
    EXPECT_GE(used, 400u) << screen.name;
    EXPECT_LE(used, 402u + screen.pauseAfterMs) << screen.name;
  }
}
}  // namespace
