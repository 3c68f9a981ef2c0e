#pragma once
// The playing screen, drawn from scratch for every frame into the active buffer from the game's
// state, which drawing only reads: background, time bar, score, level and best score, hints
// left, every tile with shadow and base (layer by layer), the marks on selected, hinted and
// blocked tiles, and the help button.
#include <cstdint>

#include "rules/game_vars.h"

void DrawGameScreen(const GameVars& vars, const int32_t* board);

// The time bar and, while it blinks on, the time warning.
void DrawTimeBar(const GameVars& vars);

// Draws the decimal value centred in the field of that width starting at (x, y).
void DrawNumber(int32_t value, int x, int y, int width);

// One image of the first hint mark per hint left, from (769, 34) in steps of 34 pixels.
void DrawHintsLeft(const GameVars& vars);
