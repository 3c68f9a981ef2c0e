#include "save/scores.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>

#include "platform/files.h"

HighScoreEntry aHighScores[kHighScoreEntries];

const char* const kBestScorePath = "content\\levels\\scr.dat";
const char* const kScoreTablePath = "content\\levels\\scores.txt";

namespace {
constexpr int kLineBufferSize = 512;

void vDefaultHighScores() {
  for (int i = 0; i < kHighScoreEntries; ++i) {
    std::snprintf(aHighScores[i].name, sizeof aHighScores[i].name, "Player");
    aHighScores[i].score = (kHighScoreEntries - i) * 1000;
  }
}

// Reads one line; false when the end of the file was reached during the read, in which case
// the line does not count (so a last line without its newline is not taken).
bool bReadLine(FILE* f, char* line) {
  if (std::fgets(line, kLineBufferSize, f) == nullptr) return false;
  return !std::feof(f);
}

// Drops the line's last character, its newline.
void vChopLast(char* line) {
  size_t length = std::strlen(line);
  if (length > 0) line[length - 1] = '\0';
}

// Leading white space, an optional sign, digits up to the first other character; 0 if none.
// Values beyond 32 bits are clamped instead of wrapping.
int32_t iParseScore(const char* text) {
  while (std::isspace(static_cast<unsigned char>(*text))) ++text;
  bool negative = *text == '-';
  if (*text == '-' || *text == '+') ++text;
  int64_t value = 0;
  while (std::isdigit(static_cast<unsigned char>(*text))) {
    value = value * 10 + (*text++ - '0');
    if (value > int64_t{INT32_MAX} + 1) break;  // far enough to know it clamps
  }
  if (negative) value = -value;
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

// The stored best score; false when scr.dat cannot be opened. A short file changes only the
// bytes it holds.
bool bReadStoredBest(int32_t& value) {
  FILE* f = PlatformOpen(kBestScorePath, "rb");
  if (f == nullptr) return false;
  unsigned char bytes[4];
  size_t n = std::fread(bytes, 1, sizeof bytes, f);
  std::fclose(f);
  uint32_t v = static_cast<uint32_t>(value);
  for (size_t i = 0; i < n; ++i) {
    v = (v & ~(0xFFu << (8 * i))) | (uint32_t{bytes[i]} << (8 * i));
  }
  value = static_cast<int32_t>(v);
  return true;
}

void vWriteStoredBest(int32_t value) {
  uint32_t v = static_cast<uint32_t>(value);
  unsigned char bytes[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                            static_cast<unsigned char>(v >> 16),
                            static_cast<unsigned char>(v >> 24)};
  PlatformWriteFileAtomic(kBestScorePath, bytes, sizeof bytes);
}
}  // namespace

void vLoadHighScores() {
  FILE* f = PlatformOpen(kScoreTablePath, "r");
  if (f == nullptr) {
    vDefaultHighScores();
    return;
  }
  char line[kLineBufferSize];
  for (int entry = 0; entry < kHighScoreEntries; ++entry) {
    if (!bReadLine(f, line)) break;
    vChopLast(line);
    HighScoreEntry& e = aHighScores[entry];
    std::memset(e.name, 0, sizeof e.name);
    std::memcpy(e.name, line, std::min(std::strlen(line), size_t{kHighScoreNameChars}));
    if (!bReadLine(f, line)) break;
    vChopLast(line);
    aHighScores[entry].score = iParseScore(line);
  }
  std::fclose(f);
}

void vLoadBestScore(int32_t& iBestScore) {
  if (bReadStoredBest(iBestScore)) return;
  vWriteStoredBest(iBestScore);
}

void vSaveBestScore(int32_t iShownScore, int32_t& iBestScore) {
  int32_t stored = 0;  // an unreadable file counts as no best score yet
  bReadStoredBest(stored);
  if (iShownScore < stored) return;
  iBestScore = iShownScore;
  vWriteStoredBest(iBestScore);
}
