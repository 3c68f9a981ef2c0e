// A long run of the whole game, headless on the virtual clock, through the game thread's real
// flow: a player who clicks fast plays each deal's own solution through the tile zones, level
// after level, with the music pumped and the trace on. On some levels the player first looks for
// an order of moves that runs into a dead end and plays that, so the same pattern is dealt again.
// Every level must be cleared, the counts in the trace must agree, and memory must stay flat.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "audio/music.h"
#include "play/board.h"
#include "play/game_state.h"
#include "play/selection.h"
#include "hardening_support.h"
#include "platform/clock.h"
#include "platform/virtual_clock.h"
#include "game_harness.h"

namespace {
// Under a sanitizer the same run takes several times longer, under ThreadSanitizer many times.
constexpr int kLevelsToClear = kThreadSanitizedBuild ? 12 : kSanitizedBuild ? 60 : 200;
constexpr int kEarlyMark = kLevelsToClear >= 40 ? 20 : kLevelsToClear / 2;
constexpr size_t kAllowedRssGrowth = 2u << 20;
constexpr size_t kAllowedHeapGrowth = 256u << 10;
// Every few levels the player tries to run into a dead end first.
constexpr int kDeadEndEvery = 4;
constexpr int kHintEvery = 10;
constexpr int kPlayouts = 60;

// The in-game click guard is 125 ms; the player clicks as soon as it has passed.
constexpr uint32_t kClickPaceMs = 125;
// How far the clock jumps on each pass of the level-end sequences (their lengths are fixed).
constexpr uint32_t kLevelClearStepMs = 99;
constexpr uint32_t kNoMoreMovesStepMs = 99;
constexpr uint32_t kContinueGuardMs = 260;
constexpr uint32_t kNewDealPauseMs = 130;

const char* const kCountLines[] = {"TOTAL COUNT && AUTO COUNT NOT EQUAL", "ODD # OF TILES",
                                   "COULD NOT BE DEALT", "NO PLAYABLE PATTERN"};

// The player. Called after every Sleep of the game thread.
class SoakPlayer {
 public:
  explicit SoakPlayer(GameHarness& h) : h_(h), rng_(20240611u) {}

  bool Step(uint32_t now) {
    if (h_.Busy()) return true;
    vPumpMusic();  // what the main thread's loop does on every pass
    if (!inGame_) return Menus(now);
    if (ZonePresent("CONTINUE")) return OnLevelCleared();
    int tiles = TilesOnBoard();
    if (tiles == 0) {
      VirtualClockAdvance(kLevelClearStepMs);  // the level-clear bonus counts up
      return true;
    }
    if (tiles > lastTiles_) OnNewDeal(tiles);
    lastTiles_ = tiles;
    if (clicks_.empty()) return WhileNoMove();
    return ClickNext();
  }

  // Reads the trace, counts what matters and empties it, so that it never grows large.
  void ScanTrace() {
    std::string trace = ReadWholeFile("debug.txt");
    for (const char* line : kCountLines) badLines += Occurrences(trace, line);
    noMoreMovesLogged += Occurrences(trace, "vNoMoreMoves() END\n");
    levelClearsLogged += Occurrences(trace, "vLevelClear() END\n");
    hintsLogged += Occurrences(trace, "vGiveHint() Found Hint at");
    if (FILE* f = std::fopen("debug.txt", "w")) std::fclose(f);
  }

  int clears = 0, deadEnds = 0, redeals = 0, hintsPressed = 0;
  int badLines = 0, noMoreMovesLogged = 0, levelClearsLogged = 0, hintsLogged = 0;
  int32_t lowestTicks = kFullTimeTicks;
  size_t rssEarly = 0, rssLate = 0, heapEarly = 0, heapLate = 0;
  std::vector<std::string> problems;

 private:
  // Title, main menu, difficulty: each answered once its zone is past the screen's guard.
  bool Menus(uint32_t now) {
    static const char* const kSteps[] = {"TITLE_SCREEN", "NEWGAME", "EASY"};
    if (!h_.ZoneReady(kSteps[menuStep_], now)) return true;
    h_.PressZone(kSteps[menuStep_]);
    inGame_ = ++menuStep_ == 3;
    return true;
  }

