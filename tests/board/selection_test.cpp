#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

#include "audio/sound_effects.h"
#include "play/game_state.h"
#include "play/selection.h"
#include "board_test_support.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/virtual_clock.h"
#include "screens/mouse_zones.h"
#include "support/wav.h"

namespace {

constexpr uint32_t kStart = 50000;

int Sounding(const SoundEffect& effect) { return PlatformSampleInstances(effect.segment); }

class Selection : public ::testing::Test {
 protected:
  // Every effect holds a long tone, so a test can see which ones were started.
  static void SetUpTestSuite() {
    setenv("SDL_AUDIODRIVER", "dummy", 0);  // headless, whatever the runner passes
    ScopedTempCwd cwd;
    WriteWholeFile("content/sound/tone.wav", MakeToneWav(30000));
    gSoundEffects.Init();
    for (SoundEffect* e : {&button_over, &goodmove, &badmove, &hint}) {
      gSoundEffects.Load("content\\sound\\tone.wav", *e);
    }
  }
  static void TearDownTestSuite() { gSoundEffects.Shutdown(); }
  void SetUp() override {
    vResetGameState();
    gMouseZones.Clear();
    VirtualClockSet(kStart);
    vStopAllEffects();
  }
  // A and B match, C has another face, D lies under E.
  void Layout() {
    for (const Tile& t : {a, b, c, d, e}) {
      Place({t}, t == c ? 7 : t == e ? 9 : 5);
      gMouseZones.Add(std::to_string(Cell(t)).c_str(), 0, 0, 72, 88, kZoneLeft);
    }
  }
  Tile a{2, 2, 0}, b{20, 2, 0}, c{2, 10, 0}, d{12, 6, 0}, e{12, 6, 1};
};

TEST_F(Selection, FirstTileThenItsMatchRemovesThePair) {
  Layout();
  gs.iDifficulty = 1;
  vSelectTile(Cell(a));
  EXPECT_EQ(gs.iSelectedCount, 1);
  EXPECT_EQ(Sounding(button_over), 1);
  vSelectTile(Cell(b));
  EXPECT_EQ(Sounding(goodmove), 1);
  EXPECT_EQ(Board[Cell(a)] + Board[Cell(b)], 0);
  EXPECT_EQ(gMouseZones.Remove(std::to_string(Cell(a)).c_str()), 0);
  EXPECT_EQ(gMouseZones.Count(), 3);
  EXPECT_EQ(gs.iScore, 1000);
  EXPECT_EQ(gs.iTimeTicks, kFullTimeTicks);  // 179 + 3 is capped
  EXPECT_EQ(gs.dwNextTick, kStart + 350);
  EXPECT_EQ(gs.iSelectedCount + gs.aiSelectedCell[0] + gs.aiSelectedCell[1], -2);
}

TEST_F(Selection, MismatchAndSecondClickDropTheSelection) {
  Layout();
  gs.iTimeTicks = 100;
  vSelectTile(Cell(a));
  vSelectTile(Cell(a));
  EXPECT_EQ(gs.iSelectedCount, 0);
  vSelectTile(Cell(a));
  vSelectTile(Cell(c));
  EXPECT_EQ(Sounding(badmove), 2);
  EXPECT_EQ(gs.iSelectedCount, 0);
  vSelectTile(Cell(c));  // C starts a new pair
  EXPECT_EQ(gs.aiSelectedCell[0], Cell(c));
  vSelectTile(iGetCellIndex(15, 12, 0));  // no tile there: nothing to select
  EXPECT_EQ(gs.iSelectedCount, 0);
  EXPECT_EQ(gMouseZones.Count(), 5);
  EXPECT_EQ(gs.iScore + gs.iTimeTicks, 100);
}

TEST_F(Selection, BlockedTileIsShownForOneSecondAndDropsTheSelection) {
  Layout();
  vSelectTile(Cell(a));
  VirtualClockAdvance(7);
  vSelectTile(Cell(d));
  EXPECT_EQ(gs.iBlockedCell, Cell(d));
  EXPECT_EQ(gs.iSelectedCount + gs.aiSelectedCell[0] + gs.bBlockedBlink, -1);
  EXPECT_EQ(Sounding(badmove), 1);
  EXPECT_FALSE(bTimeAfter(kStart + 7 + 1000, gs.dwBlockedUntil));
  EXPECT_TRUE(bTimeAfter(kStart + 7 + 1001, gs.dwBlockedUntil));
  vSelectTile(Cell(b));  // the next click ends the indication
  EXPECT_EQ(gs.iBlockedCell, -1);
}

TEST_F(Selection, HintShowsLowestFirstTileWithItsLowestPartner) {
  // Face 4 starts lowest; (12,8) is covered, so its partner is (20,10). The face 6 pair is
  // complete earlier in cell order but starts later.
  Place({{0, 0, 0}, {12, 8, 0}, {20, 10, 0}, {24, 10, 0}}, 4);
  Place({{4, 0, 0}, {8, 0, 0}}, 6);
  Place({{12, 8, 1}}, 9);
  gs.iHintsLeft = 1;
  gs.iSelectedCount = 1;
  vGiveHint();
  EXPECT_EQ(gs.iHintsLeft, 0);
  EXPECT_EQ(gs.bHintShown, 1);
  EXPECT_EQ(gs.aiHintCell[0], 0);
  EXPECT_EQ(gs.aiHintCell[1], Cell({20, 10, 0}));
  EXPECT_EQ(gs.iSelectedCount, 1);
  vGiveHint();  // asked again: the sound starts over instead of doubling
  EXPECT_EQ(Sounding(hint), 1);
}

TEST_F(Selection, HintFramesSwingAndEndAfterTenSeconds) {
  Place({{0, 0, 0}, {4, 0, 0}}, 3);
  vGiveHint();
  std::vector<int> frames{gs.iHintFrame};
  vStepHint();  // no time has passed: no step
  for (int i = 0; i < 9; ++i) {
    VirtualClockAdvance(51);
    vStepHint();
    frames.push_back(gs.iHintFrame);
  }
  EXPECT_EQ(frames, (std::vector<int>{0, 1, 2, 3, 3, 2, 1, 0, 0, 1}));
  VirtualClockSet(kStart + 10000);
  vStepHint();
  EXPECT_EQ(gs.bHintShown, 1);
  VirtualClockAdvance(1);
  vStepHint();
  EXPECT_EQ(gs.bHintShown, 0);
}

// The move test and the hint give what a plain search over all pairs gives.
TEST_F(Selection, MoveTestAndHintAgreeWithThePlainSearch) {
  std::mt19937 random(7);
  for (int round = 0; round < 400; ++round) {
    vResetGameState();
    for (int n = 0; n < 60; ++n) {
      Board[iGetCellIndex(random() % 27, random() % 15, random() % 5)] = 1 + random() % 28;
    }
    int first = -1, second = -1;
    for (CellIndex i = 0; i < kBoardCells && first < 0; ++i) {
      for (CellIndex j = 0; j < kBoardCells && first < 0 && Board[i]; ++j) {
        if (j != i && Board[j] == Board[i] && !bIsTileBlocked(i, true) &&
            !bIsTileBlocked(j, true)) {
          first = i, second = j;
        }
      }
    }
    ASSERT_EQ(bMoveAvailable(), first >= 0) << round;
    vGiveHint();  // used up whether or not it finds a pair
    ASSERT_EQ(gs.iHintsLeft, 2);
    ASSERT_EQ(gs.bHintShown, first >= 0);
    if (first >= 0) {
      EXPECT_EQ(gs.aiHintCell[0], first) << round;
      EXPECT_EQ(gs.aiHintCell[1], second) << round;
    }
  }
}

TEST_F(Selection, ShownScoreCountsUpInStepsNeverPastTheScore) {
  gs.iScore = 1100;
  gs.dwNextScoreStep = kStart;
  std::vector<int> shown;
  for (int step : {1, 25, 1, 25, 1, 26, 26, 26, 26}) {
    vStepShownScore();
    shown.push_back(gs.iShownScore);
    VirtualClockAdvance(step);
  }
  EXPECT_EQ(shown, (std::vector<int>{0, 200, 200, 400, 400, 600, 800, 1000, 1100}));
}

}  // namespace
