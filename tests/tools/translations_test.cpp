// Translation catalogues as the generator reads them, texts fitted to their rooms, and the
// pictures painted once per language.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "contentgen/catalogue.h"
#include "contentgen/art_screens.h"
#include "contentgen/content_writer.h"
#include "contentgen/drawn_texts.h"
#include "contentgen/lettering.h"
#include "contentgen/po_catalogue.h"
#include "support/temp_dir.h"

using namespace contentgen;

namespace {

const char* kHeader =
    "msgid \"\"\nmsgstr \"\"\n\"Content-Type: text/plain; charset=UTF-8\\n\"\n\"Language: xx\\n\"\n\n";

struct EntryCase {
  const char* what;
  const char* entry;  // one entry of a catalogue, after its header
  bool kept;
};

// Names of the members of an archive's index.
std::vector<std::string> MemberNames(const std::string& indexPath) {
  std::string index = ReadWholeFile(indexPath);
  std::vector<std::string> names;
  for (size_t at = 0; at + 264 <= index.size(); at += 264) names.emplace_back(index.c_str() + at + 4);
  return names;
}

}  // namespace

TEST(Translations, OnlyEntriesAGameCanShowAreKeptTheRestWarn) {
  const EntryCase cases[] = {
      {"translated", "msgid \"YES\"\nmsgstr \"JA\"\n", true},
      {"empty", "msgid \"YES\"\nmsgstr \"\"\n", false},
      {"fuzzy", "#, fuzzy\nmsgid \"YES\"\nmsgstr \"JA\"\n", false},
      {"format lost", "#, c-format\nmsgid \"Rank %d\"\nmsgstr \"Platz\"\n", false},
      {"format kept", "#, c-format\nmsgid \"Rank %d\"\nmsgstr \"Platz %d\"\n", true},
      {"plural", "msgid \"tile\"\nmsgid_plural \"tiles\"\nmsgstr[0] \"Stein\"\nmsgstr[1] \"Steine\"\n", false},
  };
  for (const EntryCase& c : cases) {
    ScopedTempCwd cwd;
    WriteWholeFile("xx.po", std::string(kHeader) + c.entry);
    Translations t;
    std::vector<std::string> warnings;
    ASSERT_TRUE(bReadTranslations("xx.po", t, warnings)) << c.what;
    EXPECT_EQ(t.language, "xx");
    EXPECT_EQ(t.english.size(), 1u) << c.what;
    EXPECT_EQ(t.translated.size(), c.kept ? 1u : 0u) << c.what;
    EXPECT_EQ(warnings.size(), c.kept ? 0u : 1u) << c.what;
  }
}

TEST(Translations, ABrokenOrMissingCatalogueIsNotUsedAndSaysSo) {
  ScopedTempCwd cwd;
  WriteWholeFile("po/de.po", std::string(kHeader) + "msgid \"YES\"\nmsgstr \"JA\"\n\nmsgid \"NO\nmsgstr \"NEIN\"\n");
  WriteWholeFile("po/fr.po", std::string(kHeader) + "msgid \"YES\"\nmsgstr \"OUI\"\n");
  WriteWholeFile("po/ru.po", "\xff\xfe not a catalogue");
  std::vector<std::string> warnings;
  std::vector<Translations> all = ReadAllTranslations("po", warnings);
  ASSERT_EQ(all.size(), 1u);
  EXPECT_EQ(all[0].language, "fr");
  EXPECT_EQ(all[0].translated.at("YES"), "OUI");
  ASSERT_GE(warnings.size(), 2u);
  EXPECT_NE(warnings.front().find("po/de.po:"), std::string::npos) << warnings.front();

  Translations missing;
  warnings.clear();
  EXPECT_FALSE(bReadTranslations("po/none.po", missing, warnings));
  EXPECT_FALSE(warnings.empty());
}

TEST(Translations, TheTemplateHoldsEveryTextTheGeneratorPaints) {
  Language english;
  for (const CatalogueEntry& e : Catalogue()) {
    if (e.paint) e.paint(english);
  }
  Translations pot;
  std::vector<std::string> warnings;
  ASSERT_TRUE(bReadTranslations(std::string(TAVIMORA_CATALOGUE_DIR) + "/tavimora.pot", pot, warnings));
  for (const std::string& text : english.Asked()) {
    EXPECT_NE(std::find(pot.english.begin(), pot.english.end(), text), pot.english.end()) << text;
  }
}

