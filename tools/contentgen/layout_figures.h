#pragma once
// The one place where the content generator asks the game's free-tile rule about a layout, so a
// change to how the game judges tiles is followed here in one function.
#include "layouts.h"

namespace contentgen {

// How many tiles of the layout the player may take before any has been removed.
int CountFreeTiles(const Layout& layout);

}  // namespace contentgen
