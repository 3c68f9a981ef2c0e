#pragma once
#include <cstdint>

// The paused game: a panel over the playing screen with the board hidden, the time bar, the score
// count-up and the hint standing still and the music lowered, until P, Pause, Escape or a press of
// either button; its OPTIONS button, O or a pad's Back open the options over it. The time rule
// takes nothing for the pause, counted from `since` (the moment the
// window was left, when that paused it).
void vPauseGame();
void vPauseGame(uint32_t since);
// Escape during a game: the YES/NO box over the hidden board, the game standing still while it
// shows. True for YES (leave the game); NO (or Back) gives the game back where it was.
bool bAskToLeave();
