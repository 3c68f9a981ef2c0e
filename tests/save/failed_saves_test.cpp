// A failed save is told once (taken once for the player's note) until a write of the same file
// succeeds; a success before the note takes it leaves nothing to tell.
#include <gtest/gtest.h>

#include "save/failed_saves.h"

namespace {
void vRecord(SavedFile file, bool written) { vRecordSave(file, "content\\levels\\x", written, "f"); }

bool bTaken(SavedFile expected) {
  SavedFile taken{};
  return bTakeFailedSave(taken) && taken == expected;
}
}  // namespace

TEST(FailedSaves, AreToldOnceUntilAWriteOfTheFileSucceeds) {
  vForgetFailedSaves();
  vRecord(SavedFile::kSettings, false);
  vRecord(SavedFile::kScoreTable, false);
  EXPECT_TRUE(bTaken(SavedFile::kScoreTable));
  EXPECT_TRUE(bTaken(SavedFile::kSettings));
  vRecord(SavedFile::kSettings, false);
  vRecord(SavedFile::kSettings, false);
  EXPECT_FALSE(bTaken(SavedFile::kSettings)) << "told again without a success between";
  vRecord(SavedFile::kSettings, true);
  vRecord(SavedFile::kSettings, false);
  EXPECT_TRUE(bTaken(SavedFile::kSettings)) << "not told after a success";
  vRecord(SavedFile::kBestScore, false);
  vRecord(SavedFile::kBestScore, true);
  EXPECT_FALSE(bTaken(SavedFile::kBestScore)) << "told though saved since";
}
