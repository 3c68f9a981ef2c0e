#pragma once
// The time rule: 180 ticks that run down at the difficulty's pace, with a blinking warning below
// 40 ticks.
#include "rules/game_vars.h"

constexpr int kTimeWarningTicks = 40;
constexpr uint32_t kWarningShownMs = 250;
constexpr uint32_t kWarningHiddenMs = 150;

// Once per pass of the game loop: a tick is taken when its time has come. True when the time
// has run out (iTimeTicks is then 0).
bool TimeRunsOut(GameVars& vars, uint32_t now);

// Before the bar is drawn: a full bar shows as 179 ticks, and the warning's blink steps
// (visible 250 ms, hidden 150 ms) while fewer than 40 ticks are left.
void StepTimeBar(GameVars& vars, uint32_t now);
