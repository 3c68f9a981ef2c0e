#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "contentgen/catalogue.h"
#include "contentgen/layout_constants.h"

using namespace contentgen;

namespace {

const std::map<std::string, Image>& Images() {
  static const std::map<std::string, Image> images = [] {
    std::map<std::string, Image> m;
    for (const CatalogueEntry& e : Catalogue()) m[e.name] = e.make();
    return m;
  }();
  return images;
}

// An image's pixels as bytes, for telling images apart.
std::string PixelBytes(const std::string& name) {
  std::string bytes;
  for (const Rgb& c : Images().at(name).pixels) bytes.append({char(c.r), char(c.g), char(c.b)});
  return bytes;
}

struct Size {
  int w, h;
};

void ExpectSize(const std::string& name, Size size) {
  auto it = Images().find(name);
  ASSERT_NE(it, Images().end()) << name << " is missing";
  EXPECT_EQ(it->second.width, size.w) << name;
  EXPECT_EQ(it->second.height, size.h) << name;
}

bool bOpaqueImage(const std::string& name) {
  static const std::set<std::string> opaque = {"gamescreen", "title", "clicktocontinue", "menubar", "gamehelp",
                                               "gameover", "areyousure", "choosediff", "nomoremoves", "levelclearbonus",
                                               "scorepanel", "scoresbutton", "okbutton",
                                               "leavegame", "optionsbutton", "optionspanel", "pausedoptions"};
  return opaque.count(name) != 0;
}

}  // namespace

TEST(Images, EveryImageTheGameLoadsIsThereOnceInLoadingOrder) {
  std::vector<CatalogueEntry> list = Catalogue();
  ASSERT_EQ(list.size(), 303u);
  std::set<std::string> names;
  for (const CatalogueEntry& e : list) EXPECT_TRUE(names.insert(e.name).second) << e.name << " twice";
  EXPECT_EQ(list.front().name, "gamescreen");
  EXPECT_EQ(list.back().name, "cleartile28");
  for (int i = 0; i <= 28; ++i) EXPECT_TRUE(names.count("tile" + std::to_string(i)) && names.count("cleartile" + std::to_string(i)));
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(names.count("hintangel" + std::to_string(i)));
}

TEST(Images, SizesFitWhereTheGameDrawsThem) {
  for (const char* full : {"gamescreen", "title", "gamehelp"}) ExpectSize(full, {1024, 768});
  ExpectSize("menubar", {720, 400});
  ExpectSize("choosediff", {720, 400});
  ExpectSize("areyousure", {729, 400});
  ExpectSize("messagebar", {664, 358});
  ExpectSize("messagebar2", {664, 358});
  ExpectSize("gameover", {344, 106});
  ExpectSize("nomoremoves", {268, 158});
  ExpectSize("levelclearbonus", {348, 178});
  ExpectSize("border", {72, 88});
  ExpectSize("shadow", {72, 88});
  for (int i = 0; i <= 28; ++i) {
    ExpectSize("tile" + std::to_string(i), {72, 88});
    ExpectSize("cleartile" + std::to_string(i), {72, 88});
  }
  ExpectSize("tileselect", {63, 78});
  ExpectSize("tileblock", {63, 78});
  for (int i = 0; i < 4; ++i) ExpectSize("hintangel" + std::to_string(i), {32, 32});
  for (const char* tick : {"redtick", "yellowtick", "greentick", "emptytick"}) ExpectSize(tick, {17, 17});
  ExpectSize("helpbutton", {45, 45});
  ExpectSize("scorepanel", {kScorePanelWidth, kScorePanelHeight});
  ExpectSize("leavegame", {kAreYouSureWidth, kAreYouSureHeight});
  ExpectSize("optionsbutton", {kOptionsButton.w, kOptionsButton.h});
  ExpectSize("optionspanel", {kOptionsPanelWidth, kOptionsPanelHeight});
  ExpectSize("pausedoptions", {kPausedOptionsButton.w, kPausedOptionsButton.h});
  ExpectSize("notepanel", {kNotePanelWidth, kNoteStrip.h});
  ExpectSize("scoresbutton", {kScoresButton.w, kScoresButton.h});
  for (int i = 0; i <= 10; ++i) {
    const Image& digit = Images().at("num" + std::to_string(i));
    EXPECT_EQ(digit.height, 28);
    EXPECT_GE(digit.width, i == 10 ? 6 : 16);
    EXPECT_LE(digit.width, 22);
  }
  // The time warning must leave the score field (from x 192) alone; the prompt is centred.
  const Image& warning = Images().at("timerunningout");
  EXPECT_LE(10 + warning.width, 185);
  EXPECT_LE(12 + warning.height, 68);
  EXPECT_LE(Images().at("clicktocontinue").width, 1024);
  for (const auto& [name, image] : Images()) {
    EXPECT_LE(image.width, 1024) << name;
    EXPECT_LE(image.height, 768) << name;
  }
}

TEST(Images, TransparentImagesShowOnlyWhatSurvivesSixteenBitColour) {
  for (const auto& [name, image] : Images()) {
    if (bOpaqueImage(name)) continue;
    int visible = 0;
    for (const Rgb& c : image.pixels) {
      if (c == kTransparent) continue;
      ++visible;
      ASSERT_FALSE(bVanishesIn565(c)) << name << " has a pixel that turns transparent at 16 bits";
    }
    bool blank = name == "glyph0" || name == "glyph95";  // the space and the no-break space
    EXPECT_EQ(visible > 0, !blank) << name;
  }
}

