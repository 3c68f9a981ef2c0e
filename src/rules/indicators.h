#pragma once
// The indicators of the playing screen that change with time rather than with the player's
// actions: the time bar's full mark and warning blink, the best score following the shown
// score, and the blocked tile's blink. Drawing only reads the state, so each frame is framed by
// these two steps.
#include <optional>

#include "rules/game_vars.h"

constexpr uint32_t kBlockedBlinkMs = 250;

// Before a frame of the playing screen is drawn.
void StepIndicators(GameVars& vars, const int32_t* board, uint32_t now);

// After it is drawn: a blocked indication whose time is over ends (it was still shown once).
void ExpireIndicators(GameVars& vars, const int32_t* board, uint32_t now);

// The earliest deadline not yet passed at `now` among the playing screen's timed steps under way:
// the time bar's tick and warning blink, the shown score's count-up, the hint's frames and end,
// the blocked tile's blink and end. Nothing on the screen changes by itself until the clock is
// past it, so the game may sleep until then. None when no deadline is ahead.
std::optional<uint32_t> NextTimedStep(const GameVars& vars, const int32_t* board, uint32_t now);
