// The move test and the hint: is there a pair of free tiles with the same face, and which one.
#include "rules/hint.h"

#include <algorithm>
#include <iterator>

#include "util/time_compare.h"

namespace {

// Faces are 1..28 during play; a board holding other values is searched the plain way.
constexpr int32_t kFaceSlots = 64;

inline bool bTrackedFace(int32_t value) { return value > 0 && value < kFaceSlots; }

// The plain search: free tiles in cell order, each with the lowest other free tile of its value.
bool bFindPairPlain(const int32_t* board, CellIndex& first, CellIndex& second) {
  for (CellIndex i = 0; i < kBoardCells; ++i) {
    if (!TileIsFree(board, i)) continue;
    for (CellIndex j = 0; j < kBoardCells; ++j) {
      if (j != i && board[j] == board[i] && !TileIsBlocked(board, j)) {
        first = i;
        second = j;
        return true;
      }
    }
  }
  return false;
}

}  // namespace

// The pair the plain search finds first is the two lowest free tiles of the face whose lowest
// free tile comes first. One pass collects the two lowest free tiles of every face.
bool FindHintPair(const int32_t* board, CellIndex& first, CellIndex& second) {
  CellIndex lowest[kFaceSlots], next[kFaceSlots];
  std::fill(std::begin(lowest), std::end(lowest), -1);
  std::fill(std::begin(next), std::end(next), -1);
  for (CellIndex c = 0; c < kBoardCells; ++c) {
    int32_t face = board[c];
    if (face == 0 || TileIsBlocked(board, c)) continue;
    if (!bTrackedFace(face)) return bFindPairPlain(board, first, second);
    if (lowest[face] < 0) {
      lowest[face] = c;
    } else if (next[face] < 0) {
      next[face] = c;
    }
  }
  first = -1;
  for (int face = 1; face < kFaceSlots; ++face) {
    if (next[face] >= 0 && (first < 0 || lowest[face] < first)) {
      first = lowest[face];
      second = next[face];
    }
  }
  return first >= 0;
}

bool MoveAvailable(const int32_t* board) {
  bool seen[kFaceSlots] = {};
  for (CellIndex c = 0; c < kBoardCells; ++c) {
    int32_t face = board[c];
    if (face == 0 || TileIsBlocked(board, c)) continue;
    if (!bTrackedFace(face)) {
      CellIndex i, j;
      return bFindPairPlain(board, i, j);
    }
    if (seen[face]) return true;
    seen[face] = true;
  }
  return false;
}

bool GiveHint(GameVars& vars, const int32_t* board, uint32_t now) {
  if (vars.iHintsLeft > 0) --vars.iHintsLeft;  // used up even when no pair is found
  CellIndex i, j;
  if (!FindHintPair(board, i, j)) return false;
  vars.bHintShown = 1;
  vars.dwHintUntil = now + kHintShowMs;
  vars.aiHintCell[0] = i;
  vars.aiHintCell[1] = j;
  vars.iHintFrame = 0;
  vars.iHintFrameDir = 0;
  vars.dwNextHintFrame = now + kHintFrameMs;
  return true;
}

void StepHint(GameVars& vars, uint32_t now) {
  if (!vars.bHintShown) return;
  if (bTimeAfter(now, vars.dwNextHintFrame)) {
    // Up to 3 and back down to 0, each end frame held for two steps.
    if (vars.iHintFrameDir == 0) {
      if (++vars.iHintFrame > 3) {
        vars.iHintFrame = 3;
        vars.iHintFrameDir = 1;
      }
    } else if (--vars.iHintFrame < 0) {
      vars.iHintFrame = 0;
      vars.iHintFrameDir = 0;
    }
    vars.dwNextHintFrame = now + kHintFrameMs;
  }
  if (bTimeAfter(now, vars.dwHintUntil)) vars.bHintShown = 0;
}
