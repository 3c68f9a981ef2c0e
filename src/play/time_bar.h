#pragma once
// The time rule on the game's own state.

// Once per pass of the game loop: a tick is taken when its time has come. True when the time
// has run out (iTimeTicks is then 0).
bool bTimeRunsOut();
