#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "contentgen/catalogue.h"
#include "contentgen/content_writer.h"
#include "contentgen/preview.h"
#include "support/temp_dir.h"
#include "util/little_endian.h"

using namespace contentgen;

namespace {

uint32_t U32(const std::string& v, size_t at) { return ReadLe32(v.data() + at); }

const char* kTwoTiles = "layer 0\n\n..o.o\n";

}  // namespace

TEST(ContentWriter, ArchiveHoldsEveryImageAsAPcxMemberBackToBack) {
  ScopedTempCwd cwd;
  std::filesystem::create_directories("art");
  ASSERT_TRUE(bWriteArt("art"));
  std::string index = ReadWholeFile("art/content.idx"), pack = ReadWholeFile("art/content.pak");
  ASSERT_EQ(index.size() % 264, 0u);
  std::set<std::string> names;
  uint32_t expected = 0;
  for (size_t at = 0; at < index.size(); at += 264) {
    uint32_t offset = U32(index, at), length = U32(index, at + 260);
    EXPECT_EQ(offset, expected);
    expected += length;
    ASSERT_LE(size_t(offset) + length, pack.size());
    EXPECT_EQ(pack[offset], 10);  // a PCX file starts here
    names.insert(std::string(index.c_str() + at + 4));
  }
  EXPECT_EQ(expected, pack.size());
  for (const CatalogueEntry& e : Catalogue()) EXPECT_TRUE(names.count(e.name + ".pcx")) << e.name;
  EXPECT_EQ(ReadWholeFile("art/icon32.bmp").size(), 54u + 32 * 32 * 3);
  EXPECT_EQ(ReadWholeFile("art/icon48.bmp").size(), 54u + 48 * 48 * 3);
}

TEST(ContentWriter, LevelsFollowTheLayoutsAndStaleOnesGo) {
  ScopedTempCwd cwd;
  // Name order puts the row of four first; the level order puts the easier pair first.
  WriteWholeFile("layouts/a_row.txt", "layer 0\n\no.o.o.o\n");
  WriteWholeFile("layouts/b_pair.txt", kTwoTiles);
  WriteWholeFile("layouts/notes.md", "not a layout");
  WriteWholeFile("levels/level7.dat", "old");
  WriteWholeFile("levels/scr.dat", "keep");
  ASSERT_TRUE(bWriteLevels("layouts", "levels", 3));
  EXPECT_EQ(ReadWholeFile("levels/level0.dat").size(), 8960u);
  EXPECT_EQ(ReadWholeFile("levels/level1.dat").size(), 8960u);
  EXPECT_FALSE(std::filesystem::exists("levels/level2.dat"));
  EXPECT_FALSE(std::filesystem::exists("levels/level7.dat"));
  EXPECT_EQ(ReadWholeFile("levels/scr.dat"), "keep");
  EXPECT_EQ(ReadWholeFile("levels/level0.dat")[0], 0);
  EXPECT_EQ(ReadWholeFile("levels/level1.dat")[0], 1);
}

TEST(ContentWriter, ABrokenLayoutStopsTheLevels) {
  ScopedTempCwd cwd;
  WriteWholeFile("layouts/00_a.txt", "layer 0\n\no.o.o.\n");
  std::filesystem::create_directories("levels");
  EXPECT_FALSE(bWriteLevels("layouts", "levels", 3));
  EXPECT_FALSE(std::filesystem::exists("levels/level0.dat"));
  std::filesystem::create_directories("empty");
  EXPECT_FALSE(bWriteLevels("empty", "levels", 3));
}

TEST(ContentWriter, SoundsAndPreviewsAreWritten) {
  ScopedTempCwd cwd;
  std::filesystem::create_directories("sound");
  ASSERT_TRUE(bWriteSoundEffects("sound"));
  for (const char* name : {"button_over", "goodmove", "badmove", "nomoves", "levelclear", "hint"}) {
    std::string wav = ReadWholeFile(std::string("sound/") + name + ".wav");
    ASSERT_GT(wav.size(), 44u) << name;
    EXPECT_EQ(wav.substr(0, 4), "RIFF");
  }
  std::vector<Layout> layouts;
  WriteWholeFile("layouts/00_a.txt", kTwoTiles);
  ASSERT_TRUE(bLoadLayouts("layouts", layouts));
  std::filesystem::create_directories("preview");
  ASSERT_TRUE(bWritePreviews("preview", layouts));
  for (const char* name : {"title", "title_menubar", "title_choosediff", "title_areyousure", "gamehelp", "gamescreen",
                           "message_gameover", "clicktocontinue", "layouts"}) {
    EXPECT_EQ(ReadWholeFile(std::string("preview/") + name + ".png").substr(1, 3), "PNG") << name;
  }
  EXPECT_FALSE(bWritePreviews("no/such/folder", layouts));
}
