// The move test and the hint: is there a pair of free tiles with the same face, and which one.
#include <algorithm>
#include <iterator>

#include "audio/sound_effects.h"
#include "board/game_state.h"
#include "board/selection.h"
#include "diag/debug_log.h"
#include "platform/clock.h"

namespace {

// Faces are 1..28 during play; a board holding other values is searched the plain way.
constexpr int32_t kFaceSlots = 64;
constexpr uint32_t kHintShowMs = 10000;
constexpr uint32_t kHintFrameMs = 50;

inline bool bFreeTile(CellIndex cell) { return Board[cell] != 0 && !bIsTileBlocked(cell, true); }

inline bool bTrackedFace(int32_t value) { return value > 0 && value < kFaceSlots; }

// The plain search: free tiles in cell order, each with the lowest other free tile of its value.
bool bFindPairPlain(CellIndex& first, CellIndex& second) {
  for (CellIndex i = 0; i < kBoardCells; ++i) {
    if (!bFreeTile(i)) continue;
    for (CellIndex j = 0; j < kBoardCells; ++j) {
      if (j != i && Board[j] == Board[i] && !bIsTileBlocked(j, true)) {
        first = i;
        second = j;
        return true;
      }
    }
  }
  return false;
}

// The pair the plain search finds first: the lowest free tile that has a free partner, and the
// lowest such partner, i.e. the two lowest free tiles of the face whose lowest free tile comes
// first. One pass collects the two lowest free tiles of every face.
bool bFindHintPair(CellIndex& first, CellIndex& second) {
  CellIndex lowest[kFaceSlots], next[kFaceSlots];
  std::fill(std::begin(lowest), std::end(lowest), -1);
  std::fill(std::begin(next), std::end(next), -1);
  for (CellIndex c = 0; c < kBoardCells; ++c) {
    int32_t face = Board[c];
    if (face == 0 || bIsTileBlocked(c, true)) continue;
    if (!bTrackedFace(face)) return bFindPairPlain(first, second);
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

}  // namespace

bool bMoveAvailable() {
  bool seen[kFaceSlots] = {};
  for (CellIndex c = 0; c < kBoardCells; ++c) {
    int32_t face = Board[c];
    if (face == 0 || bIsTileBlocked(c, true)) continue;
    if (!bTrackedFace(face)) {
      CellIndex i, j;
      return bFindPairPlain(i, j);
    }
    if (seen[face]) return true;
    seen[face] = true;
  }
  return false;
}

void vGiveHint() {
  if (gs.iHintsLeft > 0) --gs.iHintsLeft;  // used up even when no pair is found
  CellIndex i, j;
  if (!bFindHintPair(i, j)) return;
  uint32_t now = timeGetTime();
  gs.bHintShown = 1;
  gs.dwHintUntil = now + kHintShowMs;
  gs.aiHintCell[0] = i;
  gs.aiHintCell[1] = j;
  gs.iHintFrame = 0;
  gs.iHintFrameDir = 0;
  gs.dwNextHintFrame = now + kHintFrameMs;
  vDebugLog("vGiveHint() Found Hint at %d and %d\n", i, j);
  gSoundEffects.Stop(hint);
  gSoundEffects.Play(hint);
}

void vStepHint() {
  if (!gs.bHintShown) return;
  uint32_t now = timeGetTime();
  if (bTimeAfter(now, gs.dwNextHintFrame)) {
    // Up to 3 and back down to 0, each end frame held for two steps.
    if (gs.iHintFrameDir == 0) {
      if (++gs.iHintFrame > 3) {
        gs.iHintFrame = 3;
        gs.iHintFrameDir = 1;
      }
    } else if (--gs.iHintFrame < 0) {
      gs.iHintFrame = 0;
      gs.iHintFrameDir = 0;
    }
    gs.dwNextHintFrame = now + kHintFrameMs;
  }
  if (bTimeAfter(now, gs.dwHintUntil)) gs.bHintShown = 0;
}
