#pragma once
// The time bar: 180 ticks in a grid of 4 x 45 cells of 17 pixels at the frame's top-left,
// filling from the bottom-right cell, with a blinking warning below 40 ticks.

constexpr int kTickCellPixels = 17;
constexpr int kTimeWarningTicks = 40;

// Draws the bar and the warning into the active buffer; also lowers a full 180 to 179 and steps
// the warning's blink (visible 250 ms, hidden 150 ms).
void vDrawTimeBar();

// The time rule, once per pass of the game loop: a tick is taken when its time has come.
// True when the time has run out (iTimeTicks is then 0).
bool bTimeRunsOut();
