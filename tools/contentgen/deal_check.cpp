#include "deal_check.h"

#include <algorithm>

#include "board/board.h"
#include "board/deal.h"
#include "board/game_state.h"

namespace contentgen {
namespace {

void vLoadIntoBoard(const Layout& layout) {
  std::copy(layout.cells.begin(), layout.cells.end(), Board);
}

// Replays the deal's solution on the dealt faces; empty string when it clears the board.
std::string ReplaySolution(const Layout& layout) {
  std::copy(std::begin(DealtBoard), std::end(DealtBoard), Board);
  for (int i = 0; i < kBoardCells; ++i) {
    if ((Board[i] != 0) != (layout.cells[size_t(i)] != 0)) return "the dealt faces do not match the pattern";
  }
  if (gs.iSolutionCount != layout.tiles) return "the solution does not hold every tile";
  for (int k = 0; k + 1 < gs.iSolutionCount; k += 2) {
    CellIndex a = gs.aiSolution[k], b = gs.aiSolution[k + 1];
    if (a == b || Board[a] <= 0 || Board[a] != Board[b]) return "pair " + std::to_string(k / 2) + " does not match";
    if (bIsTileBlocked(a, true) || bIsTileBlocked(b, true)) {
      return "pair " + std::to_string(k / 2) + " (cells " + std::to_string(a) + ", " + std::to_string(b) + ") is not free";
    }
    Board[a] = Board[b] = 0;
  }
  return "";
}

}  // namespace

bool bVerifyDeals(const Layout& layout, int seeds, std::string& error) {
  vResetGameState();
  vLoadIntoBoard(layout);
  PatternProblem problem = iCheckPattern(Board);
  if (problem != kPatternOk) {
    error = std::string("the game rejects the pattern: ") + PatternProblemText(problem);
    return false;
  }
  for (int seed = 1; seed <= seeds; ++seed) {
    vResetGameState();
    vLoadIntoBoard(layout);
    gs.iLevel = 1 + seed % 30;
    vSeedDealRandom(uint32_t(seed) * 7919u);
    if (!bDealPattern()) {
      error = "the deal with seed " + std::to_string(seed) + " found no way to take the layout apart";
      return false;
    }
    std::string replay = ReplaySolution(layout);
    if (!replay.empty()) {
      error = "deal with seed " + std::to_string(seed) + ": " + replay;
      return false;
    }
  }
  vResetGameState();
  return true;
}

}  // namespace contentgen
