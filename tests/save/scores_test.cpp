#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>

#include "play/game_state.h"
#include "save/scores.h"
#include "support/temp_dir.h"
#include "util/little_endian.h"

namespace {
std::string Le32(int32_t v) {
  std::string s;
  AppendLe32(s, static_cast<uint32_t>(v));
  return s;
}

int32_t StoredBest() {
  std::string bytes = ReadWholeFile("content/levels/scr.dat");
  EXPECT_EQ(bytes.size(), 4u);
  bytes.resize(4, '\0');
  return static_cast<int32_t>(ReadLe32(bytes.data()));
}

class Scores : public ::testing::Test {
 protected:
  void SetUp() override {
    vResetGameState();
    std::memset(aHighScores, 0, sizeof aHighScores);
    std::filesystem::create_directories("content/levels");
  }
  ScopedTempCwd cwd_;
};
}  // namespace

TEST_F(Scores, MissingTableGivesTheDefaults) {
  vLoadHighScores();
  for (int i = 0; i < kHighScoreEntries; ++i) {
    EXPECT_STREQ(aHighScores[i].name, "Player");
    EXPECT_EQ(aHighScores[i].score, (10 - i) * 1000);
  }
}

TEST_F(Scores, TableNeedsTheFinalNewlineForItsLastLine) {
  WriteWholeFile("content/levels/scores.txt", "Ann\n5000\nBo\n4000\n");
  vLoadHighScores();
  EXPECT_STREQ(aHighScores[0].name, "Ann");
  EXPECT_EQ(aHighScores[0].score, 5000);
  EXPECT_STREQ(aHighScores[1].name, "Bo");
  EXPECT_EQ(aHighScores[1].score, 4000);

  aHighScores[1].score = 77;
  WriteWholeFile("content/levels/scores.txt", "Ann\n5000\nBo\n4000");
  vLoadHighScores();
  EXPECT_STREQ(aHighScores[1].name, "Bo");
  EXPECT_EQ(aHighScores[1].score, 77);  // the unterminated score line is not taken
}

TEST_F(Scores, LongNamesKeepTheirTerminatorAndLongLinesSplit) {
  std::string name(40, 'N');
  std::string longLine(600, '7');
  WriteWholeFile("content/levels/scores.txt", name + "\n  -12abc\n" + longLine + "\n1\n");
  vLoadHighScores();
  EXPECT_EQ(std::string(aHighScores[0].name), std::string(32, 'N'));
  EXPECT_EQ(aHighScores[0].score, -12);
  // A 600-character line is read as a 511-character piece and the rest: the piece is entry 1's
  // name and the rest its score, clamped rather than wrapped.
  EXPECT_EQ(std::string(aHighScores[1].name), std::string(32, '7'));
  EXPECT_EQ(aHighScores[1].score, INT32_MAX);
}

TEST_F(Scores, NoMoreThanTenEntriesAreStored) {
  std::string text;
  for (int i = 0; i < 15; ++i) (text += "P") += std::to_string(i) + "\n" + std::to_string(100 - i) + "\n";
  WriteWholeFile("content/levels/scores.txt", text);
  vLoadHighScores();
  EXPECT_STREQ(aHighScores[9].name, "P9");
  EXPECT_EQ(aHighScores[9].score, 91);
}

TEST_F(Scores, FirstStartCreatesZeroAndLaterStartsReadIt) {
  vLoadBestScore(gs.iBestScore);
  EXPECT_EQ(gs.iBestScore, 0);
  EXPECT_EQ(StoredBest(), 0);
  WriteWholeFile("content/levels/scr.dat", Le32(123456));
  vLoadBestScore(gs.iBestScore);
  EXPECT_EQ(gs.iBestScore, 123456);
}

TEST_F(Scores, SavingKeepsTheHigherScore) {
  WriteWholeFile("content/levels/scr.dat", Le32(5000));
  gs.iShownScore = 5000;  // equal rewrites
  vSaveBestScore(gs.iShownScore, gs.iBestScore);
  EXPECT_EQ(StoredBest(), 5000);
  EXPECT_EQ(gs.iBestScore, 5000);

  gs.iShownScore = 4000;  // lower leaves the file alone
  gs.iBestScore = 4000;
  vSaveBestScore(gs.iShownScore, gs.iBestScore);
  EXPECT_EQ(StoredBest(), 5000);
  EXPECT_EQ(gs.iBestScore, 4000);

  gs.iShownScore = 9000;
  vSaveBestScore(gs.iShownScore, gs.iBestScore);
  EXPECT_EQ(StoredBest(), 9000);
  EXPECT_EQ(gs.iBestScore, 9000);
}

