#pragma once
// Level pattern files and dealing. A pattern says where tiles lie; the deal plays the level
// backwards, taking away random pairs of free tiles and giving each pair one random face, so the
// order in which it took them (aiSolution) clears the board.
#include <cstdint>

#include "board/board.h"

// The faces are written here during a deal and copied over the Board when it is complete.
extern int32_t DealtBoard[kBoardCells];

// What is wrong with a pattern, if anything.
enum PatternProblem {
  kPatternOk = 0,
  kPatternEmpty,        // no tile at all
  kPatternBadValue,     // a cell holds something other than 0 or 1
  kPatternOutOfBounds,  // a tile origin in column 27 or row 15
  kPatternOverlap,      // two tiles of one layer overlap
  kPatternOddCount,     // an odd number of tiles
};

// Checks a pattern as loaded from a file (2240 cells). Pure: touches no global state.
PatternProblem iCheckPattern(const int32_t* cells);
const char* PatternProblemText(PatternProblem problem);

// Reads a pattern file (a game path) into the Board; a missing file leaves the Board empty.
void vLoadPattern(const char* path);

// Deals faces onto the pattern held in the Board (cells of value 1) for level gs.iLevel: on
// success DealtBoard, gs.aiSolution and gs.iSolutionCount hold a deal whose solution clears the
// board, and the Board is left empty. A deal that runs into a dead end is started again from the
// pattern with new random draws; after a bounded number of attempts it gives up and returns false.
bool bDealPattern();

// Loads the next pattern file, deals it, copies the deal over the Board and gives every tile its
// mouse zone. Skips patterns that are invalid or cannot be dealt; when none in the list can be
// dealt it sets gs.bNoPlayableLevel and leaves the Board empty.
void vLoadNextLevel();

// The deal's own random sequence (0..32767), separate from the music's.
void vSeedDealRandom(uint32_t seed);
int iDealRandom();
