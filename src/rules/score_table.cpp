#include "rules/score_table.h"

int ScoreRank(const int32_t* scores, int count, int32_t score) {
  int rank = 0;
  while (rank < count && scores[rank] >= score) ++rank;
  return rank;
}

namespace {
bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// The length of a sequence from its first byte and the smallest value it may encode.
bool SequenceStart(unsigned char b, int& length, char32_t& value, char32_t& least) {
  if (b < 0x80) { length = 1; value = b; least = 0; return true; }
  if ((b & 0xE0) == 0xC0) { length = 2; value = b & 0x1F; least = 0x80; return true; }
  if ((b & 0xF0) == 0xE0) { length = 3; value = b & 0x0F; least = 0x800; return true; }
  if ((b & 0xF8) == 0xF0) { length = 4; value = b & 0x07; least = 0x10000; return true; }
  return false;
}
}  // namespace

char32_t NextCharacter(std::string_view text, size_t& pos) {
  int length = 0;
  char32_t value = 0, least = 0;
  if (!SequenceStart(static_cast<unsigned char>(text[pos]), length, value, least) ||
      pos + length > text.size()) {
    ++pos;
    return kBadCharacter;
  }
  for (int i = 1; i < length; ++i) {
    unsigned char b = static_cast<unsigned char>(text[pos + i]);
    if (!IsContinuation(b)) {
      ++pos;
      return kBadCharacter;
    }
    value = (value << 6) | (b & 0x3F);
  }
  if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
    ++pos;
    return kBadCharacter;
  }
  pos += length;
  return value;
}

bool IsControlCharacter(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

void AppendTyped(std::string& name, std::string_view typed) {
  size_t pos = 0;
  while (pos < typed.size()) {
    size_t start = pos;
    char32_t c = NextCharacter(typed, pos);
    bool malformed = c == kBadCharacter && typed.substr(start, pos - start) != "\xEF\xBF\xBD";
    if (malformed || IsControlCharacter(c)) continue;
    if (name.size() + (pos - start) > kScoreNameBytes) break;
    name.append(typed.substr(start, pos - start));
  }
}

std::string CleanName(std::string_view name) {
  std::string clean;
  AppendTyped(clean, name);
  return clean;
}

void EraseLastCharacter(std::string& name) {
  while (!name.empty() && IsContinuation(static_cast<unsigned char>(name.back()))) name.pop_back();
  if (!name.empty()) name.pop_back();
}
