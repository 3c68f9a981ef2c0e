#pragma once
// The playing screen, redrawn from scratch for every frame into the active buffer: background,
// time bar, score, level and best score, hints left, every tile with shadow and base (layer by
// layer), the marks on selected, hinted and blocked tiles, and the help button.
#include <cstdint>

// Where the tile at (column, row, layer) is drawn: each layer up is 9 pixels right, 10 up.
inline int iTileLeft(int x, int z) { return 80 + 32 * x + 9 * z; }
inline int iTileTop(int y, int z) { return 112 + 40 * y - 10 * z; }

void vDrawGameScreen();

// Draws the decimal value centred in the field of that width starting at (x, y).
void DrawNumber(int32_t value, int x, int y, int width);

// One image of the first hint mark per hint left, from (769, 34) in steps of 34 pixels.
void vDrawHintsLeft();
