// The board as drawn on the playing screen: where tiles, shadows and bases land, which tile lies
// over which, and the marks on selected, hinted and blocked tiles.
#include <gtest/gtest.h>

#include "play/game_state.h"
#include "platform/clock.h"
#include "render_fixture.h"
#include "play/playing_screen.h"
#include "screens/render.h"

using namespace render_colours;

namespace {
using BoardRenderTest = RenderTest;

TEST_F(BoardRenderTest, EmptyBoardDrawsNothingOverTheBoardArea) {
  vDrawGameScreen();
  for (int y = 72; y < kFrameHeight; ++y)
    for (int x = 70; x < 979; ++x) ASSERT_EQ(At(x, y), kBackground) << x << "," << y;
  EXPECT_EQ(At(979, 721), kHelpButton);
  EXPECT_EQ(At(1023, 765), kHelpButton);
  EXPECT_EQ(At(978, 721), kBackground);
  EXPECT_EQ(At(979, 720), kBackground);
}

TEST_F(BoardRenderTest, TilesAndShadowsLandOnTheirLayerPositions) {
  Place(0, 0, 1, 1);
  Place(10, 5, 0, -1);  // values of 0 or less are no tile
  vDrawGameScreen();
  EXPECT_EQ(At(89, 102), kFace[1]);
  EXPECT_EQ(At(88, 102), kBackground);
  EXPECT_EQ(At(89, 101), kBackground);
  EXPECT_EQ(At(85, 115), Shaded(kBackground));  // 4 left of and 13 below the tile
  EXPECT_EQ(At(84, 115), kBackground);
  EXPECT_EQ(At(85, 114), kBackground);
  EXPECT_EQ(At(420, 332), kBackground);

  vResetGameState();
  Place(0, 0, 0, 1);
  vDrawGameScreen();
  EXPECT_EQ(At(80, 112), kFace[1]);
  EXPECT_EQ(At(79, 112), kBackground);
  EXPECT_EQ(At(80, 111), kBackground);
  EXPECT_EQ(At(76, 125), Shaded(kBackground));
  EXPECT_EQ(At(75, 125), kBackground);
  EXPECT_EQ(At(76, 124), kBackground);
}

TEST_F(BoardRenderTest, OverlapsFollowLayerColumnAndRowOrder) {
  // A smaller face on layer 1 over a full one on layer 0: the upper layer's shadow and base lie
  // over the lower layer's face.
  Place(0, 0, 0, 1);
  Place(0, 0, 1, 4);
  // Two neighbours in a row, and two neighbours in a column, overlapping by 8 pixels.
  Place(10, 5, 0, 1);
  Place(12, 5, 0, 2);
  Place(20, 2, 0, 1);
  Place(20, 4, 0, 3);
  vDrawGameScreen();

  EXPECT_EQ(At(100, 150), kFace[4]);
  EXPECT_EQ(At(86, 150), Shaded(kFace[1]));  // layer 1's shadow darkens layer 0's face
  EXPECT_EQ(At(100, 185), kBorder);  // layer 1's base over layer 0's face

  EXPECT_EQ(At(466, 350), kFace[1]);  // column 10 over column 12, its right neighbour
  EXPECT_EQ(At(472, 350), kFace[2]);

  EXPECT_EQ(At(750, 275), kFace[3]);  // row 4 over row 2, the row above it
  EXPECT_EQ(At(750, 271), kFace[1]);
}

TEST_F(BoardRenderTest, SelectedTilesAreTintedYellowAndMarked) {
  const int first = iGetCellIndex(5, 3, 0), second = iGetCellIndex(9, 3, 0);
  Place(5, 3, 0, 1);  // at (240, 232)
  Place(9, 3, 0, 2);  // at (368, 232)
  gs.iSelectedCount = 1;
  gs.aiSelectedCell[0] = first;
  vDrawGameScreen();
  const uint32_t yellow = Tinted(kFace[1], 150, 100, 0);
  EXPECT_EQ(At(280, 272), yellow);
  EXPECT_EQ(At(249, 232), kTileSelect);
  EXPECT_EQ(At(248, 232), yellow);
  EXPECT_EQ(At(255, 232), yellow);
  EXPECT_EQ(At(408, 272), kFace[2]);
  EXPECT_EQ(At(377, 232), kFace[2]);

  gs.iSelectedCount = 2;
  gs.aiSelectedCell[1] = second;
  vDrawGameScreen();
  EXPECT_EQ(At(280, 272), yellow);
  EXPECT_EQ(At(408, 272), Tinted(kFace[2], 150, 100, 0));
  EXPECT_EQ(At(377, 232), kTileSelect);

  // Cells left in the slots do not count once the selection is empty.
  gs.iSelectedCount = 0;
  vDrawGameScreen();
  EXPECT_EQ(At(280, 272), kFace[1]);
  EXPECT_EQ(At(249, 232), kFace[1]);
  EXPECT_EQ(At(408, 272), kFace[2]);
}

TEST_F(BoardRenderTest, HintAngelsStandOverBothHintedTiles) {
  Place(5, 3, 0, 1);   // at (240, 232)
  Place(15, 8, 1, 1);  // at (569, 422)
  Place(9, 3, 0, 2);   // at (368, 232), not hinted
  gs.bHintShown = 1;
  gs.aiHintCell[0] = iGetCellIndex(5, 3, 0);
  gs.aiHintCell[1] = iGetCellIndex(15, 8, 1);
  gs.iHintFrame = 2;
  vDrawGameScreen();
  EXPECT_EQ(At(266, 258), kAngel[2]);
  EXPECT_EQ(At(265, 258), kFace[1]);
  EXPECT_EQ(At(595, 448), kAngel[2]);
  EXPECT_EQ(At(394, 258), kFace[2]);

  gs.iHintFrame = 3;
  vDrawGameScreen();
  EXPECT_EQ(At(266, 258), kAngel[3]);

  gs.bHintShown = 0;
  vDrawGameScreen();
  EXPECT_EQ(At(266, 258), kFace[1]);
  EXPECT_EQ(At(595, 448), kFace[1]);
}

// The blink's timing is the rules' (rules_tests); here each of its states is drawn.
TEST_F(BoardRenderTest, BlockedTileIsTintedWithTheMarkInItsBlinkPhaseThenDrawsPlain) {
  const int cell = iGetCellIndex(5, 3, 0);
  Place(5, 3, 0, 1);  // at (240, 232); its block mark at (249, 232)
  const uint32_t start = timeGetTime();
  gs.iBlockedCell = cell;
  gs.dwBlockedUntil = start + 1000;
  gs.bBlockedBlink = 0;
  gs.dwBlockedBlinkAt = start - 5000;  // flagged long after the previous one
  const uint32_t red = Tinted(kFace[1], 150, -50, -50);
  for (auto [at, mark] : {std::pair{0u, false}, std::pair{300u, true}, std::pair{1001u, false}}) {
    VirtualClockSet(start + at);
    vDrawGameScreen();
    EXPECT_EQ(At(280, 272), red) << at;
    EXPECT_EQ(At(249, 232), mark ? kTileBlock : red) << at;
  }
  // The frame after the second was still drawn tinted; from the next one the tile is plain.
  VirtualClockSet(start + 1002);
  vDrawGameScreen();
  EXPECT_EQ(At(280, 272), kFace[1]);
  EXPECT_EQ(At(249, 232), kFace[1]);
}
}  // namespace
