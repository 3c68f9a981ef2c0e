// Tests src/play/screen_loop.cpp (the end on shutdown).
// When the main thread shuts down, every screen of the game thread returns at its next pass, so
// that the main thread's wait for the game thread always ends.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "play/game_state.h"
#include "play/level_end.h"
#include "game_harness.h"
#include "platform/clock.h"
#include "play/game_loop.h"
#include "screens/mouse_zones.h"
#include "play/menus.h"

namespace {
int32_t gResult = 0;

struct ShutdownCase {
  const char* name;
  std::function<void()> prepare;  // before the screen starts
  std::function<void()> screen;
  std::function<void(GameHarness&)> check;  // after it returned
};

void PrintTo(const ShutdownCase& c, std::ostream* os) { *os << c.name; }

void vAddTitleZone() { gMouseZones.Add("TITLE_SCREEN", 0, 0, 1024, 768, kZoneEither); }
void vNothing() {}

const ShutdownCase kCases[] = {
    {"Title", vNothing, [] { gResult = iTitleScreen(); },
     [](GameHarness&) { EXPECT_EQ(gResult, 0); }},
    {"MainMenu", vAddTitleZone, [] { gResult = static_cast<int32_t>(iMainMenu()); },
     [](GameHarness&) { EXPECT_EQ(gResult, static_cast<int32_t>(MainMenuChoice::kQuit)); }},
    {"Difficulty", [] { gs.iDifficulty = 1; }, [] { bChooseDifficulty(); },
     [](GameHarness&) { EXPECT_EQ(gs.iDifficulty, 1); }},
    {"Help", vAddTitleZone, [] { gResult = iGameHelp(); },
     [](GameHarness& h) { EXPECT_EQ(h.CountInTrace("iGameHelp()\n"), 1); }},
    {"QuitConfirmation", vAddTitleZone, [] { gResult = bAreYouSure() ? 1 : 0; },
     [](GameHarness&) {
       EXPECT_EQ(gResult, 1);
       EXPECT_EQ(gs.bQuitGame.load(), 0);
     }},
    {"ContinuePrompt", vNothing, [] { vClickToContinue(); },
     [](GameHarness&) { EXPECT_FALSE(ZonePresent("CONTINUE")) << "the prompt's zone goes with it"; }},
    {"GameOver", vNothing, [] { vGameOverScreen(); },
     [](GameHarness&) { EXPECT_EQ(StoredBest(), 0) << "the best score is still saved"; }},
    {"GameLoop", [] { WritePattern(0, {{4, 4, 0}, {10, 4, 0}}); }, [] { gResult = iGameLoop(); },
     [](GameHarness&) { EXPECT_EQ(gResult, 1); }},
    {"NoMoreMoves", [] { gs.iLevelFile = 3; }, [] { vNoMoreMoves(); },
     [](GameHarness&) { EXPECT_EQ(gs.iLevelFile, 2); }},
    // The sequence still ends the level, having paid the bonus and part of the time bonus.
    {"LevelClear",
     [] {
       gs.iLevel = 4;
       gs.iTimeTicks = 100;
       gs.iHintsLeft = 0;
     },
     [] { vLevelClear(); },
     [](GameHarness&) {
       EXPECT_EQ(gs.iLevel, 5);
       EXPECT_EQ(gs.iScore, 50000);
       EXPECT_GT(gs.iTimeTicks, 100);
       EXPECT_EQ(gs.iHintsLeft, 1);
     }},
};

class Shutdown : public ::testing::TestWithParam<ShutdownCase> {};

TEST_P(Shutdown, EndsTheScreenAtItsNextPass) {
  GameHarness h;
  ASSERT_TRUE(h.StartVideo());
  const ShutdownCase& c = GetParam();
  c.prepare();
  const uint32_t start = timeGetTime();
  uint32_t shutAt = 0, returnedAt = 0;
  h.Run(
      [&] {
        c.screen();
        returnedAt = timeGetTime();
      },
      [&](uint32_t now) {
        if (now - start == 400) {
          gs.bShutdown = 1;
          shutAt = now;
        }
        return true;
      },
      60000);
  EXPECT_FALSE(h.timedOut);
  ASSERT_NE(shutAt, 0u);
  EXPECT_LE(returnedAt - shutAt, 2u);
  c.check(h);
}

INSTANTIATE_TEST_SUITE_P(Screens, Shutdown, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<ShutdownCase>& param) {
                           return std::string(param.param.name);
                         });
}  // namespace