TEST(Lettering, ATextTooWideIsSetSmallerDownToTheFloorThenReported) {
  const Language xx("xx", {{"OK", "OKAY"}, {"NO", "NOT AT ALL, NEVER, UNDER NO CIRCUMSTANCES"}});
  const Lettering wide = Untranslated("OKAY", Face::Serif, true, 20);
  Canvas probe(1, 1);
  SelectFont(probe.cr(), wide);
  const double width = MeasureText(probe.cr(), "OKAY").width;

  EXPECT_DOUBLE_EQ(xx.Fit("OK", Face::Serif, true, 20, width + 1).size, 20);
  const Lettering fitted = xx.Fit("OK", Face::Serif, true, 20, width * 0.8);
  EXPECT_NEAR(fitted.size, 16, 0.01);
  EXPECT_EQ(fitted.text, "OKAY");
  EXPECT_TRUE(xx.Overflows().empty());

  const Lettering floor = xx.Fit("NO", Face::Serif, true, 20, width);
  EXPECT_DOUBLE_EQ(floor.size, 20 * kSmallestShare);
  ASSERT_EQ(xx.Overflows().size(), 1u);
  EXPECT_NE(xx.Overflows()[0].find("xx: \"NOT AT ALL"), std::string::npos) << xx.Overflows()[0];

  // The English art is the yardstick: English is never set smaller, and a translation may be as
  // wide as the English it replaces even where that is wider than the room.
  const Language english;
  EXPECT_DOUBLE_EQ(english.Fit("OKAY", Face::Serif, true, 20, width * 0.8).size, 20);
  EXPECT_TRUE(english.Overflows().empty());
  const Language yy("yy", {{"OKAY", "YKAO"}});
  EXPECT_NEAR(yy.Fit("OKAY", Face::Serif, true, 20, width * 0.5).size, 20, 20 * 0.1);
}

TEST(Lettering, SpacedCapitalsInLettersNotInCjkAndCjkTakesItsRegionsFace) {
  const Language de("de", {{"MAHJONG SOLITAIRE", "MAHJONG SOLITÄR"}});
  EXPECT_EQ(de.FitSpaced("MAHJONG SOLITAIRE", Face::Serif, true, 17, 1000).text,
            "M A H J O N G   S O L I T Ä R");
  EXPECT_EQ(de.Fit("HELP", Face::Serif, true, 17, 1000).family, "DejaVu Serif");
  const Language ja("ja", {{"MAHJONG SOLITAIRE", "麻雀ソリティア"}});
  const Lettering l = ja.FitSpaced("MAHJONG SOLITAIRE", Face::Serif, true, 17, 1000);
  EXPECT_EQ(l.text, "麻雀ソリティア");
  EXPECT_EQ(l.family, "Noto Serif CJK JP");
  EXPECT_EQ(Language("ko", {}).Fit("OK", Face::Sans, true, 10, 100).family, "Noto Sans CJK KR");
  EXPECT_EQ(Language("zh_CN", {}).Fit("OK", Face::Serif, true, 10, 100).family, "Noto Serif CJK SC");
}

TEST(ContentWriter, ALanguageArchiveHoldsOnlyThePicturesItsTextsChange) {
  ScopedTempCwd cwd;
  WriteWholeFile("po/xx.po", std::string(kHeader) + "msgid \"OK\"\nmsgstr \"JA\"\n");
  std::filesystem::create_directories("art");
  ASSERT_TRUE(bWriteArt("art", "po"));
  EXPECT_EQ(MemberNames("art/xx/content.idx"), std::vector<std::string>{"okbutton.pcx"});

  // A text that cannot fit stops the build.
  WriteWholeFile("po/yy.po", std::string(kHeader) + "msgid \"OK\"\nmsgstr \"" + std::string(60, 'W') + "\"\n");
  EXPECT_FALSE(bWriteArt("art", "po"));
}

