#include "save/scores.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "diag/debug_log.h"
#include "platform/files.h"
#include "save/failed_saves.h"
#include "util/little_endian.h"

HighScoreEntry aHighScores[kHighScoreEntries];

const char* const kBestScorePath = "content\\levels\\scr.dat";
const char* const kScoreTablePath = "content\\levels\\scores.txt";
const char* const kLastNamePath = "content\\levels\\lastname.txt";

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

// What reading scr.dat found. A file that exists but cannot be read (permissions, too many open
// files, an I/O error) is not a missing one: it may hold a higher best, so it is never replaced.
enum class StoredBest { kRead, kMissing, kUnreadable };

// The stored best score into `value`; `error` says why it could not be read. A short file
// changes only the bytes it holds.
StoredBest ReadStoredBest(int32_t& value, int& error) {
  errno = 0;
  FILE* f = PlatformOpen(kBestScorePath, "rb");
  if (f == nullptr) {
    error = errno;
    return error == ENOENT ? StoredBest::kMissing : StoredBest::kUnreadable;
  }
  unsigned char bytes[4];
  size_t n = std::fread(bytes, 1, sizeof bytes, f);
  error = std::ferror(f) ? (errno != 0 ? errno : EIO) : 0;
  std::fclose(f);
  if (error != 0) return StoredBest::kUnreadable;
  uint32_t v = static_cast<uint32_t>(value);
  for (size_t i = 0; i < n; ++i) {
    v = (v & ~(0xFFu << (8 * i))) | (uint32_t{bytes[i]} << (8 * i));
  }
  value = static_cast<int32_t>(v);
  return StoredBest::kRead;
}

void vTraceUnreadableBest(const char* caller, int error) {
  vDebugLog("%s() Cannot read %s (%s): left as it is, nothing saved\n", caller,
            PlatformPath(kBestScorePath).c_str(), std::strerror(error));
}

void vWriteStoredBest(int32_t value, const char* caller) {
  unsigned char bytes[4];
  WriteLe32(bytes, static_cast<uint32_t>(value));
  const bool written = PlatformWriteFileAtomic(kBestScorePath, bytes, sizeof bytes);
  vRecordSave(SavedFile::kBestScore, kBestScorePath, written, caller);
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

std::string ScoreTableText() {
  std::string text;
  for (const HighScoreEntry& e : aHighScores) {
    text.append(e.name, strnlen(e.name, kHighScoreNameChars));
    text += '\n';
    text += std::to_string(e.score);
    text += '\n';
  }
  return text;
}

bool bSaveHighScores() {
  std::string text = ScoreTableText();
  const bool written = PlatformWriteFileAtomic(kScoreTablePath, text.data(), text.size());
  vRecordSave(SavedFile::kScoreTable, kScoreTablePath, written, "bSaveHighScores");
  return written;
}

std::string LastEnteredName() {
  FILE* f = PlatformOpen(kLastNamePath, "r");
  if (f == nullptr) return "";
  char line[kLineBufferSize] = {};
  bool read = std::fgets(line, sizeof line, f) != nullptr;
  std::fclose(f);
  if (!read) return "";
  line[std::strcspn(line, "\n")] = '\0';
  return std::string(line, strnlen(line, kHighScoreNameChars));
}

void vSaveLastEnteredName(const char* name) {
  std::string text = std::string(name) + "\n";
  const bool written = PlatformWriteFileAtomic(kLastNamePath, text.data(), text.size());
  vRecordSave(SavedFile::kLastName, kLastNamePath, written, "vSaveLastEnteredName");
}

void vLoadBestScore(int32_t& iBestScore) {
  int error = 0;
  switch (ReadStoredBest(iBestScore, error)) {
    case StoredBest::kRead: return;
    case StoredBest::kMissing: vWriteStoredBest(iBestScore, "vLoadBestScore"); return;
    case StoredBest::kUnreadable: vTraceUnreadableBest("vLoadBestScore", error); return;
  }
}

void vSaveBestScore(int32_t iShownScore, int32_t& iBestScore) {
  int32_t stored = 0;  // no file yet: no best score yet
  int error = 0;
  if (ReadStoredBest(stored, error) == StoredBest::kUnreadable) {
    vTraceUnreadableBest("vSaveBestScore", error);
    return;
  }
  if (iShownScore < stored) return;
  iBestScore = iShownScore;
  vWriteStoredBest(iBestScore, "vSaveBestScore");
}
