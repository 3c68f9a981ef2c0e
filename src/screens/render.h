#pragma once
// The playing screen, drawn from scratch for every frame into the active buffer from the game's
// state, which drawing only reads: background, time bar, score, level and best score, hints
// left, every tile with shadow and base (layer by layer), the marks on selected, hinted and
// blocked tiles, and the help button.
#include <cstdint>
#include <string>
#include <vector>

#include "rules/game_vars.h"
#include "screens/screen_layout.h"

void DrawGameScreen(const GameVars& vars, const int32_t* board);

// Everything the playing screen shows, so that a loop can tell whether a new frame would look
// any different from the last one and skip drawing it. Kept next to the drawing code: whatever
// DrawGameScreen starts to show must be added here too.
struct GameScreenPicture {
  int32_t ticks = 0;
  uint8_t timeWarning = 0;
  int32_t shownScore = 0, bestScore = 0, level = 0, hintsLeft = 0;
  int32_t selected[2] = {-1, -1};
  int32_t hinted[2] = {-1, -1};
  int32_t hintFrame = 0;
  int32_t blockedCell = -1;
  uint8_t blockedBlink = 0;
  int32_t focusCell = -1;  // -1 while the ring is hidden
  int32_t board[kBoardCells] = {};
  bool operator==(const GameScreenPicture&) const = default;
};

// Where two pictures differ when they differ only in the indicators around the board (time bar,
// time warning, numbers, hints left): the rectangles to draw again. Empty when they are the same
// or anything of the board differs; then the whole screen is drawn.
std::vector<screen::Rect> IndicatorAreas(const GameScreenPicture& was, const GameScreenPicture& now);

// DrawGameScreen limited to each area in turn: there the same pixels as a whole frame, nothing
// drawn elsewhere.
void DrawGameScreenIn(const GameVars& vars, const int32_t* board,
                      const std::vector<screen::Rect>& areas);

// What DrawGameScreen would show for this state.
void TakePicture(const GameVars& vars, const int32_t* board, GameScreenPicture& picture);

// A short note over its strip (nothing for an empty note).
void DrawShortNote(const std::string& note);

// The time bar and, while it blinks on, the time warning.
void DrawTimeBar(const GameVars& vars);

// Draws the decimal value centred in the field of that width starting at (x, y).
void DrawNumber(int32_t value, int x, int y, int width);

// One image of the first hint mark per hint left, from (769, 34) in steps of 34 pixels.
void vDrawHintsLeft(const GameVars& vars);
