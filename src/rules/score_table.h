#pragma once
// The rules of the named top-ten table: where a score ranks, how a new entry goes in, and what a
// typed name may hold (UTF-8, at most 32 bytes, no control characters).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

constexpr size_t kScoreNameBytes = 32;

// The place a score takes in a table sorted best first: below every entry at least as good (an
// equal score goes below the older entry). `count` when it does not enter.
int ScoreRank(const int32_t* scores, int count, int32_t score);

// Puts `entry` at its rank in `table` (an array of entries with a `score`), moving the entries
// below it down one and dropping the last. The rank, or -1 when the score does not enter.
template <typename Entry, size_t N>
int InsertScore(Entry (&table)[N], const Entry& entry) {
  int32_t scores[N];
  for (size_t i = 0; i < N; ++i) scores[i] = table[i].score;
  int rank = ScoreRank(scores, static_cast<int>(N), entry.score);
  if (rank >= static_cast<int>(N)) return -1;
  for (int i = static_cast<int>(N) - 1; i > rank; --i) table[i] = table[i - 1];
  table[rank] = entry;
  return rank;
}

// The next character of UTF-8 text at `pos`, which moves past it. A malformed or overlong
// sequence, a surrogate or a value past U+10FFFF gives kBadCharacter and skips one byte.
constexpr char32_t kBadCharacter = 0xFFFD;
char32_t NextCharacter(std::string_view text, size_t& pos);

// C0 and C1 control characters and DEL.
bool IsControlCharacter(char32_t c);

// Appends typed UTF-8 text to a name: control characters and malformed bytes are refused, and the
// text is cut before the first character that would take the name past kScoreNameBytes, so the
// name always ends on a character boundary.
void AppendTyped(std::string& name, std::string_view typed);

// A name cut to at most kScoreNameBytes at a character boundary, with what AppendTyped refuses
// left out.
std::string CleanName(std::string_view name);

// Removes the name's last character (the whole UTF-8 sequence).
void EraseLastCharacter(std::string& name);
