#pragma once
// The game's sound set-up: the effect player and its six effects. False (after telling the user
// and restoring the display) when there is no sound system.
bool bInitSound(void* window);
