#pragma once
// What a player's action did, for the play layer to turn into sounds and mouse zones.
#include "rules/board.h"

// The sound that goes with an outcome; each names one of the game's effects.
enum class Cue : uint8_t { kNone, kButtonOver, kGoodMove, kBadMove, kNoMoves, kLevelClear, kHint };

struct MoveOutcome {
  Cue cue = Cue::kNone;
  CellIndex removed[2] = {-1, -1};  // the pair taken off the board, if any
  bool TookPair() const { return removed[0] >= 0; }
};
