// scr.dat: the start of a game reads the best score (or creates the file), game over stores the
// displayed score when it reaches the stored one. The first byte chooses how the file is there
// (present with the input's bytes, missing, or a folder in its place), the next eight give the
// displayed score and the best score held before loading; the rest is the file.
#include <algorithm>
#include <cstring>
#include <string>

#include "play/game_state.h"
#include "fuzz_support.h"
#include "fuzz_targets.h"
#include "save/scores.h"
#include "util/little_endian.h"

namespace {
constexpr size_t kMaxFileBytes = 64;
constexpr const char* kFile = "content/levels/scr.dat";
constexpr const char* kTemporary = "content/levels/scr.dat.tmp";

enum FileKind { kPresent = 0, kMissing = 1, kFolder = 2 };

std::string Le32(int32_t value) {
  std::string s;
  AppendLe32(s, static_cast<uint32_t>(value));
  return s;
}

// The value read from the file's bytes over `before`: a short file replaces only what it holds.
int32_t Overlaid(int32_t before, const std::string& bytes) {
  std::string value = Le32(before);
  std::memcpy(value.data(), bytes.data(), std::min<size_t>(bytes.size(), 4));
  return static_cast<int32_t>(ReadLe32(value.data()));
}

void vPlaceFile(FileKind kind, const uint8_t* bytes, size_t size) {
  vRemoveFuzzPath(kFile);
  if (kind == kPresent) vWriteFuzzFile(kFile, bytes, size);
  if (kind == kFolder) vBlockWithFolder(kFile);
}

// After vLoadBestScore: the value from the file, or the file created with the value held.
void vCheckLoaded(FileKind kind, int32_t before, const std::string& fileBytes) {
  bool exists = false;
  std::string now = FuzzFileBytes(kFile, &exists);
  if (kind == kPresent) {
    FUZZ_CHECK(gs.iBestScore == Overlaid(before, fileBytes));
    FUZZ_CHECK(exists && now == fileBytes);
  } else if (kind == kMissing) {
    FUZZ_CHECK(gs.iBestScore == before);
    FUZZ_CHECK(exists && now == Le32(before));
  } else {
    FUZZ_CHECK(gs.iBestScore == before && !exists);
  }
}

// After vSaveBestScore: stored when the displayed score reaches the stored one. A folder in the
// file's place is a best score that cannot be read: nothing is saved.
void vCheckSaved(FileKind kind, int32_t loaded, const std::string& fileBefore) {
  bool exists = false;
  FuzzFileBytes(kTemporary, &exists);
  FUZZ_CHECK(!exists);  // a failed write leaves nothing behind
  std::string now = FuzzFileBytes(kFile, &exists);
  if (kind == kFolder) {
    FUZZ_CHECK(gs.iBestScore == loaded && now.empty());
    return;
  }
  if (gs.iShownScore >= Overlaid(0, fileBefore)) {
    FUZZ_CHECK(gs.iBestScore == gs.iShownScore);
    FUZZ_CHECK(now == Le32(gs.iShownScore));
  } else {
    FUZZ_CHECK(gs.iBestScore == loaded);
    FUZZ_CHECK(now == fileBefore);
  }
}
}  // namespace

int FuzzBestScore(const uint8_t* data, size_t size) {
  if (size < 9 || size > 9 + kMaxFileBytes) return 0;
  FuzzWorkDirScope workDir;
  FileKind kind = static_cast<FileKind>(data[0] % 3);
  int32_t shown = static_cast<int32_t>(ReadLe32(data + 1));
  int32_t before = static_cast<int32_t>(ReadLe32(data + 5));
  std::string fileBytes(reinterpret_cast<const char*>(data + 9), size - 9);

  vPlaceFile(kind, data + 9, size - 9);
  gs.iBestScore = before;
  vLoadBestScore(gs.iBestScore);
  vCheckLoaded(kind, before, fileBytes);

  bool exists = false;
  std::string fileBefore = FuzzFileBytes(kFile, &exists);
  int32_t loaded = gs.iBestScore;
  gs.iShownScore = shown;
  vSaveBestScore(gs.iShownScore, gs.iBestScore);
  vCheckSaved(kind, loaded, fileBefore);
  return 0;
}
