#pragma once
// The game's screen positions, which the art is painted to fit.
#include "screens/screen_layout.h"

namespace contentgen {
using namespace screen;
}  // namespace contentgen
