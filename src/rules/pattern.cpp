// Level patterns: reading and checking them.
#include "rules/pattern.h"

#include <algorithm>
#include <cstring>

#include "util/little_endian.h"

namespace {

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

void ParsePattern(const unsigned char* bytes, size_t size, int32_t* cells) {
  std::fill(cells, cells + kBoardCells, 0);
  size = std::min(size, kPatternBytes);
  for (size_t i = 0; 4 * i < size; ++i) {
    // A last cell cut short keeps the bytes it has.
    unsigned char cell[4] = {};
    std::memcpy(cell, bytes + 4 * i, std::min<size_t>(4, size - 4 * i));
    cells[i] = static_cast<int32_t>(ReadLe32(cell));
  }
}
