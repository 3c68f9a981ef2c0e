#pragma once
// One whole game, from the first deal until the time runs out or the player leaves.
#include <cstdint>

// Always returns 1.
int32_t iGameLoop();

// Empties the zone table and adds the playing screen's own zones: "GAME_LOOP", "HINT", "HELP".
void vAddPlayingZones();
