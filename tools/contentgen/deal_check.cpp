#include "deal_check.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <memory>

#include "rules/deal.h"
#include "rules/pattern.h"

namespace contentgen {
namespace {

using Cells = std::array<int32_t, kBoardCells>;

// The deal as the game runs it, with the generator's own clock and no trace.
class CheckHost : public DealHost {
 public:
  uint32_t Now() override {
    using namespace std::chrono;
    return static_cast<uint32_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
  }
  bool StopRequested() override { return false; }
  bool TraceOn() override { return false; }
  void Trace(const char*) override {}
};

Cells PatternCells(const Layout& layout) {
  Cells cells{};
  std::copy(layout.cells.begin(), layout.cells.end(), cells.begin());
  return cells;
}

// Replays the deal's solution on the dealt faces; empty string when it clears the board.
std::string ReplaySolution(const Layout& layout, Cells board, const GameVars& vars) {
  for (int i = 0; i < kBoardCells; ++i) {
    if ((board[size_t(i)] != 0) != (layout.cells[size_t(i)] != 0)) return "the dealt faces do not match the pattern";
  }
  if (vars.iSolutionCount != layout.tiles) return "the solution does not hold every tile";
  for (int k = 0; k + 1 < vars.iSolutionCount; k += 2) {
    CellIndex a = vars.aiSolution[k], b = vars.aiSolution[k + 1];
    if (a == b || board[size_t(a)] <= 0 || board[size_t(a)] != board[size_t(b)]) {
      return "pair " + std::to_string(k / 2) + " does not match";
    }
    if (TileIsBlocked(board.data(), a) || TileIsBlocked(board.data(), b)) {
      return "pair " + std::to_string(k / 2) + " (cells " + std::to_string(a) + ", " + std::to_string(b) + ") is not free";
    }
    board[size_t(a)] = board[size_t(b)] = 0;
  }
  return "";
}

}  // namespace

bool bVerifyDeals(const Layout& layout, int seeds, std::string& error) {
  Cells pattern = PatternCells(layout);
  PatternProblem problem = iCheckPattern(pattern.data());
  if (problem != kPatternOk) {
    error = std::string("the game rejects the pattern: ") + PatternProblemText(problem);
    return false;
  }
  CheckHost host;
  auto vars = std::make_unique<GameVars>();
  for (int seed = 1; seed <= seeds; ++seed) {
    Cells board = pattern;
    Cells dealt{};
    *vars = GameVars{};
    vars->iLevel = 1 + seed % 30;
    DealRandom random;
    random.Seed(uint32_t(seed) * 7919u);
    if (!DealPattern(board.data(), dealt.data(), *vars, random, host)) {
      error = "the deal with seed " + std::to_string(seed) + " found no way to take the layout apart";
      return false;
    }
    std::string replay = ReplaySolution(layout, dealt, *vars);
    if (!replay.empty()) {
      error = "deal with seed " + std::to_string(seed) + ": " + replay;
      return false;
    }
  }
  return true;
}

}  // namespace contentgen
