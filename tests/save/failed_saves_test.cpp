// A save that cannot be written: the old file stays whole, and the failure is told once (one
// trace line, one failure to take for the player's note) until a write of the same file succeeds
// again. The write is made to fail by a folder in the place of its temporary file.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "diag/debug_log.h"
#include "save/failed_saves.h"
#include "save/scores.h"
#include "save/settings.h"
#include "support/temp_dir.h"
#include "util/little_endian.h"

namespace fs = std::filesystem;

namespace {
struct SaveCase {
  const char* file;
  SavedFile kind;
  const char* traced;
  std::function<void()> save;  // a save that writes the file (each call something new)
};

int gRound = 0;

void vSaveSettings() {
  Settings s = CurrentSettings();
  s.volume = 1 + (++gRound % kVolumeSteps);
  StoreSettings(s);
  vFlushSettings();
}

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

bool bTaken(SavedFile kind) {
  SavedFile taken{};
  return bTakeFailedSave(taken) && taken == kind;
}
}  // namespace

TEST(FailedSaves, AreToldOnceUntilAWriteOfTheFileSucceedsAndKeepTheOldFile) {
  const SaveCase cases[] = {
      {"scr.dat", SavedFile::kBestScore, "vSaveBestScore() Could not save ",
       [] {
         int32_t best = 0;
         vSaveBestScore(1000 + ++gRound, best);
       }},
      {"scores.txt", SavedFile::kScoreTable, "bSaveHighScores() Could not save ",
       [] { bSaveHighScores(); }},
      {"settings.txt", SavedFile::kSettings, "StoreSettings() Could not save ", vSaveSettings},
  };
  for (const SaveCase& c : cases) {
    ScopedTempCwd cwd;
    vForgetSettings();
    vForgetFailedSaves();
    vSetDebugTrace(true);
    const std::string path = std::string("content/levels/") + c.file;
    std::string old;
    AppendLe32(old, 7);
    WriteWholeFile(path, old);
    fs::create_directories(path + ".tmp");
    for (int i = 0; i < 3; ++i) c.save();
    EXPECT_EQ(ReadWholeFile(path), old) << c.file;
    EXPECT_EQ(Count(ReadWholeFile("debug.txt"), c.traced), 1) << c.file;
    EXPECT_TRUE(bTaken(c.kind)) << c.file;
    EXPECT_FALSE(bTaken(c.kind)) << c.file << ": told twice";
    // A write that succeeds in between: the next failure is told again...
    fs::remove(path + ".tmp");
    c.save();
    fs::create_directories(path + ".tmp");
    c.save();
    EXPECT_EQ(Count(ReadWholeFile("debug.txt"), c.traced), 2) << c.file;
    // ...unless a write succeeds before the player's note takes it.
    fs::remove(path + ".tmp");
    c.save();
    EXPECT_FALSE(bTaken(c.kind)) << c.file << ": told though saved since";
    vSetDebugTrace(false);
    vForgetSettings();
  }
}
