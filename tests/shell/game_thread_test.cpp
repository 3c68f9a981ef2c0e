// The game thread's flow of screens on the virtual clock: what carries from one game to the next,
// the untouched title and help taking turns, and the main thread's shutdown ending it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game_harness.h"
#include "player_script.h"
#include "platform/clock.h"
#include "play/game_state.h"
#include "shell/shell.h"
#include "screens/mouse_zones.h"

namespace {
const std::vector<TileAt> kPair = {{4, 4, 0}, {10, 4, 0}};

// The difficulty chosen before one game still holds in the next, and a window closed during the
// choice leaves it as it was while the game still starts and ends at once.
TEST(TopLevelFlow, DifficultySurvivesIntoTheNextGame) {
  GameHarness h;
  WritePattern(0, kPair);
  ASSERT_TRUE(h.StartVideo());
  int32_t difficultyInSecondChoice = -1;
  const Step toTheChoice[] = {Press(500, 700).Shows("NEWGAME"), PressZone("NEWGAME").Shows("HARD")};
  PlayScript(h, [] { thrMainGameLoop(nullptr); },
             {Wait(0).Shows("TITLE_SCREEN"), toTheChoice[0], toTheChoice[1],
              PressZone("HARD").Shows("GAME_LOOP"), Do([] { EXPECT_EQ(gs.iDifficulty, 2); }),
              Escape().Shows("YES"), PressZone("YES").Shows("TITLE_SCREEN"), toTheChoice[0],
              toTheChoice[1], Do([&] {
                difficultyInSecondChoice = gs.iDifficulty;
                gs.bShutdown = 1;  // as when the window closes
              })},
             120000);
  EXPECT_EQ(difficultyInSecondChoice, 2);
  EXPECT_EQ(gs.iDifficulty, 2);
  EXPECT_EQ(h.CountInTrace("iGameLoop() ------------>> ENTERING GAME LOOP\n"), 2);
  EXPECT_EQ(h.CountInTrace("GAME OVER\n"), 1);
}

TEST(TopLevelFlow, UntouchedTitleAndHelpTakeTurns) {
  GameHarness h;
  ASSERT_TRUE(h.StartVideo());
  const uint32_t start = timeGetTime();
  const std::string timedOut = "thrMainGameLoop() Title timed out, going to game help\n";
  struct Check {
    uint32_t at;
    int timeouts, helps;
  };
  const std::vector<Check> checks = {{9990, 0, 0},   {10010, 1, 1}, {69990, 1, 1},
                                     {70010, 1, 1},  {79990, 1, 1}, {80010, 2, 2}};
  size_t next = 0;
  h.RunGameThread(
      [&](uint32_t now) {
        if (next < checks.size() && now - start >= checks[next].at) {
          EXPECT_EQ(h.CountInTrace(timedOut), checks[next].timeouts) << checks[next].at;
          EXPECT_EQ(h.CountInTrace("iGameHelp()\n"), checks[next].helps) << checks[next].at;
          ++next;
        }
        if (next == checks.size()) gs.bShutdown = 1;
        return true;
      },
      200000);
  EXPECT_EQ(next, checks.size());
  EXPECT_FALSE(h.timedOut);
}

// The main thread's shutdown ends the game thread at its next pass, through its game over.
TEST(TopLevelFlow, AShutdownEndsTheGameThreadAtItsNextPass) {
  GameHarness h;
  ASSERT_TRUE(h.StartVideo());
  uint32_t returnedAt = 0;
  const auto at = PlayScript(h,
                             [&] {
                               thrMainGameLoop(nullptr);
                               returnedAt = timeGetTime();
                             },
                             {Do([] { gs.bShutdown = 1; }).After(400)});
  EXPECT_LE(returnedAt - at[0], 2u);
  EXPECT_EQ(h.CountInTrace("GAME OVER\n"), 1);
}
}  // namespace
