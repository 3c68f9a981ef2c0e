#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "contentgen/content_writer.h"
#include "contentgen/deal_check.h"
#include "contentgen/layouts.h"
#include "contentgen/level_order.h"

using namespace contentgen;

namespace {

std::string Parse(const std::string& text, Layout& layout) {
  std::string error;
  return bParseLayout(text, layout, error) ? "" : error;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace

TEST(Layouts, ParsesLayersIntoPatternCells) {
  Layout l;
  ASSERT_EQ(Parse("# four tiles in a row and two lying half a row lower on them\n"
                  "layer 0\n"
                  "\n"
                  "o.o.o.o\n"
                  "layer 1\n"
                  "...\n"
                  "...o.o\n",
                  l),
            "");
  EXPECT_EQ(l.tiles, 6);
  EXPECT_EQ(l.cells[0], 1);
  EXPECT_EQ(l.cells[6], 1);
  EXPECT_EQ(l.cells[1], 0);
  EXPECT_EQ(l.cells[3 + 28 * 1 + 448], 1);
  EXPECT_EQ(l.cells[5 + 28 * 1 + 448], 1);
  std::vector<uint8_t> bytes = PatternBytes(l);
  ASSERT_EQ(bytes.size(), 8960u);
  size_t at = 4 * size_t(3 + 28 * 1 + 448);
  EXPECT_EQ(bytes[at], 1);
  EXPECT_EQ(bytes[at + 1] | bytes[at + 2] | bytes[at + 3], 0);
}

TEST(Layouts, WindowsLineEndsAndIndentationAreAccepted) {
  Layout l;
  ASSERT_EQ(Parse("# edited elsewhere\r\n  layer 0\r\n\r\n  ..o.o  \r\n", l), "");
  EXPECT_EQ(l.tiles, 2);
  EXPECT_EQ(l.cells[2], 1);
  EXPECT_EQ(l.cells[4], 1);
}

TEST(Layouts, RejectsMistakesWithAMessageThatPointsAtThem) {
  Layout l;
  EXPECT_NE(Parse("layer 0\no.x.\n", l).find("line 2: unexpected character 'x'"), std::string::npos);
  EXPECT_NE(Parse("o.o.\n", l).find("before the first"), std::string::npos);
  EXPECT_NE(Parse("layer 5\no.o.\n", l).find("layer N"), std::string::npos);
  EXPECT_NE(Parse("layer 0\no.o.\nlayer 0\n", l).find("appears twice"), std::string::npos);
  EXPECT_NE(Parse("layer 0\noo\n", l).find("overlaps"), std::string::npos);
  EXPECT_NE(Parse("layer 0\no.\n.o\n", l).find("overlaps"), std::string::npos);
  EXPECT_NE(Parse("layer 0\no.o.o.\n", l).find("odd number of tiles (3)"), std::string::npos);
  EXPECT_NE(Parse("layer 0\n...........................o\n..o\n", l).find("stick out"), std::string::npos);
  EXPECT_NE(Parse("layer 0\n" + std::string(29, '.') + "\n", l).find("larger than"), std::string::npos);
  EXPECT_NE(Parse("layer 0\no.o.\nlayer 1\n......o.o.\n", l).find("floats"), std::string::npos);
  EXPECT_NE(Parse("# nothing\n", l).find("no tiles"), std::string::npos);
  std::string fifteen;
  for (int r = 0; r < 15; ++r) fifteen += ".\n";
  EXPECT_NE(Parse("layer 0\n" + fifteen + "o.o.\n", l).find("stick out"), std::string::npos);
}

namespace {

// A layout's shape wherever it stands on the board and whichever way it faces.
std::string ShapeKey(const Layout& l) {
  auto key = [&](int sign) {
    std::vector<std::array<int, 3>> tiles;
    int left = 99, top = 99;
    for (int i = 0; i < kLayoutCells; ++i) {
      if (!l.cells[size_t(i)]) continue;
      tiles.push_back({sign * (i % 28), i % 448 / 28, i / 448});
      left = std::min(left, tiles.back()[0]);
      top = std::min(top, tiles.back()[1]);
    }
    std::sort(tiles.begin(), tiles.end());
    std::string k;
    for (const auto& t : tiles) {
      k += std::to_string(t[0] - left) + "," + std::to_string(t[1] - top) + "," + std::to_string(t[2]) + ";";
    }
    return k;
  };
  return std::min(key(1), key(-1));
}

}  // namespace

TEST(Layouts, TheShippedSetHasSixtyShapesFromSmallToClassicSize) {
  std::vector<Layout> layouts;
  ASSERT_TRUE(bLoadLayouts(TAVIMORA_LAYOUT_DIR, layouts));
  ASSERT_GE(layouts.size(), 60u);
  std::set<std::string> shapes;
  for (const Layout& l : layouts) EXPECT_TRUE(shapes.insert(ShapeKey(l)).second) << l.name << " repeats a shape";
  EXPECT_LE(layouts.front().tiles, 30);
  EXPECT_GE(layouts.back().tiles, 140);
  EXPECT_TRUE(LayoutFiles("/no/such/folder").empty());
}

TEST(Layouts, TheCommittedLevelTableMatchesTheLayouts) {
  std::vector<Layout> layouts;
  ASSERT_TRUE(bLoadLayouts(TAVIMORA_LAYOUT_DIR, layouts));
  EXPECT_EQ(ReadFile(TAVIMORA_LEVEL_TABLE), LevelOrderTable(layouts))
      << "data/levels.md is out of date; refresh it from the top of the source tree with\n"
         "  build/release/tools/tavimora_contentgen --layouts data/layouts --write-order data/levels.md";
}

TEST(Layouts, LevelsGrowInChallengeCountedByTheGamesFreeTileRule) {
  // Three in a row and one on the middle: the ends and the top one are free.
  Layout hard;
  ASSERT_EQ(Parse("layer 0\n...\n..o.o.o\nlayer 1\n...\n....o\n", hard), "");
  LevelFigures f = FiguresOf(hard);
  EXPECT_EQ(f.tiles, 4);
  EXPECT_EQ(f.layers, 2);
  EXPECT_EQ(f.freeAtStart, 3);
  EXPECT_EQ(f.challenge, 4 + 10 + 60 * 1 / 4);
  Layout easy;
  ASSERT_EQ(Parse("layer 0\n...\n..o.o\n", easy), "");
  std::vector<Layout> layouts{hard, easy, easy};
  layouts[0].name = "a";
  layouts[1].name = "z";
  layouts[2].name = "m";
  SortIntoLevelOrder(layouts);
  EXPECT_EQ(layouts[0].name + layouts[1].name + layouts[2].name, "mza");
}

namespace {

// A tile above layer 0 that does not stand exactly on a tile below it lies half a tile off.
bool bHasHalfOffsets(const Layout& l) {
  for (int i = 448; i < kLayoutCells; ++i) {
    if (l.cells[size_t(i)] && !l.cells[size_t(i - 448)]) return true;
  }
  return false;
}

bool bUsesTopLayer(const Layout& l) {
  for (int i = 4 * 448; i < kLayoutCells; ++i) {
    if (l.cells[size_t(i)]) return true;
  }
  return false;
}

}  // namespace

TEST(Layouts, EveryShippedLayoutParsesAndDeals) {
  int fiveLayers = 0, halfOffsets = 0;
  for (const std::string& file : LayoutFiles(TAVIMORA_LAYOUT_DIR)) {
    Layout l;
    ASSERT_EQ(Parse(ReadFile(file), l), "") << file;
    std::string error;
    EXPECT_TRUE(bVerifyDeals(l, 10, error)) << file << ": " << error;
    fiveLayers += bUsesTopLayer(l);
    halfOffsets += bHasHalfOffsets(l);
  }
  EXPECT_GE(fiveLayers, 3);
  EXPECT_GE(halfOffsets, 5);
}

TEST(Layouts, DealCheckCatchesALayoutTheGameCannotTakeApart) {
  // Two tiles stacked: the last pair would be a tile and the one lying on it.
  Layout stacked;
  ASSERT_EQ(Parse("layer 0\n..\n..o\nlayer 1\n..\n..o\n", stacked), "");
  std::string error;
  EXPECT_FALSE(bVerifyDeals(stacked, 5, error));
  EXPECT_FALSE(error.empty());
  Layout pair;
  ASSERT_EQ(Parse("layer 0\n\n..o.o\n", pair), "");
  EXPECT_TRUE(bVerifyDeals(pair, 5, error)) << error;
}