  bool Fail(const std::string& what) {
    problems.push_back(what + " (after " + std::to_string(clears) + " levels)");
    gs.bShutdown = 1;
    return false;
  }

  bool OnLevelCleared() {
    if (!inContinue_) {
      inContinue_ = true;
      ++clears;
      if (!clicks_.empty()) problems.push_back("a level ended before its moves were played");
      if (gs.iLevel != clears + 1) return Fail("the level number did not follow the clears");
      ScanTrace();
      if (clears == kEarlyMark) TakeMemory(rssEarly, heapEarly);
      if (clears == kLevelsToClear) {
        TakeMemory(rssLate, heapLate);
        gs.bShutdown = 1;  // enough: the window closes
        return false;
      }
    }
    VirtualClockAdvance(kContinueGuardMs);
    h_.Press(512, 384, false, 3);
    return true;
  }

  static void TakeMemory(size_t& rss, size_t& heap) {
    rss = ResidentBytes();
    heap = HeapInUseBytes();
  }

  void OnNewDeal(int tiles) {
    inContinue_ = false;
    VirtualClockAdvance(kNewDealPauseMs);  // a game's first deal comes with a longer guard
    ScanTrace();
    lowestTicks = std::min(lowestTicks, gs.iTimeTicks);
    if (afterDeadEnd_) {
      afterDeadEnd_ = false;
      ++redeals;
      if (gs.iLevel != levelAtDeadEnd_ || gs.iScore != scoreAtDeadEnd_ ||
          gs.iLevelFile != fileAtDeadEnd_ || tiles != tilesOfLevel_) {
        problems.push_back(
            "a dead end did not deal the same pattern again with level and score kept");
      }
      PlanSolution();
      return;
    }
    tilesOfLevel_ = tiles;
    if (clears % kHintEvery == kHintEvery / 2 && gs.iHintsLeft > 0) pressHint_ = true;
    if (clears % kDeadEndEvery == kDeadEndEvery / 2 && PlanDeadEnd()) return;
    PlanSolution();
  }

  void PlanSolution() {
    clicks_.assign(gs.aiSolution, gs.aiSolution + gs.iSolutionCount);
    next_ = 0;
    if (gs.iSolutionCount != tilesOfLevel_)
      problems.push_back("the solution does not hold every tile");
  }

  // Random orders of legal moves from the dealt board; the first that gets stuck with tiles
  // left becomes the plan. The board is left as it was.
  bool PlanDeadEnd() {
    std::copy(std::begin(Board), std::end(Board), saved_);
    bool found = false;
    for (int attempt = 0; attempt < kPlayouts && !found; ++attempt) {
      std::copy(std::begin(saved_), std::end(saved_), Board);
      clicks_.clear();
      while (PickFreePair()) {
      }
      found = TilesOnBoard() > 0;
    }
    std::copy(std::begin(saved_), std::end(saved_), Board);
    next_ = 0;
    if (!found) {
      clicks_.clear();
      return false;
    }
    ++deadEnds;
    afterDeadEnd_ = true;
    levelAtDeadEnd_ = gs.iLevel;
    scoreAtDeadEnd_ = gs.iScore + static_cast<int32_t>(clicks_.size() / 2) * 1000;
    fileAtDeadEnd_ = gs.iLevelFile;
    return true;
  }

  // Takes one random pair of free tiles with the same face off the board; false when none.
  bool PickFreePair() {
    pairs_.clear();
    free_.clear();
    for (CellIndex c = 0; c < kBoardCells; ++c) {
      if (Board[c] != 0 && !bIsTileBlocked(c, true)) free_.push_back(c);
    }
    for (size_t i = 0; i < free_.size(); ++i) {
      for (size_t j = i + 1; j < free_.size(); ++j) {
        if (Board[free_[i]] == Board[free_[j]]) pairs_.push_back({free_[i], free_[j]});
      }
    }
    if (pairs_.empty()) return false;
    auto [a, b] = pairs_[std::uniform_int_distribution<size_t>(0, pairs_.size() - 1)(rng_)];
    Board[a] = Board[b] = 0;
    clicks_.push_back(a);
    clicks_.push_back(b);
    return true;
  }

