// Selecting tiles, judging pairs, the move test and the hint, on a board of the test's own.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "rules/game_vars.h"
#include "rules/hint.h"
#include "rules/selection.h"
#include "test_layouts.h"

namespace {

constexpr uint32_t kNow = 50000;

class Selection : public ::testing::Test {
 protected:
  // A and B match, C has another face, D lies under E.
  void SetUp() override {
    board.Place({a, b, d}, 5);
    board.Place({c}, 7);
    board.Place({e}, 9);
  }
  MoveOutcome Click(const Tile& t, uint32_t now = kNow) {
    return SelectTile(vars, board.data(), Cell(t), now);
  }
  void ExpectNothingSelected() {
    EXPECT_EQ(vars.iSelectedCount, 0);
    EXPECT_EQ(vars.aiSelectedCell[0], -1);
    EXPECT_EQ(vars.aiSelectedCell[1], -1);
  }

  Tile a{2, 2, 0}, b{20, 2, 0}, c{2, 10, 0}, d{12, 6, 0}, e{12, 6, 1};
  TestBoard board;
  GameVars vars;
};

TEST_F(Selection, FirstTileThenItsMatchTakesThePairForPointsAndTime) {
  vars.iDifficulty = 1;
  EXPECT_EQ(Click(a).cue, Cue::kButtonOver);
  EXPECT_EQ(vars.iSelectedCount, 1);
  EXPECT_EQ(vars.aiSelectedCell[0], Cell(a));

  MoveOutcome pair = Click(b, kNow + 7);
  EXPECT_EQ(pair.cue, Cue::kGoodMove);
  EXPECT_EQ(pair.removed[0], Cell(a));
  EXPECT_EQ(pair.removed[1], Cell(b));
  EXPECT_EQ(board[a] + board[b], 0);
  EXPECT_EQ(board[c], 7);
  EXPECT_EQ(vars.iScore, 1000);
  EXPECT_EQ(vars.iTimeTicks, kFullTimeTicks);  // 179 + 3 stops at a full bar
  EXPECT_EQ(vars.dwNextTick, kNow + 7 + 350);  // the tick interval starts afresh
  ExpectNothingSelected();
}

TEST_F(Selection, MismatchSecondClickAndEmptyCellDropTheSelection) {
  vars.iTimeTicks = 100;
  Click(a);
  EXPECT_EQ(Click(a).cue, Cue::kBadMove);  // the selected tile again
  ExpectNothingSelected();

  Click(a);
  MoveOutcome mismatch = Click(c);
  EXPECT_EQ(mismatch.cue, Cue::kBadMove);
  EXPECT_FALSE(mismatch.TookPair());
  ExpectNothingSelected();
  EXPECT_EQ(board[a], 5);
  EXPECT_EQ(board[c], 7);

  Click(c);  // C starts a new pair
  EXPECT_EQ(vars.aiSelectedCell[0], Cell(c));
  EXPECT_EQ(Click({15, 12, 0}).cue, Cue::kNone);  // no tile there
  ExpectNothingSelected();
  EXPECT_EQ(vars.iScore, 0);
  EXPECT_EQ(vars.iTimeTicks, 100);
}

TEST_F(Selection, BlockedTileIsFlaggedForOneSecondAndDropsTheSelection) {
  Click(a);
  MoveOutcome blocked = Click(d, kNow + 7);
  EXPECT_EQ(blocked.cue, Cue::kBadMove);
  EXPECT_EQ(vars.iBlockedCell, Cell(d));
  EXPECT_EQ(vars.dwBlockedUntil, kNow + 7 + 1000);
  EXPECT_EQ(vars.bBlockedBlink, 0);
  ExpectNothingSelected();
  EXPECT_EQ(board[d], 5);

  Click(b);  // the next click ends the indication
  EXPECT_EQ(vars.iBlockedCell, -1);

  // A value where no tile origin can lie is never flagged as a blocked tile.
  board.cells[iGetCellIndex(27, 3, 0)] = 5;
  EXPECT_EQ(SelectTile(vars, board.data(), iGetCellIndex(27, 3, 0), kNow).cue, Cue::kNone);
  EXPECT_EQ(vars.iBlockedCell, -1);
}

TEST_F(Selection, HintShowsLowestFirstTileWithItsLowestPartner) {
  // Face 4 starts lowest; (12,8) is covered, so its partner is (20,10). The face 6 pair is
  // complete earlier in cell order but starts later.
  TestBoard hinted;
  hinted.Place({{0, 0, 0}, {12, 8, 0}, {20, 10, 0}, {24, 10, 0}}, 4);
  hinted.Place({{4, 0, 0}, {8, 0, 0}}, 6);
  hinted.Place({{12, 8, 1}}, 9);
  vars.iHintsLeft = 1;
  vars.iSelectedCount = 1;
  vars.aiSelectedCell[0] = Cell({4, 0, 0});
  EXPECT_TRUE(GiveHint(vars, hinted.data(), kNow));
  EXPECT_EQ(vars.iHintsLeft, 0);
  EXPECT_EQ(vars.bHintShown, 1);
  EXPECT_EQ(vars.aiHintCell[0], 0);
  EXPECT_EQ(vars.aiHintCell[1], Cell({20, 10, 0}));
  EXPECT_EQ(vars.iSelectedCount, 1) << "a hint leaves the selection alone";
}

TEST_F(Selection, HintFramesSwingAndEndAfterTenSeconds) {
  ASSERT_TRUE(GiveHint(vars, board.data(), kNow));
  std::vector<int> frames{vars.iHintFrame};
  StepHint(vars, kNow + 50);  // not yet later than the first step's time
  for (uint32_t now = kNow + 51; frames.size() < 10; now += 51) {
    StepHint(vars, now);
    frames.push_back(vars.iHintFrame);
  }
  EXPECT_EQ(frames, (std::vector<int>{0, 1, 2, 3, 3, 2, 1, 0, 0, 1}));
  StepHint(vars, kNow + 10000);
  EXPECT_EQ(vars.bHintShown, 1);
  StepHint(vars, kNow + 10001);
  EXPECT_EQ(vars.bHintShown, 0);
}

// The move test and the hint give what a plain search over all pairs gives.
TEST_F(Selection, MoveTestAndHintAgreeWithThePlainSearch) {
  std::mt19937 random(7);
  for (int round = 0; round < 400; ++round) {
    TestBoard r;
    for (int n = 0; n < 60; ++n) {
      r.cells[iGetCellIndex(random() % 27, random() % 15, random() % 5)] = 1 + random() % 28;
    }
    int first = -1, second = -1;
    for (CellIndex i = 0; i < kBoardCells && first < 0; ++i) {
      for (CellIndex j = 0; j < kBoardCells && first < 0 && r.cells[i]; ++j) {
        if (j != i && r.cells[j] == r.cells[i] && !TileIsBlocked(r.data(), i) &&
            !TileIsBlocked(r.data(), j)) {
          first = i, second = j;
        }
      }
    }
    ASSERT_EQ(MoveAvailable(r.data()), first >= 0) << round;
    vars = GameVars{};
    ASSERT_EQ(GiveHint(vars, r.data(), kNow), first >= 0) << round;
    ASSERT_EQ(vars.iHintsLeft, 2) << "used up whether or not it finds a pair";
    ASSERT_EQ(vars.bHintShown, first >= 0);
    if (first >= 0) {
      EXPECT_EQ(vars.aiHintCell[0], first) << round;
      EXPECT_EQ(vars.aiHintCell[1], second) << round;
    }
  }
}

}  // namespace
