#pragma once
// The player's side of the rules on the game's own board and state: selecting tiles, judging
// pairs, the move test and hints, with their sounds and mouse zones.
#include "play/board.h"

void vSelectTile(CellIndex cell);
void vMatchSelectedPair();
bool bMoveAvailable();
void vGiveHint();

// Steps the hint highlight (every 50 ms, frames 0 1 2 3 3 2 1 0 0 1 ...) and ends it after its
// 10 seconds; the per-game loop calls it on each pass while a hint is shown.
void vStepHint();

// Counts the displayed score up towards the score, 200 every 25 ms.
void vStepShownScore();