// Every glyph is one line tall and as wide as its letter, so names are set with proper widths.
TEST(Images, GlyphsShareALineAndHaveTheirOwnWidths) {
  for (int i = 0; i < kGlyphCount; ++i) {
    const Image& glyph = Images().at("glyph" + std::to_string(i));
    EXPECT_EQ(glyph.height, kGlyphHeight) << i;
    EXPECT_GE(glyph.width, 4) << i;
  }
  EXPECT_GT(Images().at("glyph" + std::to_string(iGlyphSlot(U'W'))).width,
            2 * Images().at("glyph" + std::to_string(iGlyphSlot(U'i'))).width);
}

TEST(Images, FacesAndMarksStayInsideTheFace) {
  for (int n = 0; n <= 2 * 28 + 1; ++n) {
    const int i = n % 29;
    const Image& face = Images().at((n < 29 ? "tile" : "cleartile") + std::to_string(i));
    for (int y = 0; y < face.height; ++y) {
      for (int x = 0; x < face.width; ++x) {
        bool inFace = x >= 9 && y < 78;
        if (!inFace) {
          ASSERT_EQ(face.at(x, y), kTransparent) << "tile" << i << " at " << x << "," << y;
        }
      }
    }
    // The middle of the face is covered (the face hides the blank plate beneath).
    EXPECT_NE(face.at(40, 4), kTransparent);
  }
  // The selection and block marks leave most of the face to be seen.
  for (const char* mark : {"tileselect", "tileblock"}) {
    const Image& m = Images().at(mark);
    EXPECT_NE(m.at(0, m.height / 2), kTransparent) << mark;
    EXPECT_EQ(m.at(m.width / 2, 8), kTransparent) << mark;
  }
  // Different faces look different.
  std::set<std::string> distinct;
  for (int i = 1; i <= 28; ++i) distinct.insert({PixelBytes("tile" + std::to_string(i)), PixelBytes("cleartile" + std::to_string(i))});
  EXPECT_EQ(distinct.size(), 2 * 28u);
}

TEST(Images, NumberFieldsAndTimeColumnAreFlatWhereDigitsAndTicksGo) {
  // Digits and ticks are edged against the colour beneath them; the background must hold it.
  const Image& screen = Images().at("gamescreen");
  for (int x : {kScoreX + 5, kLevelX + 80, kBestX + 160}) {
    EXPECT_EQ(screen.at(x, kNumberY + 14), screen.at(kScoreX + 5, kNumberY + 14));
  }
  for (int y : {0, 300, 764}) EXPECT_EQ(screen.at(8, y), screen.at(60, 100));
}

TEST(Images, ButtonsArePaintedUnderTheirZones) {
  // Inside every zone, near its corners and at its middle, the cinnabar button shows.
  auto expectButton = [](const std::string& panel, const Rect& zone) {
    const Image& im = Images().at(panel);
    for (auto [dx, dy] : {std::pair{12, 12}, std::pair{zone.w - 12, 12}, std::pair{12, zone.h - 12},
                          std::pair{zone.w - 12, zone.h - 12}, std::pair{zone.w / 2, 6}}) {
      const Rgb& c = im.at(zone.x + dx, zone.y + dy);
      EXPECT_GT(c.r, c.g + 50) << panel << " zone at " << zone.x << "," << zone.y << " point " << dx << "," << dy;
    }
    // Just outside the zone lies the panel, not the button.
    const Rgb& outside = im.at(zone.x - 10, zone.y + zone.h / 2);
    EXPECT_LT(outside.r, outside.g) << panel;
  };
  for (const Rect& zone : kMenuButtons) {
    expectButton("menubar", zone);
    expectButton("choosediff", zone);
  }
  expectButton("areyousure", kYesButton);
  expectButton("areyousure", kNoButton);
  expectButton("leavegame", kYesButton);
  expectButton("leavegame", kNoButton);
  // The hint button fills its zone on the playing screen.
  const Rgb& hint = Images().at("gamescreen").at(kHintZone.x + 35, kHintZone.y + 12);
  EXPECT_GT(hint.r, hint.g + 50);
}

TEST(Images, DigitsShareOneWidthSoNumbersDoNotJump) {
  for (int i = 1; i <= 9; ++i) EXPECT_EQ(Images().at("num" + std::to_string(i)).width, Images().at("num0").width);
  EXPECT_LT(Images().at("num10").width, Images().at("num0").width);
  // The hint animation changes from frame to frame; frame 0 is the hints-left mark.
  std::set<std::string> frames;
  for (int i = 0; i < 4; ++i) frames.insert(PixelBytes("hintangel" + std::to_string(i)));
  EXPECT_EQ(frames.size(), 4u);
  EXPECT_NE(Images().at("hintangel0").at(16, 16), kTransparent);
}

// The title itself says how the game starts, so the first frame shown already tells it.
TEST(Images, TitleCarriesItsStartLine) {
  const Image& title = Images().at("title");
  int light = 0;
  for (int y = kTitleHintY - 8; y <= kTitleHintY + 8; ++y) {
    for (int x = 360; x < 664; ++x) light += title.at(x, y).r > 200 ? 1 : 0;
  }
  EXPECT_GT(light, 200);
}
