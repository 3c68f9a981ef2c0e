#pragma once
// The one board of the game and the free-tile rule as the game asks it.
#include "rules/board.h"

extern int32_t Board[kBoardCells];

// True when the tile whose origin is `cell` may not be taken. Unless `bQuiet`, a blocked answer
// also shows the player the blocked tile (vFlagBlockedTile).
bool bIsTileBlocked(CellIndex cell, bool bQuiet);

// Marks the clicked tile as blocked for 1000 ms, drops the selection and plays the bad-move sound.
void vFlagBlockedTile(CellIndex cell);