TEST_F(Scores, UnreadableBestCountsAsZeroAtGameOver) {
  gs.iBestScore = 999999;  // stale value in memory must not decide
  gs.iShownScore = 1000;
  vSaveBestScore(gs.iShownScore, gs.iBestScore);
  EXPECT_EQ(StoredBest(), 1000);
}

TEST_F(Scores, ShortFileChangesOnlyTheBytesItHolds) {
  WriteWholeFile("content/levels/scr.dat", std::string("\x10\x27", 2));  // 10000 in two bytes
  gs.iBestScore = 0;
  vLoadBestScore(gs.iBestScore);
  EXPECT_EQ(gs.iBestScore, 10000);
}

// A child process saves ever higher scores in a loop and is killed at random moments: scr.dat
// must always hold exactly four bytes with one of the values that were saved.
TEST_F(Scores, KilledWhileSavingLeavesOldOrNewValue) {
  std::mt19937 rng(12345);
  int32_t lastSeen = 0;
  // An old value to keep: a child killed before its first save (a slow start under a
  // sanitizer) must leave it, not a missing file.
  WriteWholeFile("content/levels/scr.dat", Le32(0));
  for (int round = 0; round < 40; ++round) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int32_t score = lastSeen + 1;; ++score) {
        gs.iShownScore = score;
        vSaveBestScore(gs.iShownScore, gs.iBestScore);
      }
    }
    usleep(static_cast<useconds_t>(500 + rng() % 20000));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    int32_t stored = StoredBest();
    EXPECT_GE(stored, lastSeen) << "round " << round;
    lastSeen = stored;
  }
  EXPECT_GT(lastSeen, 0);
}

// A table the game wrote reads back as it was; a cut-short or junk file still loads as the
// reader takes it, and the next write stores all ten entries again.
TEST_F(Scores, WrittenTableReadsBackWholeAfterABrokenFile) {
  WriteWholeFile("content/levels/scores.txt", "Ann\n5000\nB\xC3\xA9\n40x\n\x01\x02junk");
  vLoadHighScores();
  EXPECT_STREQ(aHighScores[1].name, "B\xC3\xA9");
  EXPECT_EQ(aHighScores[1].score, 40);
  std::snprintf(aHighScores[9].name, sizeof aHighScores[9].name, "%s", std::string(32, 'Z').c_str());
  aHighScores[9].score = INT32_MIN;
  ASSERT_TRUE(bSaveHighScores());
  HighScoreEntry saved[kHighScoreEntries];
  std::memcpy(saved, aHighScores, sizeof saved);
  std::memset(aHighScores, 0x55, sizeof aHighScores);
  vLoadHighScores();
  for (int i = 0; i < kHighScoreEntries; ++i) {
    EXPECT_STREQ(aHighScores[i].name, saved[i].name) << i;
    EXPECT_EQ(aHighScores[i].score, saved[i].score) << i;
  }
  std::string text = ScoreTableText();
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 20);
}

// As for the best score: a writer killed at random moments leaves the old table or the new one,
// always whole.
TEST_F(Scores, KilledWhileSavingTheTableLeavesAWholeTable) {
  std::mt19937 rng(6789);
  vLoadHighScores();
  for (HighScoreEntry& e : aHighScores) e.score = 0;  // every table written has equal scores
  ASSERT_TRUE(bSaveHighScores());
  for (int round = 0; round < 20; ++round) {
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      for (int32_t score = 1;; ++score) {
        for (HighScoreEntry& e : aHighScores) e.score = score;
        bSaveHighScores();
      }
    }
    usleep(static_cast<useconds_t>(500 + rng() % 20000));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    std::string text = ReadWholeFile("content/levels/scores.txt");
    vLoadHighScores();
    std::string again = ScoreTableText();
    EXPECT_EQ(text, again) << "round " << round;  // whole, and all ten scores from one write
    EXPECT_EQ(aHighScores[0].score, aHighScores[9].score) << "round " << round;
  }
}

TEST_F(Scores, LastEnteredNameIsKeptAndCut) {
  EXPECT_EQ(LastEnteredName(), "");
  vSaveLastEnteredName("Mei");
  EXPECT_EQ(LastEnteredName(), "Mei");
  WriteWholeFile("content/levels/lastname.txt", std::string(40, 'q') + "\nrest\n");
  EXPECT_EQ(LastEnteredName(), std::string(32, 'q'));
}
