// Finding the content from anywhere and keeping the player's files in the player's folder.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>

#include "diag/debug_log.h"
#include "platform/files.h"
#include "platform/user_paths.h"
#include "save/scores.h"
#include "shell/data_dir.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {
void vPutContent(const std::string& folder) {
  WriteWholeFile(folder + "/content/art/content.idx", "index");
}

std::string FoundIn(const std::vector<DataFolderCandidate>& candidates) {
  const DataFolderCandidate* found = FirstWithContent(candidates);
  return found != nullptr ? found->folder : "";
}

class PlayerFiles : public ::testing::Test {
 protected:
  void TearDown() override {
    PlatformClearRedirects();
    vSetTraceFolder("");
  }
  ScopedTempCwd cwd_;
};
}  // namespace

TEST(DataFolder, SearchesTheProgramsFolderThenTheInstalledOneThenTheBuiltInOne) {
  ScopedTempCwd cwd;
  const std::string program = cwd.path() + "/opt/bin", installed = cwd.path() + "/opt/share/tavimora",
                    builtIn = cwd.path() + "/built-in";
  fs::create_directories(program);
  auto candidates = DataFolderCandidates("", "", program + "/", "../share/tavimora", builtIn);
  ASSERT_EQ(candidates.size(), 3u);
  EXPECT_EQ(FoundIn(candidates), "");
  std::string message = NoContentMessage(candidates);
  for (const std::string& folder : {program, installed, builtIn}) {
    EXPECT_NE(message.find(folder), std::string::npos) << message;
  }
  vPutContent(builtIn);
  EXPECT_EQ(FoundIn(candidates), builtIn);
  vPutContent(installed);
  EXPECT_EQ(FoundIn(candidates), installed);
  vPutContent(program);
  EXPECT_EQ(FoundIn(candidates), program);

  // A folder the player names is the only place looked in; the option goes before the variable.
  auto named = DataFolderCandidates("mine", "theirs", program + "/", "../share/tavimora", builtIn);
  ASSERT_EQ(named.size(), 1u);
  EXPECT_EQ(named[0].folder, cwd.path() + "/mine");
  named = DataFolderCandidates("", "theirs", program + "/", "../share/tavimora", builtIn);
  ASSERT_EQ(named.size(), 1u);
  EXPECT_EQ(named[0].kind, DataFolderKind::kVariable);
}

TEST_F(PlayerFiles, GoToThePlayersFolderAndTheShippedTableSeedsItOnce) {
  WriteWholeFile("content/levels/scores.txt", "Shipped\n7000\n");
  const std::string player = cwd_.path() + "/player/";
  fs::create_directories(player);
  vUsePlayerFolder(player, cwd_.path());
  vLoadHighScores();
  EXPECT_STREQ(aHighScores[0].name, "Shipped");
  int32_t best = 0;
  vLoadBestScore(best);
  GraphicsDebugLog("a line\n");
  EXPECT_TRUE(fs::exists(player + "scr.dat"));
  EXPECT_TRUE(fs::exists(player + "graphics_debug.txt"));
  EXPECT_EQ(PlatformPath("content\\art\\temp.pcx"), player + "temp.pcx");
  EXPECT_FALSE(fs::exists("content/levels/scr.dat"));
  EXPECT_FALSE(fs::exists("graphics_debug.txt"));

  WriteWholeFile(player + "scores.txt", "Mine\n9000\n");
  vUsePlayerFolder(player, cwd_.path());  // the next start keeps the player's own table
  EXPECT_EQ(ReadWholeFile(player + "scores.txt"), "Mine\n9000\n");
}

// The player's files stay beside the content only in a copy the player named or found beside
// the program, and only once it keeps the best score there; an installed or built-in tree is
// never written, whoever runs the game.
TEST_F(PlayerFiles, StayBesideTheContentOnlyInACopyThatAlreadyKeepsTheBest) {
  vPutContent(cwd_.path());
  fs::create_directories("content/levels");
  const std::pair<DataFolderKind, bool> kinds[] = {
      {DataFolderKind::kOption, true},     {DataFolderKind::kVariable, true},
      {DataFolderKind::kProgramFolder, true}, {DataFolderKind::kInstalled, false},
      {DataFolderKind::kBuiltIn, false}};
  for (auto [kind, keeps] : kinds) {
    fs::remove("content/levels/scr.dat");
    EXPECT_FALSE(bKeepsPlayerFiles({cwd_.path(), kind})) << static_cast<int>(kind);
    WriteWholeFile("content/levels/scr.dat", std::string(4, '\0'));
    EXPECT_EQ(bKeepsPlayerFiles({cwd_.path(), kind}), keeps) << static_cast<int>(kind);
  }
}

// An empty or relative XDG_DATA_HOME is ignored, so the folder is never made under / or the
// working directory.
TEST_F(PlayerFiles, FolderIgnoresAnXdgDataHomeThatIsNotAbsolute) {
  setenv("HOME", cwd_.path().c_str(), 1);
  for (const char* dataHome : {"", "relative"}) {
    setenv("XDG_DATA_HOME", dataHome, 1);
    std::string folder, error;
    ASSERT_TRUE(PlatformUserDataFolder("tavimora", folder, error)) << error;
    EXPECT_EQ(folder, cwd_.path() + "/.local/share/tavimora/");
  }
  EXPECT_FALSE(fs::exists("relative"));
}

// The disk fills up while the best score is saved (a file size limit stands in for it): the
// old file stays whole and no partial file is left.
TEST_F(PlayerFiles, FullDiskWhileSavingKeepsTheOldBest) {
  const std::string best = "content/levels/scr.dat", old("\x28\x23\x00\x00", 4);
  WriteWholeFile(best, old);
  EXPECT_EXIT(
      {
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{};
        limit.rlim_cur = limit.rlim_max = 2;
        setrlimit(RLIMIT_FSIZE, &limit);
        int32_t held = 9000;
        vSaveBestScore(20000, held);
        std::exit(0);
      },
      ::testing::ExitedWithCode(0), "");
  EXPECT_EQ(ReadWholeFile(best), old);
  EXPECT_FALSE(fs::exists(best + ".tmp"));
}
