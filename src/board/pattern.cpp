// Level pattern files: 2240 little-endian 32-bit cells, 1 for a tile origin, 0 for empty.
#include <cstdio>
#include <cstring>

#include "board/deal.h"
#include "platform/files.h"

namespace {

constexpr size_t kPatternBytes = sizeof(int32_t) * kBoardCells;  // 8960

bool bOverlapsLater(const int32_t* cells, int x, int y, int z) {
  // Looking only forwards in cell order finds every overlapping pair once.
  const int neighbours[4][2] = {{1, 0}, {-1, 1}, {0, 1}, {1, 1}};
  for (const auto& n : neighbours) {
    int a = x + n[0];
    int b = y + n[1];
    if (a < 0 || a > kMaxOriginColumn || b > kMaxOriginRow) continue;
    if (cells[iGetCellIndex(a, b, z)] != 0) return true;
  }
  return false;
}

}  // namespace

PatternProblem iCheckPattern(const int32_t* cells) {
  int tiles = 0;
  for (CellIndex i = 0; i < kBoardCells; ++i) {
    if (cells[i] == 0) continue;
    if (cells[i] != 1) return kPatternBadValue;
    int x, y, z;
    vGetCellXYZ(i, x, y, z);
    if (x > kMaxOriginColumn || y > kMaxOriginRow) return kPatternOutOfBounds;
    ++tiles;
  }
  for (CellIndex i = 0; i < kBoardCells; ++i) {
    if (cells[i] == 0) continue;
    int x, y, z;
    vGetCellXYZ(i, x, y, z);
    if (bOverlapsLater(cells, x, y, z)) return kPatternOverlap;
  }
  if (tiles == 0) return kPatternEmpty;
  if (tiles % 2 != 0) return kPatternOddCount;
  return kPatternOk;
}

const char* PatternProblemText(PatternProblem problem) {
  switch (problem) {
    case kPatternOk: return "valid";
    case kPatternEmpty: return "no tiles";
    case kPatternBadValue: return "a cell holds a value other than 0 or 1";
    case kPatternOutOfBounds: return "a tile lies in column 27 or row 15";
    case kPatternOverlap: return "two tiles of one layer overlap";
    case kPatternOddCount: return "an odd number of tiles";
  }
  return "unknown problem";
}

void vLoadPattern(const char* path) {
  std::memset(Board, 0, sizeof Board);
  FILE* f = PlatformOpen(path, "rb");
  if (f == nullptr) return;
  unsigned char bytes[kPatternBytes] = {};
  size_t got = std::fread(bytes, 1, kPatternBytes, f);  // a short file leaves the rest empty
  std::fclose(f);
  (void)got;
  for (CellIndex i = 0; i < kBoardCells; ++i) {
    const unsigned char* p = bytes + 4 * i;
    uint32_t value = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
    Board[i] = static_cast<int32_t>(value);
  }
}
