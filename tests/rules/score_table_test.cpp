// The top-ten table's rules on plain values: ranks with ties, insertion, and typed names.
#include <gtest/gtest.h>

#include <string>

#include "rules/score_table.h"

namespace {

struct Entry {
  std::string name;
  int32_t score;
};

// "P0", "P1", ... built by appending: GCC 12 warns wrongly on a string inserted in front.
std::string Player(int i) {
  std::string name = "P";
  return name += std::to_string(i);
}

void FillTable(Entry (&table)[10]) {
  for (int i = 0; i < 10; ++i) table[i] = {Player(i), (10 - i) * 1000};
}

TEST(ScoreTable, EntersAtEveryRankAndShiftsTheRestDown) {
  for (int rank = 0; rank < 10; ++rank) {
    Entry table[10];
    FillTable(table);
    EXPECT_EQ(InsertScore(table, Entry{"New", (10 - rank) * 1000 + 500}), rank);
    EXPECT_EQ(table[rank].name, "New");
    for (int i = 0; i < rank; ++i) EXPECT_EQ(table[i].name, Player(i));
    for (int i = rank + 1; i < 10; ++i) EXPECT_EQ(table[i].name, Player(i - 1));
  }
}

TEST(ScoreTable, EqualScoresGoBelowTheOlderEntryAndALowScoreStaysOut) {
  Entry table[10];
  FillTable(table);
  EXPECT_EQ(InsertScore(table, Entry{"Tie", 7000}), 4);
  EXPECT_EQ(table[3].name, "P3");
  EXPECT_EQ(InsertScore(table, Entry{"Last", 1000}), -1);  // equals the tenth: stays out
  EXPECT_EQ(InsertScore(table, Entry{"Low", -5}), -1);
  EXPECT_EQ(table[9].name, "P8");
}

TEST(ScoreTable, TypedNamesStopAtThirtyTwoBytesOnACharacterBoundary) {
  std::string name(31, 'a');
  AppendTyped(name, "\xC3\xA9" "b");  // the two-byte e-acute does not fit, nor what follows it
  EXPECT_EQ(name, std::string(31, 'a'));
  AppendTyped(name, "b\xC3\xA9");
  EXPECT_EQ(name, std::string(31, 'a') + "b");

  std::string euros;
  for (int i = 0; i < 12; ++i) AppendTyped(euros, "\xE2\x82\xAC");
  EXPECT_EQ(euros.size(), 30u);  // ten three-byte characters; the eleventh would pass 32
  EraseLastCharacter(euros);
  EXPECT_EQ(euros.size(), 27u);
}

TEST(ScoreTable, ControlCharactersAndMalformedBytesAreRefused) {
  std::string name;
  AppendTyped(name, "A\tB\nC\x7F" "D\xC2\x85" "E\xC3(\xED\xA0\x80\xC0\xAF" "F\xEF\xBF\xBD");
  EXPECT_EQ(name, "ABCDE(F\xEF\xBF\xBD");
  EXPECT_EQ(CleanName(std::string(40, 'x') + "\n"), std::string(32, 'x'));
}

TEST(ScoreTable, DecodingGivesTheReplacementForBrokenSequences) {
  std::string text = "\xC3\xA9\xE2\x82";  // e-acute, then a sequence cut short
  size_t pos = 0;
  EXPECT_EQ(NextCharacter(text, pos), U'\u00E9');
  EXPECT_EQ(NextCharacter(text, pos), kBadCharacter);
  EXPECT_EQ(NextCharacter(text, pos), kBadCharacter);
  EXPECT_EQ(pos, text.size());
}

}  // namespace
