#pragma once
// A paused game stands still: when it goes on, every timed step under way (the time bar's tick
// and warning blink, the shown score's count-up, the hint's frames and end, the blocked tile's
// blink and end) is moved on by the time the pause lasted, so nothing is taken for the pause.
#include "rules/game_vars.h"

void ResumeAfterPause(GameVars& vars, uint32_t pausedMs);
