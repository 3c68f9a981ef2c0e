// Tests src/play/pause.cpp: the pause as the player meets it.
#include <gtest/gtest.h>

#include "game_harness.h"
#include "play/pause.h"
#include "player_script.h"
#include "screens/screen_layout.h"

namespace {
// A press on the options button opens the options, its edges included as on every zone; a
// press beside it goes on with the game.
TEST(Pause, OptionsButtonTakesPressesOnItsEdges) {
  const PixelRect& b = screen::kPausedOptionsButton;
  const struct {
    int x, y;
    bool opens;
  } cases[] = {{b.x, b.y, true}, {b.x + b.w, b.y + b.h, true}, {b.x + b.w + 1, b.y, false},
               {b.x, b.y + b.h + 1, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    GameHarness h;
    ASSERT_TRUE(h.StartVideo());
    Script script{Wait(300), Press(c.x, c.y)};
    if (c.opens) script = {Wait(300), Press(c.x, c.y).Shows("OPT_OK"), Escape(), Key('p').After(600)};
    PlayScript(h, [] { vPauseGame(); }, script);
    EXPECT_EQ(h.CountInTrace("vOptionsScreen()\n"), c.opens ? 1 : 0);
  }
}
}  // namespace
