#pragma once
// Deals a layout many times with the game's own dealing code and replays every deal's solution,
// so that a layout the game could not take apart never reaches a build.
#include <string>

#include "layouts.h"

namespace contentgen {

// True when every one of `seeds` deals succeeds and its solution clears the board pair by pair
// (both tiles of each pair free and of one face). On failure `error` says which seed and why.
bool bVerifyDeals(const Layout& layout, int seeds, std::string& error);

}  // namespace contentgen
