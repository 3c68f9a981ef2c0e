// Dealing faces onto a pattern: the deal's own solution clears the board, and the number of
// faces grows with the level.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "rules/deal.h"
#include "rules/hint.h"
#include "rules/selection.h"
#include "test_layouts.h"

namespace {

// A host whose clock stands still and that never asks the deal to stop.
class StillHost : public DealHost {
 public:
  uint32_t Now() override { return 1000; }
  bool StopRequested() override { return false; }
  bool TraceOn() override { return false; }
  void Trace(const char*) override {}
};

struct Dealt {
  bool ok = false;
  TestBoard pattern, faces;
  GameVars vars;
};

// Deals the layout at that level with that seed.
void Deal(const std::vector<Tile>& layout, int level, uint32_t seed, Dealt& out) {
  out.pattern = TestBoard{};
  out.pattern.Place(layout);
  out.vars = GameVars{};
  out.vars.iLevel = level;
  DealRandom random;
  random.Seed(seed);
  StillHost host;
  out.ok = DealPattern(out.pattern.data(), out.faces.data(), out.vars, random, host);
}

// Taking the pairs in the deal's order clears the board, with a move available before each.
// The two-tile stack must never end up as the last pair.
TEST(Deal, SolutionClearsEveryLayoutOverManySeeds) {
  const std::vector<Tile> stack{{10, 6, 0}, {10, 6, 1}, {0, 0, 0}, {4, 0, 0}};
  Dealt d;
  for (const auto& layout : {FlatLayout(), PyramidLayout(), HalfOffsetLayout(), stack}) {
    for (uint32_t seed = 1; seed <= 60; ++seed) {
      Deal(layout, 1, seed, d);
      ASSERT_TRUE(d.ok) << "seed " << seed;
      ASSERT_TRUE(BoardEmpty(d.pattern.data()));
      ASSERT_EQ(d.vars.iSolutionCount, static_cast<int>(layout.size()));
      const int32_t* solution = d.vars.aiSolution;
      ASSERT_EQ(std::set<int>(solution, solution + d.vars.iSolutionCount).size(), layout.size());
      for (int k = 0; k < d.vars.iSolutionCount; k += 2) {
        ASSERT_TRUE(MoveAvailable(d.faces.data())) << "seed " << seed << " pair " << k / 2;
        SelectTile(d.vars, d.faces.data(), solution[k], 0);
        ASSERT_TRUE(SelectTile(d.vars, d.faces.data(), solution[k + 1], 0).TookPair())
            << "seed " << seed << " pair " << k / 2;
      }
      ASSERT_TRUE(BoardEmpty(d.faces.data())) << "seed " << seed;
    }
  }
}

TEST(Deal, FacesWidenWithTheLevel) {
  Dealt d;
  for (int level : {1, 2, 30}) {
    std::set<int> faces;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
      Deal(PyramidLayout(), level, seed, d);
      ASSERT_TRUE(d.ok);
      faces.insert(d.faces.cells.begin(), d.faces.cells.end());
    }
    faces.erase(0);
    std::set<int> expected;
    for (int face = 1; face <= std::min(level + 4, 28); ++face) expected.insert(face);
    EXPECT_EQ(faces, expected) << level;
  }
}

}  // namespace