  // Nothing left to click: the no-more-moves sequence runs, or the plan failed.
  bool WhileNoMove() {
    if (bMoveAvailable())
      return Fail("the planned moves did not clear the board or reach a dead end");
    VirtualClockAdvance(kNoMoreMovesStepMs);
    return true;
  }

  bool ClickNext() {
    VirtualClockAdvance(kClickPaceMs);
    if (pressHint_) {
      pressHint_ = false;
      ++hintsPressed;
      h_.PressZone("HINT", false, 1);
      return true;
    }
    if (next_ % 2 == 0 && next_ >= 2 &&
        (Board[clicks_[next_ - 1]] != 0 || Board[clicks_[next_ - 2]] != 0)) {
      return Fail("a pair clicked through its zones was not taken");
    }
    h_.PressTile(clicks_[next_++], 1);
    if (next_ == clicks_.size()) clicks_.clear();
    return true;
  }

  GameHarness& h_;
  std::mt19937 rng_;
  bool inGame_ = false, inContinue_ = false, pressHint_ = false, afterDeadEnd_ = false;
  int menuStep_ = 0, lastTiles_ = 0, tilesOfLevel_ = 0;
  int32_t levelAtDeadEnd_ = 0, scoreAtDeadEnd_ = 0, fileAtDeadEnd_ = 0;
  std::vector<int32_t> clicks_;
  size_t next_ = 0;
  std::vector<int32_t> free_;
  std::vector<std::pair<int32_t, int32_t>> pairs_;
  int32_t saved_[kBoardCells] = {};
};
}  // namespace

TEST(Soak, HundredsOfLevelsWithDeadEndsKeepCountsAndMemoryFlat) {
  GameHarness h;
  CopyBuiltLevels();
  ASSERT_TRUE(h.StartVideo());
  bPlayTitleMusic();

  SoakPlayer player(h);
  auto wallStart = std::chrono::steady_clock::now();
  uint32_t virtualMs =
      h.RunGameThread([&](uint32_t now) { return player.Step(now); }, 6u * 60 * 60 * 1000);
  std::chrono::duration<double> wall = std::chrono::steady_clock::now() - wallStart;
  vStopMusic();
  player.ScanTrace();

  std::printf(
      "levels cleared %d, dead ends %d (dealt again %d), hints %d, virtual %.1f min, wall %.1f s\n",
      player.clears, player.deadEnds, player.redeals, player.hintsPressed, virtualMs / 60000.0,
      wall.count());
  std::printf("resident at level %d: %zu KiB, at level %d: %zu KiB; heap in use %zu -> %zu KiB\n",
              kEarlyMark, player.rssEarly >> 10, kLevelsToClear, player.rssLate >> 10,
              player.heapEarly >> 10, player.heapLate >> 10);

  EXPECT_FALSE(h.timedOut);
  for (const std::string& p : player.problems) ADD_FAILURE() << p;
  ASSERT_EQ(player.clears, kLevelsToClear);
  EXPECT_EQ(player.levelClearsLogged, kLevelsToClear);
  EXPECT_EQ(player.badLines, 0) << "the trace reports counts that disagree";
  EXPECT_GE(player.deadEnds, kSanitizedBuild ? 1 : 5);
  EXPECT_EQ(player.redeals, player.deadEnds);
  EXPECT_EQ(player.noMoreMovesLogged, player.deadEnds);
  EXPECT_EQ(player.hintsLogged, player.hintsPressed);
  EXPECT_GT(player.lowestTicks, 0);

  if (kSanitizedBuild) {
    std::printf("memory figures not judged: the sanitizer's allocator keeps freed blocks\n");
    return;
  }
  ASSERT_GT(player.rssEarly, 0u);
  EXPECT_LT(player.rssLate, player.rssEarly + kAllowedRssGrowth);
  EXPECT_LT(player.heapLate, player.heapEarly + kAllowedHeapGrowth);
}
