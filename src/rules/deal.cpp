// Dealing: the level is played backwards. Random pairs of free tiles are taken away from the
// full pattern and both tiles of a pair get one random face, so the order in which they were
// taken (aiSolution) clears the board.
#include "rules/deal.h"

#include <algorithm>
#include <array>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "util/time_compare.h"

namespace {

enum DealResult { kDealDone, kDealDeadEnd, kDealStopped };

// One deal in progress: the cells, the variables and the services it works with.
class Dealer {
 public:
  Dealer(int32_t* board, int32_t* dealt, GameVars& vars, DealRandom& random, DealHost& host)
      : board_(board), dealt_(dealt), vars_(vars), random_(random), host_(host) {}

  DealResult DealOnce(int tiles);
  void Trace(const char* format, ...) __attribute__((format(printf, 2, 3)));

 private:
  // A tile of the pattern (not yet dealt) that may be taken now.
  bool FreePatternTile(CellIndex cell) const {
    return board_[cell] == 1 && !TileIsBlocked(board_, cell);
  }
  bool TwoFreeTilesLeft() const;
  bool DrawFreeTile(uint32_t windowEnd, CellIndex other, CellIndex& cell);
  bool RandomPair(int pair, CellIndex& first, CellIndex& second);
  bool SerialPair(CellIndex& first, CellIndex& second);
  int DealFace();
  void TakePair(CellIndex first, CellIndex second);

  int32_t* board_;
  int32_t* dealt_;
  GameVars& vars_;
  DealRandom& random_;
  DealHost& host_;
};

void Dealer::Trace(const char* format, ...) {
  if (!host_.TraceOn()) return;
  char line[256];
  va_list args;
  va_start(args, format);
  std::vsnprintf(line, sizeof line, format, args);
  va_end(args);
  host_.Trace(line);
}

// Without two free tiles the random search could never finish: the deal has to start again.
bool Dealer::TwoFreeTilesLeft() const {
  int free = 0;
  for (CellIndex c = 0; c < kBoardCells; ++c) {
    if (FreePatternTile(c) && ++free == 2) return true;
  }
  return false;
}

// Draws cells until one is a free pattern tile other than `other`, or the window ends.
bool Dealer::DrawFreeTile(uint32_t windowEnd, CellIndex other, CellIndex& cell) {
  while (!bTimeAfter(host_.Now(), windowEnd) && !host_.StopRequested()) {
    CellIndex c = random_.Next() % kBoardCells;
    if (c != other && FreePatternTile(c)) {
      cell = c;
      return true;
    }
  }
  return false;
}

bool Dealer::RandomPair(int pair, CellIndex& first, CellIndex& second) {
  while (!host_.StopRequested()) {
    uint32_t windowEnd = host_.Now() + kSearchWindowMs;
    if (!DrawFreeTile(windowEnd, -1, first)) continue;
    Trace("vLoadNextLevel() %d] LOC1 (%d): Not blocked\n", pair, first);
    second = 0;
    if (!DrawFreeTile(windowEnd, first, second)) continue;
    Trace("vLoadNextLevel() %d] LOC2 (%d): Not blocked\n", pair, second);
    return true;
  }
  return false;
}

// The last two tiles: the first free one and the other one.
bool Dealer::SerialPair(CellIndex& first, CellIndex& second) {
  Trace("vLoadNextLevel() Last 2 tiles, find them serially\n");
  first = second = 0;
  for (CellIndex i = 0; i < kBoardCells; ++i) {
    if (board_[i] == 0 || TileIsBlocked(board_, i)) continue;
    for (CellIndex j = 0; j < kBoardCells; ++j) {
      if (j == i || board_[j] != 1) continue;
      first = i;
      second = j;
      Trace("vLoadNextLevel() Locs = %d and %d\n", i, j);
      return true;
    }
  }
  Trace("vLoadNextLevel() &&&&&&&&&&& ODD # OF TILES &&&&&&&&&&&&&&&\n");
  return false;
}

int Dealer::DealFace() {
  int limit = std::clamp(vars_.iLevel + 5, 2, kFaceCount + 1);
  int face = random_.Next() % limit;
  return face == 0 ? 1 : face;
}

void Dealer::TakePair(CellIndex first, CellIndex second) {
  Trace("vLoadNextLevel() Removing Tiles\n");
  board_[first] = 0;
  board_[second] = 0;
  int face = DealFace();
  Trace("vLoadNextLevel() Populating %d and %d with tile %d\n", first, second, face);
  dealt_[first] = face;
  dealt_[second] = face;
  for (CellIndex cell : {first, second}) {
    vars_.aiSolution[vars_.iSolutionCount++] = cell;
    Trace("vLoadNextLevel() Autosolve added %d\n", cell);
  }
}

DealResult Dealer::DealOnce(int tiles) {
  std::fill(dealt_, dealt_ + kBoardCells, 0);
  std::memset(vars_.aiSolution, 0, sizeof vars_.aiSolution);
  vars_.iSolutionCount = 0;
  int pair = 0;
  while (tiles > 0 && !host_.StopRequested()) {
    Trace("vLoadNextLevel() %d] Total Count = %d\n", pair, tiles);
    tiles -= 2;
    ++pair;
    CellIndex first = 0, second = 0;
    if (tiles > 0) {
      if (!TwoFreeTilesLeft()) {
        Trace("vLoadNextLevel() Fewer than two free tiles left\n");
        return kDealDeadEnd;
      }
      if (!RandomPair(pair, first, second)) return kDealStopped;
    } else {
      if (!SerialPair(first, second)) return kDealDeadEnd;
      if (TileIsBlocked(board_, second)) {
        Trace("vLoadNextLevel() Last 2 tiles cannot be taken together\n");
        return kDealDeadEnd;
      }
    }
    TakePair(first, second);
  }
  return tiles > 0 ? kDealStopped : kDealDone;
}

}  // namespace

bool DealPattern(int32_t* board, int32_t* dealt, GameVars& vars, DealRandom& random,
                 DealHost& host) {
  // The pattern as loaded, kept so that a deal which runs into a dead end can start again.
  std::array<int32_t, kBoardCells> pattern;
  std::copy(board, board + kBoardCells, pattern.begin());
  int tiles = CountTiles(board);
  Dealer dealer(board, dealt, vars, random, host);
  for (int attempt = 1; attempt <= kMaxDealAttempts; ++attempt) {
    if (attempt > 1) {
      std::copy(pattern.begin(), pattern.end(), board);
      dealer.Trace("vLoadNextLevel() Dead end, dealing again (attempt %d)\n", attempt);
    }
    DealResult result = dealer.DealOnce(tiles);
    if (result == kDealDone) return true;
    if (result == kDealStopped) return false;
  }
  return false;
}
