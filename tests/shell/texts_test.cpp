// The run-time texts' table: a broken or missing entry gives the English text and says so.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "play/translations.h"

namespace {
using namespace std::string_literals;

struct TextCase {
  const char* what;
  std::string table;  // the bytes of a language's table
  const char* english;
  std::vector<int> numbers;
  const char* shown;
  size_t problems;  // trace lines, reading and looking up together
};

TEST(Texts, ABrokenOrMissingEntryShowsTheEnglishAndSaysSo) {
  const TextCase cases[] = {
      {"translated", "Music\0Musik\0"s, "Music", {}, "Musik", 0},
      {"numbers in order", "Rank %d\0Platz %d\0"s, "Rank %d", {3}, "Platz 3", 0},
      {"missing", "Music\0Musik\0"s, "Effects", {}, "Effects", 1},
      {"a number lost", "Rank %d\0Platz\0"s, "Rank %d", {3}, "Rank 3", 2},
      {"empty translation", "Music\0\0"s, "Music", {}, "Music", 2},
      {"cut short", "Music\0Mus"s, "Music", {}, "Music", 2},
      {"a character without a glyph", "Music\0\xF0\x9F\x8E\xB5\0"s, "Music", {}, "Music", 1},
      {"not a table at all", "\xff\xfe"s, "Music", {}, "Music", 2},
  };
  for (const TextCase& c : cases) {
    std::vector<std::string> problems;
    const TextTable table = ParseTextTable(c.table, problems);
    EXPECT_EQ(Translated(table, c.english, c.numbers, problems), c.shown) << c.what;
    EXPECT_EQ(problems.size(), c.problems) << c.what;
  }
}
}  // namespace
