#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "contentgen/deal_check.h"
#include "contentgen/layouts.h"

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

TEST(Layouts, FirstLevelIsSmallAndTheFilesComeInNameOrder) {
  std::vector<std::string> files = LayoutFiles(TAVIMORA_LAYOUT_DIR);
  ASSERT_GE(files.size(), 20u);
  EXPECT_NE(files[0].find("00_little_pagoda.txt"), std::string::npos);
  Layout first, last;
  ASSERT_EQ(Parse(ReadFile(files[0]), first), "");
  EXPECT_EQ(first.tiles, 24);
  ASSERT_EQ(Parse(ReadFile(files.back()), last), "");
  EXPECT_GE(last.tiles, 140);
  EXPECT_TRUE(LayoutFiles("/no/such/folder").empty());
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
