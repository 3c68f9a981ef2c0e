#pragma once
// The player's side of the rules: selecting tiles and judging the selected pair.
#include "rules/game_vars.h"
#include "rules/outcome.h"

constexpr int32_t kPairScore = 1000;
constexpr int32_t kPairTicks = 3;
constexpr uint32_t kBlockedShowMs = 1000;

// Forgets the selected tiles.
void DropSelection(GameVars& vars);
// Forgets the selection, the hint shown and the blocked indication (between levels).
void ClearPlayState(GameVars& vars);

// Marks the tile as blocked for 1000 ms and drops the selection; the cue is the bad move.
MoveOutcome FlagBlockedTile(GameVars& vars, CellIndex cell, uint32_t now);

// A click on a cell: selects a free tile, drops the selection where no tile lies, flags a
// blocked one, and judges the pair once two are selected.
MoveOutcome SelectTile(GameVars& vars, int32_t* board, CellIndex cell, uint32_t now);

// Judges the two selected tiles: a matching pair leaves the board for points and time.
MoveOutcome MatchSelectedPair(GameVars& vars, int32_t* board, uint32_t now);
