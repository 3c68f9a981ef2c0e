// Dealing: the level is played backwards. Random pairs of free tiles are taken away from the
// full pattern and both tiles of a pair get one random face, so the order in which they were
// taken (aiSolution) clears the board.
#include "board/deal.h"

#include <algorithm>
#include <cstring>

#include "board/game_state.h"
#include "diag/debug_log.h"
#include "platform/clock.h"

int32_t DealtBoard[kBoardCells];

namespace {

constexpr int kMaxDealAttempts = 64;
constexpr uint32_t kSearchWindowMs = 2000;
constexpr int kFaceCount = 28;

// The pattern as loaded, kept so that a deal which runs into a dead end can start again.
int32_t aiPattern[kBoardCells];

enum DealResult { kDealDone, kDealDeadEnd, kDealStopped };

inline bool bStopRequested() { return gs.bShutdown.load(std::memory_order_relaxed) != 0; }

// A tile of the pattern (not yet dealt) that may be taken now.
inline bool bFreePatternTile(CellIndex cell) {
  return Board[cell] == 1 && !bIsTileBlocked(cell, true);
}

int iCountTiles(const int32_t* cells) {
  return static_cast<int>(std::count_if(cells, cells + kBoardCells, [](int32_t v) { return v; }));
}

// Without two free tiles the random search could never finish: the deal has to start again.
bool bTwoFreeTilesLeft() {
  int free = 0;
  for (CellIndex c = 0; c < kBoardCells; ++c) {
    if (bFreePatternTile(c) && ++free == 2) return true;
  }
  return false;
}

// Draws cells until one is a free pattern tile other than `other`, or the window ends.
bool bDrawFreeTile(uint32_t windowEnd, CellIndex other, CellIndex& cell) {
  while (!bTimeAfter(timeGetTime(), windowEnd) && !bStopRequested()) {
    CellIndex c = iDealRandom() % kBoardCells;
    if (c != other && bFreePatternTile(c)) {
      cell = c;
      return true;
    }
  }
  return false;
}

bool bRandomPair(int pair, CellIndex& first, CellIndex& second) {
  while (!bStopRequested()) {
    uint32_t windowEnd = timeGetTime() + kSearchWindowMs;
    if (!bDrawFreeTile(windowEnd, -1, first)) continue;
    vDebugLog("vLoadNextLevel() %d] LOC1 (%d): Not blocked\n", pair, first);
    second = 0;
    if (!bDrawFreeTile(windowEnd, first, second)) continue;
    vDebugLog("vLoadNextLevel() %d] LOC2 (%d): Not blocked\n", pair, second);
    return true;
  }
  return false;
}

// The last two tiles: the first free one and the other one.
bool bSerialPair(CellIndex& first, CellIndex& second) {
  vDebugLog("vLoadNextLevel() Last 2 tiles, find them serially\n");
  first = second = 0;
  for (CellIndex i = 0; i < kBoardCells; ++i) {
    if (Board[i] == 0 || bIsTileBlocked(i, true)) continue;
    for (CellIndex j = 0; j < kBoardCells; ++j) {
      if (j == i || Board[j] != 1) continue;
      first = i;
      second = j;
      vDebugLog("vLoadNextLevel() Locs = %d and %d\n", i, j);
      return true;
    }
  }
  vDebugLog("vLoadNextLevel() &&&&&&&&&&& ODD # OF TILES &&&&&&&&&&&&&&&\n");
  return false;
}

int iDealFace() {
  int limit = std::clamp(gs.iLevel + 5, 2, kFaceCount + 1);
  int face = iDealRandom() % limit;
  return face == 0 ? 1 : face;
}

void vTakePair(CellIndex first, CellIndex second) {
  vDebugLog("vLoadNextLevel() Removing Tiles\n");
  Board[first] = 0;
  Board[second] = 0;
  int face = iDealFace();
  vDebugLog("vLoadNextLevel() Populating %d and %d with tile %d\n", first, second, face);
  DealtBoard[first] = face;
  DealtBoard[second] = face;
  for (CellIndex cell : {first, second}) {
    gs.aiSolution[gs.iSolutionCount++] = cell;
    vDebugLog("vLoadNextLevel() Autosolve added %d\n", cell);
  }
}

DealResult iDealOnce(int tiles) {
  std::memset(DealtBoard, 0, sizeof DealtBoard);
  std::memset(gs.aiSolution, 0, sizeof gs.aiSolution);
  gs.iSolutionCount = 0;
  int pair = 0;
  while (tiles > 0 && !bStopRequested()) {
    vDebugLog("vLoadNextLevel() %d] Total Count = %d\n", pair, tiles);
    tiles -= 2;
    ++pair;
    CellIndex first = 0, second = 0;
    if (tiles > 0) {
      if (!bTwoFreeTilesLeft()) {
        vDebugLog("vLoadNextLevel() Fewer than two free tiles left\n");
        return kDealDeadEnd;
      }
      if (!bRandomPair(pair, first, second)) return kDealStopped;
    } else {
      if (!bSerialPair(first, second)) return kDealDeadEnd;
      if (bIsTileBlocked(second, true)) {
        vDebugLog("vLoadNextLevel() Last 2 tiles cannot be taken together\n");
        return kDealDeadEnd;
      }
    }
    vTakePair(first, second);
  }
  return tiles > 0 ? kDealStopped : kDealDone;
}

}  // namespace

bool bDealPattern() {
  std::memcpy(aiPattern, Board, sizeof aiPattern);
  int tiles = iCountTiles(Board);
  for (int attempt = 1; attempt <= kMaxDealAttempts; ++attempt) {
    if (attempt > 1) {
      std::memcpy(Board, aiPattern, sizeof aiPattern);
      vDebugLog("vLoadNextLevel() Dead end, dealing again (attempt %d)\n", attempt);
    }
    DealResult result = iDealOnce(tiles);
    if (result == kDealDone) return true;
    if (result == kDealStopped) return false;
  }
  return false;
}
