// Replays the fuzz seed pictures: every one decodes at every depth with a valid result.
#include <filesystem>

#include "pcx_fixture.h"

TEST_F(PcxTest, SeedPicturesDecodeAtEveryDepth) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(TAVIMORA_PCX_CORPUS_DIR)) {
    ++files;
    std::string path = entry.path().string();
    for (int depth : {8, 16, 24, 32}) {
      Activate(depth, 30, 20);
      for (int flags : {0, kPcxAtPosition, kPcxAtPosition | kPcxKeepPalette}) {
        MoveTo(3, 2);
        int result = ShowPcx(path.c_str(), flags);
        EXPECT_TRUE(result >= kPcxOk && result <= kPcxNoMemory) << path << " " << result;
      }
      DeactivateBuffers();
      CloseVirtualBuffer(-1);
    }
  }
  EXPECT_GE(files, 8);
}
