#pragma once
// Level pattern files and dealing on the game's own board: the next pattern file is loaded,
// checked and dealt, and every tile gets its mouse zone.
#include <cstdint>

#include "play/board.h"
#include "rules/pattern.h"

// The faces are written here during a deal and copied over the Board when it is complete.
extern int32_t DealtBoard[kBoardCells];

// Reads a pattern file (a game path) into the Board; a missing file leaves the Board empty.
void vLoadPattern(const char* path);

// Deals faces onto the pattern held in the Board (cells of value 1) for level gs.iLevel: on
// success DealtBoard, gs.aiSolution and gs.iSolutionCount hold a deal whose solution clears the
// board, and the Board is left empty. A deal that runs into a dead end is started again from the
// pattern with new random draws; after a bounded number of attempts it gives up and returns false.
bool bDealPattern();

// Loads the next pattern file, deals it, copies the deal over the Board and gives every tile its
// mouse zone. Skips patterns that are invalid or cannot be dealt; an empty one starts the list
// again from file 0. When no pattern of the list can be dealt it sets gs.bNoPlayableLevel and
// leaves the Board empty.
void vLoadNextLevel();

// The deal's own random sequence (0..32767), separate from the music's.
void vSeedDealRandom(uint32_t seed);
int iDealRandom();
