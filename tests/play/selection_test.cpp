// The play layer's part of selection and hints: the rules' outcomes on the game's own board
// become sounds, and a pair taken leaves with its mouse zones.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "audio/sound_effects.h"
#include "play/game_state.h"
#include "play/selection.h"
#include "board_test_support.h"
#include "platform/audio.h"
#include "platform/virtual_clock.h"
#include "screens/mouse_zones.h"
#include "support/wav.h"

namespace {

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
    VirtualClockSet(50000);
    vStopAllEffects();
  }
  // A and B match, C has another face, D lies under E; each tile has its zone.
  void Layout() {
    for (const Tile& t : {a, b, c, d, e}) {
      Place({t}, t == c ? 7 : t == e ? 9 : 5);
      gMouseZones.Add(std::to_string(Cell(t)).c_str(), 0, 0, 72, 88, kZoneLeft);
    }
  }
  Tile a{2, 2, 0}, b{20, 2, 0}, c{2, 10, 0}, d{12, 6, 0}, e{12, 6, 1};
};

TEST_F(Selection, OutcomesSoundAndATakenPairLeavesWithItsZones) {
  Layout();
  vSelectTile(Cell(a));
  EXPECT_EQ(Sounding(button_over), 1);
  vSelectTile(Cell(a));  // deselected
  EXPECT_EQ(Sounding(badmove), 1);
  vSelectTile(Cell(d));  // blocked
  EXPECT_EQ(Sounding(badmove), 2);
  EXPECT_EQ(gs.iBlockedCell, Cell(d));

  vSelectTile(Cell(a));
  vSelectTile(Cell(b));
  EXPECT_EQ(Sounding(goodmove), 1);
  EXPECT_EQ(Board[Cell(a)] + Board[Cell(b)], 0);
  EXPECT_EQ(gs.iScore, 1000);
  EXPECT_EQ(gMouseZones.Count(), 3);
  EXPECT_EQ(gMouseZones.Find(std::to_string(Cell(a)).c_str()), nullptr);
  EXPECT_EQ(gMouseZones.Find(std::to_string(Cell(b)).c_str()), nullptr);
}

// Asked quietly (the move test, the hint, the deal) or about a cell that cannot be a tile, the
// free-tile rule shows the player nothing.
TEST_F(Selection, OnlyALoudQuestionAboutABlockedTileShowsIt) {
  Layout();
  Board[iGetCellIndex(27, 3, 0)] = 5;
  EXPECT_TRUE(bIsTileBlocked(Cell(d), true));
  EXPECT_TRUE(bIsTileBlocked(iGetCellIndex(27, 3, 0), false));
  EXPECT_EQ(gs.iBlockedCell, -1);
  EXPECT_EQ(Sounding(badmove), 0);
  EXPECT_TRUE(bIsTileBlocked(Cell(d), false));
  EXPECT_EQ(gs.iBlockedCell, Cell(d));
  EXPECT_EQ(Sounding(badmove), 1);
}

TEST_F(Selection, AHintAskedAgainStartsItsSoundOver) {
  Place({{0, 0, 0}, {4, 0, 0}}, 3);
  vGiveHint();
  vGiveHint();
  EXPECT_EQ(gs.iHintsLeft, 1);
  EXPECT_EQ(Sounding(hint), 1);
}

}  // namespace
