// The content archive: the input is split into the index and the pack, and vLoadBitmaps reads
// the index into the catalogue and loads every image of the game from the pack. Layout of an
// input: one byte of flags (bit 0: no index file, bit 1: no pack file, bit 2: a folder where the
// temporary picture is written), the index length (16 bits, little-endian), the index, the pack.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "content/catalogue.h"
#include "fuzz_support.h"
#include "fuzz_targets.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "raster/raster.h"
#include "util/little_endian.h"

namespace {
constexpr size_t kMaxInput = 512 * 1024;
constexpr uint8_t kNoIndex = 1, kNoPack = 2, kBlockedTemporary = 4;
constexpr const char* kIndexFile = "content/art/content.idx";
constexpr const char* kPackFile = "content/art/content.pak";
constexpr const char* kTemporaryFile = "content/art/temp.pcx";

// The frame stack images are decoded into, once per process.
bool SetUp() {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  FUZZ_CHECK(gFrameStack.Init(kFrameWidth, kFrameHeight, 32, nullptr, true));
  iColorDepth = gFrameStack.Depth();
  return true;
}

void vPlaceFiles(uint8_t flags, const uint8_t* index, size_t indexSize, const uint8_t* pack,
                 size_t packSize) {
  vRemoveFuzzPath("graphics_debug.txt");  // one line per missing image: it would grow for ever
  vRemoveFuzzPath(kIndexFile);
  vRemoveFuzzPath(kPackFile);
  vRemoveFuzzPath(kTemporaryFile);
  if (!(flags & kNoIndex)) vWriteFuzzFile(kIndexFile, index, indexSize);
  if (!(flags & kNoPack)) vWriteFuzzFile(kPackFile, pack, packSize);
  if (flags & kBlockedTemporary) vBlockWithFolder(kTemporaryFile);
}

// Every record whose offset could be read is an entry, up to the table's size; bytes a cut-short
// record lacks read as 0 and every name ends within its field.
void vCheckCatalogue(const uint8_t* index, size_t size) {
  size_t records = size / kIndexRecordBytes + (size % kIndexRecordBytes >= 4 ? 1 : 0);
  if (records > size_t{kCatalogueEntries}) records = kCatalogueEntries;
  FUZZ_CHECK(gCatalogue.count == static_cast<int32_t>(records));
  for (size_t k = 0; k < records; ++k) {
    uint8_t record[kIndexRecordBytes] = {};
    size_t start = k * kIndexRecordBytes;
    std::memcpy(record, index + start, std::min(size - start, sizeof record));
    const ContentEntry& entry = gCatalogue.entries[k];
    FUZZ_CHECK(entry.offset == ReadLe32(record));
    FUZZ_CHECK(entry.length == ReadLe32(record + 4 + kContentNameBytes));
    FUZZ_CHECK(std::memchr(entry.name, '\0', sizeof entry.name) != nullptr);
    FUZZ_CHECK(std::strncmp(entry.name, reinterpret_cast<const char*>(record + 4),
                            kContentNameBytes - 1) == 0);
  }
}

// Every sprite the loader may fill.
template <typename Visit>
void vForEachSprite(Visit visit) {
  GameResources& r = gResources;
  for (Sprite* s : {&r.title, &r.clickToContinue, &r.gameHelp, &r.menuBar, &r.helpButton,
                    &r.gameScreen, &r.shadow, &r.tileSelect, &r.gameOver, &r.timeRunningOut,
                    &r.chooseDifficulty, &r.areYouSure, &r.messageBar, &r.messageBar2,
                    &r.noMoreMoves, &r.levelClearBonus, &r.border}) {
    visit(*s);
  }
  for (Sprite& s : r.tiles) visit(s);
  for (Sprite& s : r.patternTiles) visit(s);
  for (Sprite& s : r.ticks) visit(s);
  for (Sprite& s : r.tileBlock) visit(s);
  for (Sprite& s : r.digits) visit(s);
  for (Sprite& s : r.hintAngels) visit(s);
}

// A sprite either holds a whole picture that fits the screen buffer or nothing at all.
void vCheckSprite(const Sprite& s) {
  FUZZ_CHECK(s.width >= 0 && s.width <= kFrameWidth && s.height >= 0 && s.height <= kFrameHeight);
  FUZZ_CHECK((s.width == 0) == (s.height == 0));
  FUZZ_CHECK((s.width > 0) == (s.pixels != nullptr));
}
}  // namespace

int FuzzContentArchive(const uint8_t* data, size_t size) {
  static bool ready = SetUp();
  (void)ready;
  if (size < 3 || size > kMaxInput) return 0;
  FuzzWorkDirScope workDir;
  const uint8_t flags = data[0];
  const size_t indexSize = std::min<size_t>(ReadLe16(data + 1), size - 3);
  const uint8_t* index = data + 3;
  const uint8_t* pack = index + indexSize;
  vPlaceFiles(flags, index, indexSize, pack, size - 3 - indexSize);
  // As at start-up, every sprite is empty: what an input leaves must not depend on earlier ones.
  vForEachSprite([](Sprite& s) { s.Resize(0, 0); });

  vLoadBitmaps();
  if (flags & kNoIndex) {
    FUZZ_CHECK(gCatalogue.count == 0 && std::strstr(szContentError, "content.idx") != nullptr);
  } else {
    vCheckCatalogue(index, indexSize);
  }
  // Loading only stops for a missing or unwritable file.
  if (!(flags & (kNoIndex | kNoPack | kBlockedTemporary))) FUZZ_CHECK(szContentError[0] == '\0');
  vForEachSprite(vCheckSprite);
  FUZZ_CHECK(GetActiveBuffer() == -1);  // the loader leaves no buffer of its own active
  return 0;
}
