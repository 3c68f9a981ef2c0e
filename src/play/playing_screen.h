#pragma once
// The playing screen of the game's own state: the indicators that change with time are stepped,
// then the frame is drawn from the state into the active buffer.
void vDrawGameScreen();

// The time bar alone: a full bar shows 179 ticks, the warning blinks below 40.
void vDrawTimeBar();
