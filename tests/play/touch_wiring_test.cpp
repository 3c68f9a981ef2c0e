// Tests src/play/pointer.cpp (bPollZone's tap rule).
// A finger on the board, sent through the input queue as the window hands it over: a tap beside
// a free tile, outside its area but within reach, takes the tile, where a click at the same
// place takes nothing.
#include <gtest/gtest.h>

#include "game_harness.h"
#include "platform/window.h"
#include "play/game_loop.h"
#include "play/game_state.h"
#include "player_script.h"
#include "screens/screen_layout.h"

namespace {
Step Selected(int32_t count, int32_t cell, const char* how) {
  return Do([=] {
    EXPECT_EQ(gs.iSelectedCount, count) << how;
    EXPECT_EQ(gs.aiSelectedCell[0], count > 0 ? cell : -1) << how;
  }).After(200);
}

TEST(TouchWiring, ATapBesideATileTakesItWhereAClickTakesNothing) {
  GameHarness h;
  ASSERT_TRUE(h.StartVideo());
  const TileAt tile{2, 2, 0};
  WritePattern(0, {tile, {6, 2, 0}, {10, 2, 0}, {14, 2, 0}});
  // Left of the leftmost tile's area, in no zone but the board's.
  const int x = screen::iTileLeft(tile.x, tile.z) - 20;
  const int y = screen::iTileTop(tile.y, tile.z) + screen::kTileZoneHeight / 2;
  const int cell = CellOf(tile);
  PlayScript(h, [] { iGameLoop(); },
             {Wait(0).Shows("GAME_LOOP", 600), Do([&] { h.Press(x, y); }), Selected(0, cell, "a click"),
              Do([&] { QueuePointer(kEventTouchDown, x, y); }),
              Do([&] { QueuePointer(kEventTouchUp, x, y); }).After(40), Selected(1, cell, "a tap"),
              LeaveGame()});
}
}  // namespace
