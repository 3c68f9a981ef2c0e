// A best-score file that exists but cannot be read may hold a higher best than the game knows:
// it must stay as it is, at the start of a game and at game over. Checked as a user whom the
// file's permissions stop (root reads through them, so root runs the checks as nobody).
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "save/scores.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {
const std::string kBest = "content/levels/scr.dat";
const std::string k9000("\x28\x23\x00\x00", 4);

void vCheckUnreadableBestIsKept() {
  WriteWholeFile(kBest, k9000);
  ASSERT_EQ(chmod(kBest.c_str(), 0), 0);
  int32_t best = 0;
  vLoadBestScore(best);  // not read, and not replaced by the 0 in memory
  vSaveBestScore(1000, best);  // a lower score must not count the unread best as 0
  ASSERT_EQ(chmod(kBest.c_str(), 0644), 0);
  EXPECT_EQ(ReadWholeFile(kBest), k9000);
  EXPECT_FALSE(fs::exists(kBest + ".tmp"));
}
}  // namespace

TEST(UnreadableBest, IsLeftUntouchedAtStartAndAtGameOver) {
  ScopedTempCwd cwd;
  if (geteuid() != 0) {
    vCheckUnreadableBestIsKept();
    return;
  }
  fs::create_directories("content/levels");
  for (const auto& entry : fs::recursive_directory_iterator(cwd.path())) {
    ASSERT_EQ(chown(entry.path().c_str(), 65534, 65534), 0);
  }
  ASSERT_EQ(chown(cwd.path().c_str(), 65534, 65534), 0);
  ASSERT_EQ(chmod(cwd.path().c_str(), 0755), 0);
  EXPECT_EXIT(
      {
        if (setgid(65534) != 0 || setuid(65534) != 0) std::exit(3);
        vCheckUnreadableBestIsKept();
        std::exit(::testing::Test::HasFailure() ? 1 : 0);
      },
      ::testing::ExitedWithCode(0), "");
}
