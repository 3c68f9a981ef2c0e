// Dealing on the game's own board: pattern files taken in order and checked, the list's wrap,
// the trace lines, and a mouse zone for every tile.
#include <gtest/gtest.h>

#include <algorithm>

#include "play/deal.h"
#include "play/game_state.h"
#include "board_test_support.h"
#include "diag/debug_log.h"
#include "platform/virtual_clock.h"
#include "screens/mouse_zones.h"

namespace {

class Deal : public ::testing::Test {
 protected:
  void SetUp() override { Reset(); }
  void TearDown() override { vSetDebugTrace(false); }
  void Reset(uint32_t seed = 1) {
    vResetGameState();
    gMouseZones.Clear();
    VirtualClockSet(1000);
    vSeedDealRandom(seed);
  }
  int Tiles() { return static_cast<int>(std::count_if(Board, Board + kBoardCells, [](int v) { return v; })); }
  bool Logged(const std::string& text) { return ReadWholeFile("debug.txt").find(text) != std::string::npos; }
  ScopedTempCwd cwd;
};

TEST_F(Deal, BrokenPatternsAreSkippedWithTheirOwnLogLine) {
  WriteLevel(0, FlatLayout());
  std::string level = ReadWholeFile("content/levels/level0.dat");
  level[400] = '\x02';
  WriteWholeFile("content/levels/level0.dat", level);
  WriteLevel(1, {{27, 3, 0}, {0, 0, 0}});
  WriteLevel(2, {{4, 4, 0}, {5, 5, 0}});
  WriteLevel(3, {{4, 4, 0}, {8, 4, 0}, {12, 4, 0}});
  WriteWholeFile("content/levels/level4.dat", std::string(8960, '\x5a'));
  WriteLevel(5, {{0, 0, 0}}, 3);
  WriteLevel(6, {{10, 10, 0}, {10, 10, 1}});  // can never be taken apart
  WriteLevel(7, FlatLayout(), 4 * 84 + 2);    // short, holding the first row only
  vSetDebugTrace(true);
  vLoadNextLevel();
  EXPECT_EQ(gs.iLevelFile, 8);
  EXPECT_EQ(Tiles(), 8);
  for (const char* problem : {"0.dat: a cell holds a value other than 0 or 1",
                              "1.dat: a tile lies in column 27 or row 15",
                              "2.dat: two tiles of one layer overlap", "3.dat: an odd number",
                              "4.dat: a cell holds", "5.dat: an odd number"}) {
    EXPECT_TRUE(Logged(std::string("() ** INVALID PATTERN content\\levels\\level") + problem)) << problem;
  }
  EXPECT_TRUE(Logged("level6.dat COULD NOT BE DEALT"));
}

// An empty pattern ends the list: the next deal is file 0 again, and a list that comes back to
// file 0 without a pattern it can deal gives up instead of going round for ever.
TEST_F(Deal, EmptyPatternStartsTheListAgainFromTheFirstFile) {
  WriteLevel(0, {{2, 2, 0}, {6, 2, 0}});
  WriteLevel(1, {});
  WriteLevel(2, FlatLayout());
  vSetDebugTrace(true);
  vLoadNextLevel();
  vLoadNextLevel();
  EXPECT_TRUE(Logged("vLoadNextLevel() ** NO TILES FOUND IN PATTERN\n"));
  EXPECT_EQ(gs.iLevelFile, 1);
  EXPECT_EQ(Tiles(), 2);
  EXPECT_EQ(gs.bNoPlayableLevel, 0);

  WriteLevel(0, {});
  gs.iLevelFile = 0;
  vLoadNextLevel();
  EXPECT_EQ(gs.bNoPlayableLevel, 1);
  EXPECT_EQ(Tiles(), 0);
}

TEST_F(Deal, ListWrapsToTheFirstFileAfterTheLast) {
  for (int n = 0; n < 3; ++n) WriteLevel(n, {{2 * n, 0, 0}, {2 * n + 4, 8, 0}});
  vSetDebugTrace(true);
  for (int n = 0; n < 3; ++n) vLoadNextLevel();
  EXPECT_EQ(gs.iLevelFile, 3);
  EXPECT_FALSE(Logged("circle back"));
  vLoadNextLevel();
  EXPECT_EQ(gs.iLevelFile, 1);
  EXPECT_NE(Board[0], 0);
  std::string log = ReadWholeFile("debug.txt");
  size_t wrap = log.find("vLoadNextLevel() No more levels, circle back to 0\n"
                         "vLoadNextLevel() Loading content\\levels\\level0.dat\n"
                         "vLoadNextLevel() Pattern loaded\n"
                         "vLoadNextLevel() Found 2 tiles in level 0\n");
  EXPECT_NE(log.find("vLoadNextLevel() Populated 2 tiles\n", wrap), std::string::npos);
}

TEST_F(Deal, EveryTileGetsOneZoneWhereItIsDrawnAndPlayStateIsCleared) {
  WriteLevel(0, {{0, 0, 0}, {2, 1, 1}});
  gs.iSelectedCount = gs.bHintShown = gs.bLeftButtonDown = 1;
  gs.iBlockedCell = gs.aiSelectedCell[0] = 7;
  vLoadNextLevel();
  EXPECT_EQ(gs.iSelectedCount + gs.bHintShown + gs.bLeftButtonDown, 0);
  EXPECT_EQ(gs.aiSelectedCell[0] + gs.iBlockedCell, -2);
  char name[kZoneNameSize];
  auto hit = [&](int x, int y) {
    return gMouseZones.HitTest(x, y, name, true, false) ? std::string(name) : "";
  };
  const std::string upper = std::to_string(Cell({2, 1, 1}));
  EXPECT_EQ(hit(80, 112) + hit(152, 200), "00");
  EXPECT_EQ(hit(153, 142) + hit(225, 230), upper + upper);
  EXPECT_EQ(hit(79, 112) + hit(226, 230), "");
  EXPECT_EQ(gMouseZones.Count(), 2);
}

TEST_F(Deal, NoPlayablePatternGivesUpWithAnEmptyBoard) {
  vSetDebugTrace(true);
  vLoadNextLevel();  // no file at all
  EXPECT_EQ(gs.bNoPlayableLevel, 1);
  EXPECT_TRUE(Logged("NO PLAYABLE PATTERN"));
  for (int n = 0; n < 3; ++n) WriteLevel(n, {{10, 10, 0}, {10, 10, 1}});
  WriteLevel(4, FlatLayout());  // beyond the gap: not in the list
  for (int start : {0, 2}) {
    Reset();
    gs.iLevelFile = start;
    vLoadNextLevel();
    EXPECT_EQ(gs.bNoPlayableLevel, 1);
    EXPECT_EQ(Tiles() + gMouseZones.Count(), 0);
  }
}

}  // namespace
