#pragma once
// The saved data beside the level patterns: the best score in "content\levels\scr.dat" (one
// little-endian 32-bit integer), the table of ten names and scores in
// "content\levels\scores.txt" (a name line and a score line per entry) and the name last
// entered in it, in "content\levels\lastname.txt".
#include <cstdint>
#include <string>

constexpr int kHighScoreEntries = 10;
constexpr int kHighScoreNameChars = 32;

struct HighScoreEntry {
  char name[kHighScoreNameChars + 1];  // 32 visible characters and the terminator
  int32_t score;
};

extern HighScoreEntry aHighScores[kHighScoreEntries];

extern const char* const kBestScorePath;
extern const char* const kScoreTablePath;
extern const char* const kLastNamePath;

// Fills the table from scores.txt, or with "Player" and 10000 down to 1000 when there is none.
void vLoadHighScores();

// The table as scores.txt holds it, ten entries of a name line and a score line.
std::string ScoreTableText();

// Writes the table to scores.txt so that a crash at any moment leaves the old or the new file.
// False when it could not be stored. Its writes, and those of the best score, record how they went
// (save/failed_saves.h).
bool bSaveHighScores();

// The name last entered in the table (its first line, at most 32 bytes), or "" when none was.
std::string LastEnteredName();
// Stores `name` as the one last entered; how the write went is recorded as the table's is.
void vSaveLastEnteredName(const char* name);

// Reads the stored best score into iBestScore, or creates scr.dat with its current value when
// there is none. A scr.dat that exists but cannot be read is left untouched.
void vLoadBestScore(int32_t& iBestScore);

// At game over: stores the displayed score, and makes it the best, when it is at least the
// stored best (no file counts as 0). Skipped when scr.dat exists but cannot be read.
void vSaveBestScore(int32_t iShownScore, int32_t& iBestScore);
