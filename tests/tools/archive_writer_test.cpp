#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "contentgen/archive_writer.h"
#include "contentgen/bmp_writer.h"
#include "support/temp_dir.h"
#include "util/little_endian.h"

using namespace contentgen;

namespace {

uint32_t U32(const std::vector<uint8_t>& v, size_t at) { return ReadLe32(v.data() + at); }

}  // namespace

TEST(ArchiveWriter, RecordsGiveOffsetZeroFilledNameAndLength) {
  ArchiveWriter a;
  ASSERT_TRUE(a.Add("gamescreen.pcx", {1, 2, 3, 4, 5}));
  ASSERT_TRUE(a.Add("num10.pcx", {9, 8}));
  ASSERT_TRUE(a.Add("empty.pcx", {}));
  std::vector<uint8_t> index = a.IndexBytes();
  ASSERT_EQ(index.size(), 3 * kIndexRecordSize);
  EXPECT_EQ(U32(index, 0), 0u);
  EXPECT_STREQ(reinterpret_cast<const char*>(&index[4]), "gamescreen.pcx");
  EXPECT_EQ(U32(index, 260), 5u);
  EXPECT_EQ(U32(index, 264), 5u);
  EXPECT_STREQ(reinterpret_cast<const char*>(&index[268]), "num10.pcx");
  EXPECT_EQ(U32(index, 264 + 260), 2u);
  EXPECT_EQ(U32(index, 528), 7u);
  EXPECT_EQ(U32(index, 528 + 260), 0u);
  // Everything after a name's terminator is zero, so the index is the same on every build.
  for (size_t i = 4 + std::strlen("gamescreen.pcx"); i < 260; ++i) ASSERT_EQ(index[i], 0) << i;
  EXPECT_EQ(a.PackBytes(), (std::vector<uint8_t>{1, 2, 3, 4, 5, 9, 8}));
}

TEST(ArchiveWriter, RefusesNamesThatDoNotFitARecord) {
  ArchiveWriter a;
  EXPECT_FALSE(a.Add("", {1}));
  EXPECT_FALSE(a.Add(std::string(256, 'a'), {1}));
  EXPECT_TRUE(a.Add(std::string(255, 'a'), {1}));
  EXPECT_EQ(a.Count(), 1u);
}

TEST(ArchiveWriter, WritesBothFilesAndReportsAFolderThatIsMissing) {
  ScopedTempCwd cwd;
  ArchiveWriter a;
  a.Add("a.pcx", {7, 7});
  ASSERT_TRUE(a.Write("content.idx", "content.pak"));
  EXPECT_EQ(ReadWholeFile("content.idx").size(), kIndexRecordSize);
  EXPECT_EQ(ReadWholeFile("content.pak"), std::string("\x07\x07"));
  EXPECT_FALSE(a.Write("missing/content.idx", "missing/content.pak"));
}

TEST(BmpWriter, RowsAreBottomUpAndPaddedToFourBytes) {
  Image im(5, 2);
  im.at(0, 0) = {10, 20, 30};  // top-left
  im.at(4, 1) = {1, 2, 3};     // bottom-right
  std::vector<uint8_t> f = EncodeBmp24(im);
  ASSERT_EQ(f.size(), 54u + 2 * 16);
  EXPECT_EQ(f[0], 'B');
  EXPECT_EQ(U32(f, 2), f.size());
  EXPECT_EQ(U32(f, 10), 54u);
  EXPECT_EQ(U32(f, 18), 5u);
  EXPECT_EQ(U32(f, 22), 2u);
  EXPECT_EQ(f[28], 24);
  // First stored row is the bottom one: its last pixel, blue first.
  EXPECT_EQ(f[54 + 12], 3);
  EXPECT_EQ(f[54 + 14], 1);
  // Second stored row is the top one.
  EXPECT_EQ(f[54 + 16], 30);
  EXPECT_EQ(f[54 + 18], 10);
  Image icon = MakeIcon(32);
  EXPECT_EQ(icon.width, 32);
  EXPECT_EQ(icon.height, 32);
}
