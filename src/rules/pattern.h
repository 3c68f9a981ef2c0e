#pragma once
// Level patterns: where tiles lie, 1 for a tile origin and 0 for an empty cell. A pattern file
// holds the 2240 cells as little-endian 32-bit values.
#include <cstddef>

#include "rules/board.h"

constexpr size_t kPatternBytes = sizeof(int32_t) * kBoardCells;  // 8960

// What is wrong with a pattern, if anything.
enum PatternProblem {
  kPatternOk = 0,
  kPatternEmpty,        // no tile at all
  kPatternBadValue,     // a cell holds something other than 0 or 1
  kPatternOutOfBounds,  // a tile origin in column 27 or row 15
  kPatternOverlap,      // two tiles of one layer overlap
  kPatternOddCount,     // an odd number of tiles
};

// Checks a pattern as loaded from a file (2240 cells).
PatternProblem iCheckPattern(const int32_t* cells);
const char* PatternProblemText(PatternProblem problem);

// Turns a pattern file's bytes into cells; cells the bytes do not reach are empty.
void ParsePattern(const unsigned char* bytes, size_t size, int32_t* cells);
