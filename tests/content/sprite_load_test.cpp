#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "content/catalogue.h"
#include "content_fixture.h"
#include "gfx/frame_stack.h"
#include "gfx/sprite.h"
#include "platform/user_paths.h"

namespace {
constexpr uint32_t kRed = 0xF80000, kGreen = 0x00FC00, kBlue = 0x0000F8;

class SpriteLoadTest : public ContentTestBase, public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { StartFrames(GetParam()); }
  void TearDown() override { StopFrames(); }
  Sprite sprite;
};

TEST_P(SpriteLoadTest, NamesMatchIgnoringCaseAndTheLastDuplicateWins) {
  TestCatalogue index(WriteArchive({{"TILE3.PCX", SolidPcx(2, 2, kRed)},
                                    {"title.pcx", SolidPcx(3, 2, kGreen)},
                                    {"Title.Pcx", SolidPcx(5, 4, kBlue)}}));
  LoadFrom(sprite, &index.catalogue, "tile3");
  EXPECT_EQ(sprite.width, 2);
  EXPECT_EQ(sprite.height, 2);
  EXPECT_EQ(Shown(sprite, 1, 1), Stored(kRed));

  LoadFrom(sprite, &index.catalogue, "title");
  EXPECT_EQ(sprite.width, 5);
  EXPECT_EQ(sprite.height, 4);
  EXPECT_EQ(Shown(sprite, 4, 3), Stored(kBlue));
  EXPECT_FALSE(std::filesystem::exists("graphics_debug.txt"));
}

TEST_P(SpriteLoadTest, PicturesKeepTheirRowsAndColumns) {
  // Offsets in the header, odd widths and long runs must not disturb the picture.
  auto colour = [](int x, int y) { return x < 3 ? 0xFFFFFFu : (y == 0 ? kRed : kGreen); };
  std::string pcx = EncodePcx24(71, 3, colour, 40, 7);
  TestCatalogue index(WriteArchive({{"face.pcx", pcx}}));
  LoadFrom(sprite, &index.catalogue, "face");
  ASSERT_EQ(sprite.width, 71);
  ASSERT_EQ(sprite.height, 3);
  EXPECT_EQ(Shown(sprite, 0, 2), (Rgb{255, 255, 255}));
  EXPECT_EQ(Shown(sprite, 70, 0), Stored(kRed));
  EXPECT_EQ(Shown(sprite, 70, 2), Stored(kGreen));
}

TEST_P(SpriteLoadTest, MemberAtOffsetZeroIsReadFromTheFirstByte) {
  std::string first = SolidPcx(4, 4, kGreen), second = SolidPcx(6, 2, kRed);
  WriteWholeFile("content/art/content.pak", first + second);
  TestCatalogue index({{uint32_t(first.size()), "second.pcx", uint32_t(second.size())},
                       {0, "first.pcx", uint32_t(first.size())}});
  LoadFrom(sprite, &index.catalogue, "first");
  EXPECT_EQ(sprite.width, 4);
  EXPECT_EQ(Shown(sprite, 3, 3), Stored(kGreen));
  LoadFrom(sprite, &index.catalogue, "second");
  EXPECT_EQ(sprite.width, 6);
  EXPECT_EQ(Shown(sprite, 5, 1), Stored(kRed));
}

INSTANTIATE_TEST_SUITE_P(Depths, SpriteLoadTest, ::testing::Values(32, 24, 16));

class SpriteLoadFaultTest : public ContentTestBase, public ::testing::Test {
 protected:
  void SetUp() override { StartFrames(32); }
  void TearDown() override { StopFrames(); }
  Sprite sprite;
};

TEST_F(SpriteLoadFaultTest, MissingImageLogsOneLineAndFallsBackToThePlainFile) {
  TestCatalogue index(WriteArchive({{"tile0.pcx", SolidPcx(2, 2, kRed)}}));
  LoadFrom(sprite, &index.catalogue, "tile0");
  LoadFrom(sprite, &index.catalogue, "ghost");
  EXPECT_EQ(sprite.width, 0);
  EXPECT_EQ(sprite.height, 0);
  EXPECT_EQ(sprite.pixels, nullptr);
  EXPECT_EQ(GraphicsTrace(), "** FATAL ERROR** COULD NOT FIND FILE ghost.pcx\n");

  WriteWholeFile("loose.pcx", SolidPcx(3, 3, kBlue));
  LoadFrom(sprite, &index.catalogue, "loose");
  EXPECT_EQ(sprite.width, 3);
  EXPECT_EQ(Shown(sprite, 2, 2), Stored(kBlue));
  EXPECT_NE(GraphicsTrace().find("COULD NOT FIND FILE loose.pcx\n"), std::string::npos);
}

TEST_F(SpriteLoadFaultTest, RecordsOutsideThePackLoadNothing) {
  std::string good = SolidPcx(2, 2, kRed);
  WriteWholeFile("content/art/content.pak", good);
  TestCatalogue index({{0, "dup.pcx", uint32_t(good.size())},
                       {uint32_t(good.size()) - 10, "dup.pcx", 100},
                       {0, "past.pcx", uint32_t(good.size()) + 1},
                       {0xFFFFFFF0u, "wrap.pcx", 0x20}});
  LoadFrom(sprite, &index.catalogue, "dup");  // the bad later copy is skipped
  EXPECT_EQ(sprite.width, 2);
  EXPECT_EQ(Shown(sprite, 1, 1), Stored(kRed));
  for (const char* name : {"past", "wrap"}) {
    LoadFrom(sprite, &index.catalogue, name);
    EXPECT_EQ(sprite.width, 0) << name;
    EXPECT_EQ(sprite.pixels, nullptr) << name;
  }
  std::string trace = GraphicsTrace();
  EXPECT_NE(trace.find("past.pcx"), std::string::npos);
  EXPECT_NE(trace.find("wrap.pcx"), std::string::npos);
  EXPECT_EQ(trace.find("COULD NOT FIND"), std::string::npos);
}

