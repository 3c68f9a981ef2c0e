#pragma once
// The move test and the hint: is there a pair of free tiles with the same face, and which one.
#include "rules/game_vars.h"

constexpr uint32_t kHintShowMs = 10000;
constexpr uint32_t kHintFrameMs = 50;

// True when some pair of free tiles shows the same face.
bool MoveAvailable(const int32_t* board);

// The pair a hint shows: the lowest free tile that has a free partner of its face, and the
// lowest such partner. False when there is none.
bool FindHintPair(const int32_t* board, CellIndex& first, CellIndex& second);

// Uses up a hint (even when no pair is found) and, when there is a pair, shows it for 10 s.
// True when a pair is shown.
bool GiveHint(GameVars& vars, const int32_t* board, uint32_t now);

// Steps the hint highlight (every 50 ms, frames 0 1 2 3 3 2 1 0 0 1 ...) and ends it after its
// 10 seconds.
void StepHint(GameVars& vars, uint32_t now);
