#pragma once
// The indicators of the playing screen that change with time rather than with the player's
// actions: the time bar's full mark and warning blink, the best score following the shown
// score, and the blocked tile's blink. Drawing only reads the state, so each frame is framed by
// these two steps.
#include "rules/game_vars.h"

constexpr uint32_t kBlockedBlinkMs = 250;

// Before a frame of the playing screen is drawn.
void StepIndicators(GameVars& vars, const int32_t* board, uint32_t now);

// After it is drawn: a blocked indication whose time is over ends (it was still shown once).
void ExpireIndicators(GameVars& vars, const int32_t* board, uint32_t now);
