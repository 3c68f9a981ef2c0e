// Tests src/play/menus.cpp (the panels' zones).
// The buttons of the main menu, the difficulty choice and the quit confirmation lie where the art
// shows them: each screen's zones, read back once the screen has added them, against the numbers.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

#include "game_harness.h"
#include "gfx/game_resources.h"
#include "play/game_state.h"
#include "play/menus.h"
#include "screens/mouse_zones.h"

namespace {
struct ZoneAt {
  const char* name;
  int x, y, width, height;
};

void ExpectZones(const std::vector<ZoneAt>& expected) {
  for (const ZoneAt& e : expected) {
    const MouseZone* z = gMouseZones.Find(e.name);
    ASSERT_NE(z, nullptr) << e.name;
    EXPECT_EQ((std::array<int, 5>{z->x, z->y, z->width, z->height, z->kind}),
              (std::array<int, 5>{e.x, e.y, e.width, e.height, kZoneLeft}))
        << e.name;
  }
}

// Runs the screen to its first pause, compares the zones there, and lets the screen end.
void ExpectZonesOf(GameHarness& h, const std::function<void()>& screen,
                   const std::vector<ZoneAt>& expected) {
  bool looked = false;
  h.Run(screen,
        [&](uint32_t) {
          ExpectZones(expected);
          looked = true;
          gs.bShutdown = 1;
          return false;
        },
        1000);
  EXPECT_TRUE(looked);
  gs.bShutdown = 0;
}

// The menu bar (720 x 400) is centred at (152, 184) and the quit box (729 x 400) at (147, 184);
// the buttons answer to the left button only.
TEST(PanelZones, MenuDifficultyAndQuitButtonsLieOnTheirArt) {
  GameHarness h;
  ASSERT_TRUE(h.StartVideo());
  const std::vector<ZoneAt> difficulty = {
      {"EASY", 330, 229, 364, 68}, {"MEDIUM", 330, 350, 364, 68}, {"HARD", 330, 471, 364, 68}};
  ExpectZonesOf(h, [] { iMainMenu(); },
                {{"NEWGAME", 330, 229, 364, 68},
                 {"HELP", 330, 350, 364, 68},
                 {"QUIT", 330, 471, 364, 68}});
  ExpectZonesOf(h, [] { bChooseDifficulty(); }, difficulty);
  ExpectZonesOf(h, [] { bAreYouSure(); }, {{"YES", 330, 352, 363, 68}, {"NO", 330, 470, 363, 68}});

  // The menu bar's size places the difficulty panel, whatever the size of its own picture.
  Sprite& picture = gResources.chooseDifficulty;
  picture.Resize(300, 200);
  ExpectZonesOf(h, [] { bChooseDifficulty(); }, difficulty);
  picture.Load("choosediff");
}
}  // namespace