TEST(DrawnTexts, ATextTooWideForItsBoxFailsNamingLanguageTextAndBoxNeverCut) {
  const std::string longAction = "eine viel zu lange Beschreibung dieser Taste";
  const Language xx("xx", {{"pause", longAction}, {"hint", "Tipp"}, {"Rank %d", "Platz %d"}});
  const std::vector<std::string> overflows = DrawnTextOverflows(xx);
  ASSERT_EQ(overflows.size(), 1u);
  EXPECT_NE(overflows[0].find("xx: \"" + longAction + "\""), std::string::npos) << overflows[0];
  EXPECT_NE(overflows[0].find("controls list, actions column"), std::string::npos) << overflows[0];

  // Measured as the game lays out its glyphs, with each %d at the box's widest number.
  const std::vector<DrawnBox> boxes = {{"rank", GlyphTextWidth("Platz 10"), {"Rank %d"}},
                                       {"note", GlyphTextWidth("Platz 9") - 1, {"Rank %d"}, "9"}};
  const std::vector<std::string> tight = DrawnTextOverflows(xx, boxes);
  ASSERT_EQ(tight.size(), 1u);
  EXPECT_NE(tight[0].find("its box, the note,"), std::string::npos) << tight[0];
  EXPECT_EQ(GlyphTextWidth("Tipp"), GlyphWidth(U'T') + GlyphWidth(U'i') + 2 * GlyphWidth(U'p'));

  // The build stops on it.
  ScopedTempCwd cwd;
  WriteWholeFile("po/xx.po", std::string(kHeader) + "msgid \"pause\"\nmsgstr \"" + longAction + "\"\n");
  std::filesystem::create_directories("art");
  EXPECT_FALSE(bWriteArt("art", "po"));
}

TEST(DrawnTexts, EveryCatalogueFitsTheBoxesTheGameDrawsIn) {
  std::vector<std::string> warnings;
  for (const Translations& t : ReadAllTranslations(TAVIMORA_CATALOGUE_DIR, warnings)) {
    const std::vector<std::string> overflows = DrawnTextOverflows(Language(t.language, t.translated));
    EXPECT_TRUE(overflows.empty()) << overflows.front();
  }
  EXPECT_TRUE(DrawnTextOverflows(Language()).empty());
}

TEST(Lettering, AMessagesLinesShareTheSizeTheWidestNeeds) {
  const Language xx("xx", {{"NO MORE", "KEINE ZÜGE"}, {"MOVES", "MEHR"}});
  const std::vector<Lettering> lines = xx.FitTogether({"NO MORE", "MOVES"}, Face::Serif, true, 40, 150);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_LT(lines[0].size, 40);
  EXPECT_DOUBLE_EQ(lines[1].size, lines[0].size);
  EXPECT_DOUBLE_EQ(lines[0].size, xx.Fit("NO MORE", Face::Serif, true, 40, 150).size);
}

TEST(Lettering, CaptionsSideBySideMakeWayThenShrinkTogetherAndFailRatherThanOverlap) {
  const auto ink = [](const Lettering& l) {
    Canvas probe(1, 1);
    SelectFont(probe.cr(), l);
    return MeasureText(probe.cr(), l.text).width;
  };
  const auto apart = [&](const CaptionRow& row, size_t i) {
    return row.centres[i] - row.centres[i - 1] - (ink(row.lines[i - 1]) + ink(row.lines[i])) / 2;
  };
  const Language xx("xx", {{"free", "wolny"}, {"blocked", "zablokowany"}});
  using C = Language::Caption;
  // Room enough once the outer captions move outwards: full size, centres moved, kept apart.
  const CaptionRow moved = xx.FitCaptions({C{"free", 100, 200, 20}, C{"blocked", 164, 200}, C{"free", 228, 200, 20}},
                                          Face::Serif, true, 17, 8);
  EXPECT_TRUE(xx.Overflows().empty());
  EXPECT_LT(moved.centres[0], 100);
  EXPECT_DOUBLE_EQ(moved.centres[1], 164);
  EXPECT_GT(moved.centres[2], 228);
  for (size_t i = 1; i < 3; ++i) EXPECT_GE(apart(moved, i), 8 - 1e-6) << i;

  // Without the moves the row is set smaller, all in one size.
  const CaptionRow smaller =
      xx.FitCaptions({C{"free", 100, 200}, C{"blocked", 172, 200}, C{"free", 244, 200}}, Face::Serif, true, 17, 8);
  EXPECT_LT(smaller.lines[0].size, 17);
  for (const Lettering& l : smaller.lines) EXPECT_DOUBLE_EQ(l.size, smaller.lines[0].size);
  for (size_t i = 1; i < 3; ++i) EXPECT_GE(apart(smaller, i), 8 - 1e-6) << i;
  EXPECT_TRUE(xx.Overflows().empty());

  // Too close even at the floor: reported, naming both.
  xx.FitCaptions({C{"free", 100, 200}, C{"blocked", 130, 200}}, Face::Serif, true, 17, 8);
  ASSERT_EQ(xx.Overflows().size(), 1u);
  EXPECT_NE(xx.Overflows()[0].find("xx: \"wolny\" and \"zablokowany\" overlap"), std::string::npos)
      << xx.Overflows()[0];
}
