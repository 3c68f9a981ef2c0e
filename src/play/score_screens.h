#pragma once
// The named top-ten table: the name entry after a game over whose score enters it, and the
// table screen (after an entry, and from the main menu).
#include <cstdint>

// When `score` enters the table: asks for a name (the last one entered is offered), puts the
// entry in, saves the table and the name, and shows the table with the entry marked.
void vEnterHighScore(int32_t score);

// Where the name is typed, in frame pixels.
void NameFieldArea(int& x, int& y, int& w, int& h);

// Shows the table until a press, a key, Escape, 60 seconds or shutdown; `highlight` is the rank
// to mark, -1 for none.
void vHighScoreTable(int highlight);
