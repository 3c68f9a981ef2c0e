// Level pattern files, on the rules alone: the bytes of a pattern file are parsed into cells,
// iCheckPattern's verdict is compared with a plain model of the rules, and a valid pattern of
// modest size is dealt; a successful deal must come with a solution that clears the board.
#include <algorithm>
#include <cstring>
#include <memory>

#include "fuzz_support.h"
#include "fuzz_targets.h"
#include "rules/deal.h"
#include "rules/pattern.h"
#include "util/little_endian.h"

namespace {
constexpr size_t kMaxInput = 16384;
// Dealing is the slow part (a pattern that keeps running into dead ends is dealt up to 64 times):
// layouts beyond the size of any real one are only loaded and checked, so a run stays fast.
constexpr int kMaxDealtTiles = 200;

int32_t Board[kBoardCells];
int32_t DealtBoard[kBoardCells];
int32_t aiPattern[kBoardCells];

// A deal with a clock that stands still: the search window never closes, and a deal that could
// not finish would hang the run, which the fuzzer reports.
class FuzzDealHost : public DealHost {
 public:
  uint32_t Now() override { return 0; }
  bool StopRequested() override { return false; }
  bool TraceOn() override { return false; }
  void Trace(const char*) override {}
};

// The cells as the file's bytes give them; missing bytes read as 0.
void vCheckLoadedCells(const uint8_t* data, size_t size) {
  uint8_t bytes[kPatternBytes] = {};
  std::memcpy(bytes, data, std::min(size, kPatternBytes));
  for (CellIndex i = 0; i < kBoardCells; ++i) {
    FUZZ_CHECK(Board[i] == static_cast<int32_t>(ReadLe32(bytes + 4 * i)));
  }
}

struct PatternFacts {
  int tiles = 0;
  bool bBadValue = false;
  bool bOutOfBounds = false;
  bool bOverlap = false;
};

// The rules as plainly as they can be put: footprints of 2 x 2 cells counted per layer.
PatternFacts FactsOf(const int32_t* cells) {
  PatternFacts facts;
  static uint8_t cover[kBoardLayers][kBoardRows + 1][kBoardColumns + 1];
  std::memset(cover, 0, sizeof cover);
  for (CellIndex i = 0; i < kBoardCells; ++i) {
    if (cells[i] == 0) continue;
    ++facts.tiles;
    facts.bBadValue |= cells[i] != 1;
    int x, y, z;
    vGetCellXYZ(i, x, y, z);
    facts.bOutOfBounds |= x > kMaxOriginColumn || y > kMaxOriginRow;
    for (int b = y; b <= y + 1; ++b) {
      for (int a = x; a <= x + 1; ++a) facts.bOverlap |= ++cover[z][b][a] > 1;
    }
  }
  return facts;
}

void vCheckVerdict(PatternProblem problem, const PatternFacts& f) {
  bool anyFault = f.bBadValue || f.bOutOfBounds || f.bOverlap;
  switch (problem) {
    case kPatternOk: FUZZ_CHECK(!anyFault && f.tiles > 0 && f.tiles % 2 == 0); break;
    case kPatternEmpty: FUZZ_CHECK(f.tiles == 0); break;
    case kPatternBadValue: FUZZ_CHECK(f.bBadValue); break;
    case kPatternOutOfBounds: FUZZ_CHECK(f.bOutOfBounds); break;
    case kPatternOverlap: FUZZ_CHECK(f.bOverlap); break;
    case kPatternOddCount: FUZZ_CHECK(!anyFault && f.tiles % 2 != 0); break;
    default: vFuzzFault("iCheckPattern gave an unknown verdict", __FILE__, __LINE__);
  }
}

// Takes the pairs in the solution's order from the pattern: both tiles of each pair must be on
// the board, free at that moment and dealt the same face within the level's range.
void vCheckSolution(const GameVars& vars, int tiles) {
  FUZZ_CHECK(vars.iSolutionCount == tiles);
  const int maxFace = std::min(vars.iLevel + 4, 28);
  std::memcpy(Board, aiPattern, sizeof Board);
  for (int k = 0; k + 1 < vars.iSolutionCount; k += 2) {
    CellIndex a = vars.aiSolution[k], b = vars.aiSolution[k + 1];
    FUZZ_CHECK(a >= 0 && a < kBoardCells && b >= 0 && b < kBoardCells && a != b);
    FUZZ_CHECK(Board[a] == 1 && Board[b] == 1);
    FUZZ_CHECK(!TileIsBlocked(Board, a) && !TileIsBlocked(Board, b));
    FUZZ_CHECK(DealtBoard[a] == DealtBoard[b] && DealtBoard[a] >= 1 && DealtBoard[a] <= maxFace);
    Board[a] = Board[b] = 0;
  }
  for (CellIndex i = 0; i < kBoardCells; ++i) {
    FUZZ_CHECK(Board[i] == 0);
    FUZZ_CHECK((aiPattern[i] != 0) == (DealtBoard[i] != 0));
  }
}

}  // namespace

int FuzzPatternFile(const uint8_t* data, size_t size) {
  if (size > kMaxInput) return 0;
  ParsePattern(data, size, Board);
  vCheckLoadedCells(data, size);
  std::memcpy(aiPattern, Board, sizeof aiPattern);

  PatternProblem problem = iCheckPattern(Board);
  PatternFacts facts = FactsOf(aiPattern);
  vCheckVerdict(problem, facts);
  FUZZ_CHECK(std::memcmp(aiPattern, Board, sizeof aiPattern) == 0);  // the check only looks
  if (problem != kPatternOk || facts.tiles > kMaxDealtTiles) return 0;

  // The input picks the level (how many faces) and the random draws, so a run can be repeated.
  uint32_t hash = FuzzHash(data, size);
  auto vars = std::make_unique<GameVars>();
  vars->iLevel = 1 + static_cast<int32_t>(hash % 30);
  DealRandom random;
  random.Seed(hash);
  FuzzDealHost host;
  if (DealPattern(Board, DealtBoard, *vars, random, host)) vCheckSolution(*vars, facts.tiles);
  return 0;
}
