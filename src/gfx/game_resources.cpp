// The one holder of every image of the game.
#include "gfx/game_resources.h"

GameResources gResources;