TEST_F(SpriteLoadFaultTest, MemberLargerThanTheScratchBlockLoadsNothing) {
  std::string pcx = SolidPcx(2, 2, kRed);
  std::string pack = pcx + std::string(kScratchBlockBytes, '\0');
  WriteWholeFile("content/art/content.pak", pack);
  TestCatalogue index({{0, "huge.pcx", uint32_t(kScratchBlockBytes) + 1}});
  LoadFrom(sprite, &index.catalogue, "huge");
  EXPECT_EQ(sprite.width, 0);
  EXPECT_NE(GraphicsTrace().find("huge.pcx"), std::string::npos);
}

TEST_F(SpriteLoadFaultTest, PicturesThatCannotBeShownWholeLeaveTheSpriteEmpty) {
  std::string notPcx = SolidPcx(2, 2, kRed);
  notPcx[0] = 0;
  TestCatalogue index(WriteArchive({{"wide.pcx", SolidPcx(kFrameWidth + 1, 1, kRed)},
                                    {"tall.pcx", SolidPcx(1, kFrameHeight + 1, kRed)},
                                    {"broken.pcx", notPcx},
                                    {"ok.pcx", SolidPcx(kFrameWidth, kFrameHeight, kRed)}}));
  for (const char* name : {"wide", "tall", "broken"}) {
    LoadFrom(sprite, &index.catalogue, "ok");
    ASSERT_EQ(sprite.width, kFrameWidth);
    LoadFrom(sprite, &index.catalogue, name);
    EXPECT_EQ(sprite.width, 0) << name;
    EXPECT_EQ(sprite.height, 0) << name;
    EXPECT_EQ(sprite.pixels, nullptr) << name;
  }
}

TEST_F(SpriteLoadFaultTest, LoadingGivesTheActiveBufferBack) {
  TestCatalogue index(WriteArchive({{"tile0.pcx", SolidPcx(2, 2, kRed)}}));
  gFrameStack.Select(frame);
  SetClipRect(0, 9, 0, 9);
  LoadFrom(sprite, &index.catalogue, "tile0");
  EXPECT_EQ(GetActiveBuffer(), frame);
  SetColor(MakeColor(255, 255, 255));
  PutPixel(20, 20);  // still outside the clip rectangle it had
  EXPECT_EQ(GetPixel(20, 20), 0u);

  DeactivateBuffers();
  LoadFrom(sprite, &index.catalogue, "tile0");
  EXPECT_EQ(GetActiveBuffer(), -1);
}

TEST_F(SpriteLoadFaultTest, TemporaryFileHoldsExactlyTheLastMemberLoaded) {
  std::string large = SolidPcx(40, 30, kRed), small = SolidPcx(2, 2, kBlue);
  TestCatalogue index(WriteArchive({{"large.pcx", large}, {"small.pcx", small}}));
  LoadFrom(sprite, &index.catalogue, "large");
  LoadFrom(sprite, &index.catalogue, "small");
  EXPECT_EQ(ReadWholeFile("content/art/temp.pcx"), small);  // nothing of the larger one left
}

// A data folder that cannot be written, as root too: the temporary file is sent under a
// regular file. The pictures still load, from the member in memory, and the trace says once
// where the copy could not be written.
TEST_F(SpriteLoadFaultTest, UnwritableTemporaryFileStillLoadsEveryPictureAndIsToldOnce) {
  TestCatalogue index(WriteArchive({{"tile0.pcx", SolidPcx(2, 2, kRed)},
                                    {"tile1.pcx", SolidPcx(3, 1, kBlue)}}));
  WriteWholeFile("locked", "a file, not a folder");
  PlatformRedirectPath("content\\art\\temp.pcx", "locked/temp.pcx");
  szContentError[0] = '\0';
  LoadFrom(sprite, &index.catalogue, "tile0");
  EXPECT_EQ(sprite.width, 2);
  EXPECT_EQ(Shown(sprite, 1, 1), Stored(kRed));
  LoadFrom(sprite, &index.catalogue, "tile1");
  EXPECT_EQ(sprite.width, 3);
  EXPECT_EQ(Shown(sprite, 2, 0), Stored(kBlue));
  PlatformClearRedirects();
  EXPECT_STREQ(szContentError, "");
  EXPECT_EQ(GraphicsTrace(), "** NOTE** CANNOT WRITE " + std::filesystem::current_path().string() +
                                 "/locked/temp.pcx (Not a directory): PICTURES ARE DECODED FROM MEMORY\n");
}

// A pack that cannot be read stops loading with a message naming the file where it was looked
// for; the sprite keeps the picture it had.
TEST_F(SpriteLoadFaultTest, MissingPackStopsWithItsPathAndKeepsThePicture) {
  TestCatalogue index(WriteArchive({{"tile0.pcx", SolidPcx(2, 2, kRed)}}));
  LoadFrom(sprite, &index.catalogue, "tile0");
  std::filesystem::remove("content/art/content.pak");
  szContentError[0] = '\0';
  sprite.Load("tile0");
  EXPECT_EQ(szContentError, "Cannot open " + std::filesystem::current_path().string() + "/content/art/content.pak. Please reinstall the game.");
  EXPECT_EQ(sprite.width, 2);
  EXPECT_EQ(Shown(sprite, 1, 1), Stored(kRed));
  EXPECT_FALSE(std::filesystem::exists("graphics_debug.txt"));
}

}  // namespace
