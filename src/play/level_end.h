#pragma once
// The start of a game and the two ends of a level: a dead end (no pair can be taken, the same
// pattern is dealt again) and a cleared board (bonus in score and time, one hint back).
#include "rules/level.h"

// Resets the game state, loads the saved scores and deals the first level.
void vStartNewGame();
// True when no cell of the board holds a tile.
bool bBoardEmpty();
// Shows "no more moves" for up to 4 seconds and arranges for the same pattern to be dealt again.
void vNoMoreMoves();
// Pays the level bonus (score at once, time tick by tick as the score counts up), then waits for
// the player to continue.
void vLevelClear();
