#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/temp_dir.h"

TEST(Files, GamePathsWithBackslashesOpen) {
  ScopedTempCwd cwd;
  WriteWholeFile("content/levels/level0.dat", "abc");
  EXPECT_EQ(PlatformPath("content\\levels\\level0.dat"), "content/levels/level0.dat");
  EXPECT_TRUE(PlatformFileReadable("content\\levels\\level0.dat"));
  EXPECT_FALSE(PlatformFileReadable("content\\levels\\level1.dat"));
  FILE* f = PlatformOpen("content\\levels\\level0.dat", "rb");
  ASSERT_NE(f, nullptr);
  char buffer[4] = {};
  EXPECT_EQ(std::fread(buffer, 1, 3, f), 3u);
  std::fclose(f);
  EXPECT_STREQ(buffer, "abc");
}
