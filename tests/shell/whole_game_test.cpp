// A whole game played headless on the virtual clock, through the game thread's real flow: title,
// menu, difficulty, a hint, a level played to its end by clicking the deal's own solution, the
// level clear, a dead end on a crafted pattern dealt again, the time running out, game over with
// the best score saved, and back to the title to quit. The rules' numbers along the way are
// checked on the rules alone (rules_tests).
#include <gtest/gtest.h>

#include <deque>
#include <map>

#include "play/game_state.h"
#include "game_harness.h"
#include "platform/clock.h"

namespace {
const std::vector<TileAt> kRow = {{2, 6, 0},  {4, 6, 0},  {6, 6, 0},  {8, 6, 0},
                                  {10, 6, 0}, {12, 6, 0}, {14, 6, 0}, {16, 6, 0}};
// A stack of two and two single tiles: removing the singles first, when all four share one face,
// leaves the stacked pair with no move.
const TileAt kStackLow{10, 6, 0}, kStackHigh{10, 6, 1}, kSingleLeft{2, 6, 0}, kSingleRight{20, 6, 0};

int TilesOnBoard() {
  int n = 0;
  for (int32_t c : Board) n += c != 0;
  return n;
}

bool DeadEndReachable() {
  const int low = CellOf(kStackLow), high = CellOf(kStackHigh);
  const int left = CellOf(kSingleLeft), right = CellOf(kSingleRight);
  return TilesOnBoard() == 4 && Board[low] && Board[high] && Board[left] &&
         Board[left] == Board[right];
}

// The next pair of the deal's solution that is still on the board.
void QueueNextSolutionPair(std::deque<int>& clicks) {
  for (int k = 0; k + 1 < gs.iSolutionCount; k += 2) {
    if (Board[gs.aiSolution[k]] != 0 && Board[gs.aiSolution[k + 1]] != 0) {
      clicks.push_back(gs.aiSolution[k]);
      clicks.push_back(gs.aiSolution[k + 1]);
      return;
    }
  }
}
}  // namespace

TEST(WholeGame, FromTitleThroughLevelsToGameOverAndQuit) {
  GameHarness h;
  WritePattern(0, kRow);
  WritePattern(1, {kStackLow, kStackHigh, kSingleLeft, kSingleRight});
  ASSERT_TRUE(h.StartVideo());

  enum Phase { kTitle, kMenu, kDifficulty, kPlay, kRunOut, kConfirm, kQuit };
  Phase phase = kTitle;
  uint32_t since = timeGetTime(), lastAction = 0;
  std::deque<int> clicks;
  bool hintChecked = false, deadEnded = false;
  int levelClears = 0, dealsOfStack = 0;
  std::vector<std::string> problems;
  auto expect = [&](bool ok, const std::string& what) {
    if (!ok) problems.push_back(what);
  };
  // True once the zone has been there for 400 ms, past any screen's click guard.
  std::map<std::string, uint32_t> seenAt;
  auto ready = [&](const char* zone, uint32_t now) {
    if (!ZonePresent(zone)) {
      seenAt.erase(zone);
      return false;
    }
    auto [it, fresh] = seenAt.try_emplace(zone, now);
    return now - it->second > 400;
  };
  auto enter = [&](Phase p, uint32_t now) {
    phase = p;
    seenAt.clear();
    since = now;
  };
  const std::string stackLoad = "vLoadNextLevel() Loading content\\levels\\level1.dat\n";

  auto play = [&](uint32_t now) {
    if (ZonePresent("CONTINUE")) {
      if (!ready("CONTINUE", now)) return;
      ++levelClears;
      h.PressZone("CONTINUE");
      enter(kPlay, now);
      return;
    }
    if (!ready("GAME_LOOP", now) || TilesOnBoard() == 0 || now - lastAction < 200) return;
    since = now;
    lastAction = now;
    if (!hintChecked) {
      hintChecked = true;
      h.PressZone("HINT");
      return;
    }
    if (clicks.empty() && DeadEndReachable() && !deadEnded) {
      deadEnded = true;
      dealsOfStack = h.CountInTrace(stackLoad);
      clicks = {CellOf(kSingleLeft), CellOf(kSingleRight)};
    }
    if (deadEnded && clicks.empty()) {
      enter(kRunOut, now);  // from now on the player waits for the time to run out
      return;
    }
    if (clicks.empty()) QueueNextSolutionPair(clicks);
    if (clicks.empty()) return;
    h.PressTile(clicks.front());
    clicks.pop_front();
  };

  h.RunGameThread(
      [&](uint32_t now) {
        if (h.Busy()) return true;
        switch (phase) {
          case kTitle:
            if (ready("TITLE_SCREEN", now)) {
              h.Press(500, 700);
              enter(kMenu, now);
            }
            break;
          case kMenu:
            if (ready("NEWGAME", now)) {
              h.PressZone("NEWGAME");
              enter(kDifficulty, now);
            }
            break;
          case kDifficulty:
            if (ready("HARD", now)) {
              h.PressZone("HARD");
              enter(kPlay, now);
            }
            break;
          case kPlay:
            play(now);
            break;
          case kRunOut:
            if (ready("NAME_OK", now)) {
              h.PressZone("NAME_OK");  // the score enters the table under the offered name
            } else if (ready("SCORE_TABLE", now)) {
              h.Press(500, 300);
            } else if (ZonePresent("TITLE_SCREEN") && !ZonePresent("GAME_LOOP")) {
              expect(h.CountInTrace(stackLoad) == dealsOfStack + 1, "a dead end deals the pattern again");
              enter(kConfirm, now);
            }
            break;
          case kConfirm:
            if (now - since > 400) {
              h.PressEscape();
              enter(kQuit, now);
            }
            break;
          case kQuit:
            if (ready("YES", now)) {
              h.PressZone("YES");
              return false;
            }
            break;
        }
        return true;
      },
      40 * 60 * 1000);

  EXPECT_FALSE(h.timedOut) << "stuck in phase " << phase;
  for (const std::string& p : problems) ADD_FAILURE() << p;
  EXPECT_GE(levelClears, 1);
  EXPECT_TRUE(deadEnded);
  EXPECT_EQ(gs.bQuitGame.load(), 1);
  EXPECT_EQ(gs.iTimeTicks, 0);

  // The best score was saved at game over.
  EXPECT_EQ(StoredBest(), gs.iScore);
  EXPECT_EQ(gs.iBestScore, gs.iScore);

  EXPECT_EQ(h.CountInTrace("GAME BEGIN\n"), 1);
  EXPECT_EQ(h.CountInTrace("thrMainGameLoop() New game, choose difficulty\n"), 1);
  EXPECT_EQ(h.CountInTrace("iGameLoop() ------------>> ENTERING GAME LOOP\n"), 1);
  EXPECT_EQ(h.CountInTrace("vLevelClear() END\n"), levelClears);
  EXPECT_EQ(h.CountInTrace("vNoMoreMoves() END\n"), 1);
  EXPECT_EQ(h.CountInTrace("vGiveHint() Found Hint at"), 1);
  EXPECT_EQ(h.CountInTrace("GAME OVER\n"), 1);
}
