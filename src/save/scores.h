#pragma once
// The saved data beside the level patterns: the best score in "content\levels\scr.dat" (one
// little-endian 32-bit integer) and a read-only table of ten names and scores in
// "content\levels\scores.txt" (a name line and a score line per entry).
#include <cstdint>

constexpr int kHighScoreEntries = 10;
constexpr int kHighScoreNameChars = 32;

struct HighScoreEntry {
  char name[kHighScoreNameChars + 1];  // 32 visible characters and the terminator
  int32_t score;
};

extern HighScoreEntry aHighScores[kHighScoreEntries];

extern const char* const kBestScorePath;
extern const char* const kScoreTablePath;

// Fills the table from scores.txt, or with "Player" and 10000 down to 1000 when there is none.
void vLoadHighScores();

// Reads the stored best score into iBestScore, or creates scr.dat with its current value when
// there is none. A scr.dat that exists but cannot be read is left untouched.
void vLoadBestScore(int32_t& iBestScore);

// At game over: stores the displayed score, and makes it the best, when it is at least the
// stored best (no file counts as 0). Skipped when scr.dat exists but cannot be read.
void vSaveBestScore(int32_t iShownScore, int32_t& iBestScore);
