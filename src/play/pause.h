#pragma once
// The paused game: a panel over the playing screen with the board hidden, the time bar, the score
// count-up and the hint standing still and the music lowered, until P, Pause or a press of either
// button; Escape ends it too (the game loop then ends the game). The time rule takes nothing for
// the pause.
void vPauseGame();
