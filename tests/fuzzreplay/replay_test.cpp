// Every seed of every fuzz corpus, and every input that once crashed a fuzzer (kept for ever in
// fuzz/crashes/<target>/), runs through the fuzzer's own target body. Each input runs in a child
// process, so a fault names its file and the next input starts from a clean process.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "corpus_files.h"
#include "fuzz_targets.h"

namespace fuzzreplay {
namespace {
struct Target {
  const char* name;
  int (*body)(const uint8_t*, size_t);
  size_t minSeeds;
};

void PrintTo(const Target& t, std::ostream* os) { *os << t.name; }

class FuzzReplayTest : public ::testing::TestWithParam<Target> {
 protected:
  void Replay(const std::vector<fs::path>& files) {
    for (const fs::path& file : files) {
      const std::string input = Bytes(file);
      EXPECT_EXIT(std::exit(GetParam().body(Data(input), input.size())),
                  ::testing::ExitedWithCode(0), "")
          << file;
    }
  }
};

TEST_P(FuzzReplayTest, SeedCorpusRunsClean) {
  std::vector<fs::path> seeds = Seeds(GetParam().name);
  EXPECT_GE(seeds.size(), GetParam().minSeeds);
  Replay(seeds);
}

TEST_P(FuzzReplayTest, EveryCrashEverFoundStaysFixed) {
  const fs::path folder = FuzzDir() / "crashes" / GetParam().name;
  const std::vector<fs::path> crashes = FilesIn(folder);
  if (crashes.empty()) GTEST_SKIP() << "no input ever crashed this fuzzer (" << folder << " is empty)";
  Replay(crashes);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, FuzzReplayTest,
    ::testing::Values(Target{"pcx", FuzzPcxFile, 8}, Target{"pattern", FuzzPatternFile, 8},
                      Target{"scores", FuzzScoreTable, 6}, Target{"best_score", FuzzBestScore, 6},
                      Target{"content", FuzzContentArchive, 5},
                      Target{"settings", FuzzSettingsFile, 4},
                      Target{"last_name", FuzzLastNameFile, 4},
                      Target{"texts", FuzzTextTable, 3}),
    [](const ::testing::TestParamInfo<Target>& param) { return std::string(param.param.name); });
}  // namespace
}  // namespace fuzzreplay
