// Replays the fuzz seed pictures: every one decodes at every depth with a valid result.
#include <filesystem>

#include "raster/raster_internal.h"

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

// The loader decodes pictures from memory: every seed picture, whole and cut short, decodes from
// memory to the same result and pixels as from its file, from the same palette.
TEST_F(PcxTest, SeedPicturesDecodeFromMemoryAsFromTheirFiles) {
  uint8_t palette[256 * 3];
  for (int i = 0; i < 256 * 3; ++i) palette[i] = static_cast<uint8_t>(i * 13 + 5);
  for (const auto& entry : std::filesystem::directory_iterator(TAVIMORA_PCX_CORPUS_DIR)) {
    const std::string whole = ReadWholeFile(entry.path().string());
    for (size_t length : {whole.size(), whole.size() / 2, size_t{100}}) {
      const std::string bytes = whole.substr(0, length);
      WriteWholeFile("pic.pcx", bytes);
      const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
      for (int depth : {8, 16, 24, 32}) {
        for (int flags : {0, kPcxAtPosition, kPcxAtPosition | kPcxKeepPalette}) {
          RasterSetPaletteEntries(0, 256, palette);
          Activate(depth, 30, 20);
          MoveTo(3, 2);
          const int fromFile = ShowPcx("pic.pcx", flags);
          const std::vector<uint32_t> filePixels = Snapshot(30, 20);
          RasterSetPaletteEntries(0, 256, palette);
          Activate(depth, 30, 20);
          MoveTo(3, 2);
          EXPECT_EQ(ShowPcxMemory(data, bytes.size(), flags), fromFile) << entry.path() << length;
          EXPECT_EQ(Snapshot(30, 20), filePixels) << entry.path() << " " << length;
          DeactivateBuffers();
          CloseVirtualBuffer(-1);
        }
      }
    }
  }
}
