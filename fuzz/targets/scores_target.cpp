// scores.txt: the bytes become the score table file, which vLoadHighScores reads line by line.
// The table it fills is compared with a model of the reading: lines as fgets cuts them from a
// 512-character buffer, the last one only taken when the read did not run into the file's end,
// names cut to 32 characters, scores read like atol and held within 32 bits.
#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "fuzz_targets.h"
#include "save/scores.h"

namespace {
constexpr size_t kMaxInput = 256 * 1024;
constexpr size_t kLineChars = 511;  // a buffer of 512 with its terminator
constexpr int32_t kUntouchedScore = 0x5EED5EED;
constexpr char kUntouchedName[] = "untouched";

// The next line as fgets hands it over; false when the read ran into the end of the file.
bool bModelLine(const uint8_t* data, size_t size, size_t& pos, std::string& line) {
  if (pos >= size) return false;
  size_t start = pos;
  bool bNewline = false;
  while (pos < size && pos - start < kLineChars && !bNewline) bNewline = data[pos++] == '\n';
  line.assign(reinterpret_cast<const char*>(data + start), pos - start);
  return bNewline || line.size() == kLineChars;  // a full buffer stops before the end is seen
}

// The text up to its first NUL, less its last character (the newline).
std::string Chopped(const std::string& line) {
  std::string text = line.substr(0, std::strlen(line.c_str()));
  if (!text.empty()) text.pop_back();
  return text;
}

int32_t ModelScore(const std::string& text) {
  long long value = std::strtoll(text.c_str(), nullptr, 10);
  return static_cast<int32_t>(std::clamp<long long>(value, INT32_MIN, INT32_MAX));
}

struct ModelEntry {
  std::string name = kUntouchedName;
  int32_t score = kUntouchedScore;
};

void vModelTable(const uint8_t* data, size_t size, ModelEntry (&table)[kHighScoreEntries]) {
  size_t pos = 0;
  std::string line;
  for (ModelEntry& entry : table) {
    if (!bModelLine(data, size, pos, line)) return;
    entry.name = Chopped(line).substr(0, kHighScoreNameChars);
    if (!bModelLine(data, size, pos, line)) return;
    entry.score = ModelScore(Chopped(line));
  }
}
}  // namespace

int FuzzScoreTable(const uint8_t* data, size_t size) {
  if (size > kMaxInput) return 0;
  FuzzWorkDirScope workDir;
  vWriteFuzzFile("content/levels/scores.txt", data, size);
  for (HighScoreEntry& e : aHighScores) {
    std::memset(e.name, 'X', sizeof e.name);  // the reader must end each name it stores itself
    std::memcpy(e.name, kUntouchedName, sizeof kUntouchedName);
    e.score = kUntouchedScore;
  }
  vLoadHighScores();

  ModelEntry model[kHighScoreEntries];
  vModelTable(data, size, model);
  for (int i = 0; i < kHighScoreEntries; ++i) {
    const HighScoreEntry& e = aHighScores[i];
    FUZZ_CHECK(std::memchr(e.name, '\0', sizeof e.name) != nullptr);
    FUZZ_CHECK(e.name == model[i].name);
    FUZZ_CHECK(e.score == model[i].score);
  }
  return 0;
}
