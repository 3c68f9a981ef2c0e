// What makes the fuzz targets worth running: a failed check stops the process with its text,
// each input is judged on its own (so a finding reproduces from its file alone), the game's
// files go to a private folder that disappears with the process, and the seeds reach the cases
// they were written for.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <set>

#include "play/deal.h"
#include "play/game_state.h"
#include "content/catalogue.h"
#include "corpus_files.h"
#include "fuzz_support.h"
#include "fuzz_targets.h"
#include "gfx/game_resources.h"
#include "platform/files.h"
#include "save/scores.h"
#include "support/temp_dir.h"

namespace fuzzreplay {
namespace {
using Body = int (*)(const uint8_t*, size_t);

template <typename T>
void vAppend(std::string& out, const T& value) {
  out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

std::string PatternState() {
  std::string s;
  vAppend(s, Board);
  vAppend(s, DealtBoard);
  vAppend(s, gs.aiSolution);
  vAppend(s, gs.iSolutionCount);
  return s;
}

std::string ScoreTableState() {
  std::string s;
  vAppend(s, aHighScores);
  return s;
}

std::string BestScoreState() {
  std::string s;
  vAppend(s, gs.iBestScore);
  vAppend(s, gs.iShownScore);
  return s;
}

std::string ContentState() {
  std::string s;
  vAppend(s, gCatalogue.count);
  for (int i = 0; i < gCatalogue.count; ++i) vAppend(s, gCatalogue.entries[i]);
  for (const Sprite* sprite : {&gResources.gameScreen, &gResources.title, &gResources.shadow,
                               &gResources.tiles[3], &gResources.digits[1]}) {
    vAppend(s, sprite->width);
    vAppend(s, sprite->height);
    size_t bytes = size_t(sprite->width) * size_t(sprite->height) * size_t(sprite->depth / 8);
    if (sprite->pixels) s.append(reinterpret_cast<const char*>(sprite->pixels), bytes);
  }
  return s;
}

// Runs the seeds forwards and then backwards: each must leave the same state both times.
int iSameStateEitherOrder(Body body, std::string (*state)(), const char* target) {
  std::vector<std::string> inputs;
  for (const fs::path& seed : Seeds(target)) inputs.push_back(Bytes(seed));
  std::vector<std::string> forward, backward(inputs.size());
  for (const std::string& input : inputs) {
    body(Data(input), input.size());
    forward.push_back(state());
  }
  for (size_t i = inputs.size(); i-- > 0;) {
    body(Data(inputs[i]), inputs[i].size());
    backward[i] = state();
  }
  return !inputs.empty() && forward == backward ? 0 : 1;
}

TEST(FuzzHarnessTest, AFailedCheckStopsTheProcessWithItsText) {
  EXPECT_DEATH(FUZZ_CHECK(2 + 2 == 5), "FUZZ FAULT at .*harness_test.cpp:[0-9]+: 2 \\+ 2 == 5");
}

TEST(FuzzHarnessTest, EachInputIsJudgedOnItsOwn) {
  // In child processes: the targets set up global state of their own.
  EXPECT_EXIT(std::exit(iSameStateEitherOrder(FuzzPatternFile, PatternState, "pattern")),
              ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(std::exit(iSameStateEitherOrder(FuzzScoreTable, ScoreTableState, "scores")),
              ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(std::exit(iSameStateEitherOrder(FuzzBestScore, BestScoreState, "best_score")),
              ::testing::ExitedWithCode(0), "");
  EXPECT_EXIT(std::exit(iSameStateEitherOrder(FuzzContentArchive, ContentState, "content")),
              ::testing::ExitedWithCode(0), "");
}

// Runs one seed of every target from `caller` with TMPDIR at `scratch`; 0 when the working
// folder is the caller's again afterwards.
int iRunAllFromFolder(const std::string& caller, const std::string& scratch) {
  setenv("TMPDIR", scratch.c_str(), 1);
  if (chdir(caller.c_str()) != 0) return 2;
  for (auto [target, body] : {std::pair<const char*, Body>{"pcx", FuzzPcxFile},
                              {"pattern", FuzzPatternFile}, {"scores", FuzzScoreTable},
                              {"best_score", FuzzBestScore}, {"content", FuzzContentArchive}}) {
    std::string input = Bytes(Seeds(target).at(0));
    body(Data(input), input.size());
    if (fs::current_path() != caller) return 1;
  }
  return 0;
}

TEST(FuzzHarnessTest, GameFilesGoToAPrivateFolderRemovedAtExit) {
  ScopedTempCwd cwd;
  fs::create_directory("caller");
  fs::create_directory("scratch");
  const std::string caller = fs::absolute("caller"), scratch = fs::absolute("scratch");
  EXPECT_EXIT(std::exit(iRunAllFromFolder(caller, scratch)), ::testing::ExitedWithCode(0), "");
  EXPECT_TRUE(fs::is_empty(caller));
  EXPECT_TRUE(fs::is_empty(scratch));
}

TEST(FuzzSeedsTest, PatternSeedsMeetEveryVerdict) {
  ScopedTempCwd cwd;
  std::set<PatternProblem> verdicts;
  for (const fs::path& seed : Seeds("pattern")) {
    WriteWholeFile("content/levels/level0.dat", Bytes(seed));
    vLoadPattern("content\\levels\\level0.dat");
    verdicts.insert(iCheckPattern(Board));
  }
  EXPECT_EQ(verdicts, (std::set<PatternProblem>{kPatternOk, kPatternEmpty, kPatternBadValue,
                                                kPatternOutOfBounds, kPatternOverlap,
                                                kPatternOddCount}));
}

TEST(FuzzSeedsTest, SeedsMeetEveryFileSituation) {
  std::set<int> kinds, flags;
  for (const fs::path& seed : Seeds("best_score")) kinds.insert(Bytes(seed).at(0) % 3);
  for (const fs::path& seed : Seeds("content")) flags.insert(Bytes(seed).at(0) & 7);
  EXPECT_EQ(kinds, (std::set<int>{0, 1, 2}));  // present, missing, a folder in its place
  EXPECT_EQ(flags, (std::set<int>{0, 1, 2, 4}));  // all there; no index, no pack, temp blocked
  size_t longestLine = 0;
  bool bNoFinalNewline = false, bOverTen = false;
  for (const fs::path& seed : Seeds("scores")) {
    std::string text = Bytes(seed);
    size_t run = 0;
    for (char c : text) longestLine = std::max(longestLine, run = c == '\n' ? 0 : run + 1);
    bNoFinalNewline |= !text.empty() && text.back() != '\n';
    bOverTen |= std::count(text.begin(), text.end(), '\n') > 2 * kHighScoreEntries;
  }
  EXPECT_GT(longestLine, 511u);  // read in pieces
  EXPECT_TRUE(bNoFinalNewline);
  EXPECT_TRUE(bOverTen);
}
}  // namespace
}  // namespace fuzzreplay
