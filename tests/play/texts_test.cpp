// Tests src/play/translations.cpp.
// The run-time texts' table: a broken or missing entry gives the English text and says so.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "content/glyph_sheets.h"
#include "game_harness.h"
#include "gfx/game_resources.h"
#include "play/language_switch.h"
#include "play/translations.h"
#include "rules/score_table.h"
#include "screens/text.h"

namespace {
using namespace std::string_literals;

constexpr char32_t kPerson = U'\u4EBA';  // among Japanese's texts, not Chinese's

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

// Scores in the table and the name entry take the language's thousands mark from its "1,000".
TEST(Texts, ScoresAreGroupedByTheMarkTheLanguageWritesOneThousandWith) {
  const struct {
    const char* thousand;
    int64_t value;
    const char* shown;
  } cases[] = {
      {"1,000", 10000, "10,000"},        {"1.000", 1234567, "1.234.567"}, {"1 000", 3000, "3 000"},
      {"1\u00a0000", 3000, "3\u00a0000"}, {"1000", 45000, "45000"},      {"1,000", 999, "999"},
      {"1.000", -2500, "-2.500"},        {"mille", 2500, "2,500"},        {"", INT64_MIN, "-9,223,372,036,854,775,808"},
  };
  for (const auto& c : cases) EXPECT_EQ(GroupDigits(c.value, c.thousand), c.shown) << c.thousand;
}

// The names players type in Latin, Greek and Cyrillic letters (and compose in kana or jamo), and
// every text of every language, are drawn with glyphs of their own, as the generated content
// holds them: the English content's sheets and the language folders', each language's own
// characters while it is shown.
TEST(Texts, EveryAlphabetsLettersAndEveryTranslatedCharacterHaveAGlyph) {
  GameHarness h;
  ASSERT_TRUE(h.StartVideo());
  std::vector<char32_t> missing;
  const auto check = [&](char32_t c) {
    if (!bHasGlyph(c)) missing.push_back(c);
  };
  for (char32_t c = 0x20; c <= 0x24F; ++c) {
    if (c < 0x7F || c >= 0xA0) check(c);
  }
  for (char32_t c = 0x370; c <= 0x4FF; ++c) {
    const bool unassigned = c == 0x378 || c == 0x379 || (c >= 0x380 && c <= 0x383) || c == 0x38B ||
                            c == 0x38D || c == 0x3A2;
    if (!unassigned) check(c);
  }
  check(U'\u307B');  // a kana and a jamo, shown while a Japanese or Korean name is composed
  check(U'\u314E');
  size_t tables = 0;
  for (const auto& folder : std::filesystem::directory_iterator("content/art")) {
    std::ifstream in(folder.path() / "texts", std::ios::binary);
    if (!in) continue;
    ++tables;
    ASSERT_TRUE(bSwitchLanguage(folder.path().filename().string()));
    const std::string bytes{std::istreambuf_iterator<char>(in), {}};
    for (size_t pos = 0; pos < bytes.size();) {
      const char32_t c = NextCharacter(bytes, pos);
      if (c != 0) check(c);
    }
  }
  bSwitchLanguage("en");
  EXPECT_EQ(tables, 10u);
  EXPECT_TRUE(missing.empty()) << missing.size() << " characters, the first U+" << std::hex
                               << unsigned(missing.empty() ? 0 : missing[0]);
}

// A page starts without the Japanese folder, whose glyphs the English content does not carry,
// and shows them once the folder has come and the language switches to it.
TEST(Texts, ALanguageThatArrivesLaterBringsItsGlyphs) {
  GameHarness h;
  ASSERT_TRUE(h.StartVideo());
  const char32_t no = U'\u306E';  // Japanese's alone of the languages
  std::filesystem::rename("content/art/ja", "ja_on_its_way");
  gResources.moreGlyphs.clear();
  gResources.glyphFolders.clear();
  gResources.languageGlyphs.clear();
  gResources.glyphLanguage.clear();
  vLoadGlyphSheets();
  const bool before = bHasGlyph(no) || bHasGlyph(kPerson);
  std::filesystem::rename("ja_on_its_way", "content/art/ja");
  ASSERT_TRUE(bSwitchLanguage("ja"));
  EXPECT_FALSE(before);
  EXPECT_TRUE(bHasGlyph(no));
  EXPECT_TRUE(bHasGlyph(kPerson));
  bSwitchLanguage("en");
}

// Only the language shown has its own characters cut: a switch releases the old language's and
// cuts the new one's, while the alphabets a name may be typed in (Cyrillic from the English
// content, kana and jamo from their folders) draw in every language.
TEST(Texts, ASwitchReleasesTheOldLanguagesGlyphsAndKeepsTheNameAlphabets) {
  GameHarness h;
  ASSERT_TRUE(h.StartVideo());
  const size_t english = gResources.moreGlyphs.size();
  const struct {
    const char* language;
    bool person, three;  // a character only Japanese's texts have, one only Chinese's
  } steps[] = {{"ja", true, false}, {"zh_CN", false, true}, {"ru", false, false}, {"en", false, false}};
  for (const auto& step : steps) {
    ASSERT_TRUE(bSwitchLanguage(step.language));
    EXPECT_EQ(gResources.moreGlyphs.size(), english + gResources.languageGlyphs.size()) << step.language;
    EXPECT_EQ(bHasGlyph(kPerson), step.person) << step.language;
    EXPECT_EQ(bHasGlyph(U'\u4E09'), step.three) << step.language;
    for (const char32_t c : {U'\u0416', U'\u307B', U'\u314E'}) EXPECT_TRUE(bHasGlyph(c)) << step.language;
  }
  EXPECT_TRUE(gResources.languageGlyphs.empty());
}
}  // namespace
