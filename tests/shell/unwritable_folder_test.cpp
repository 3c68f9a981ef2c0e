// A player's folder that cannot be written, from before the start or from the middle of play.
// Folder permissions do not stop root, who runs the tests, so the folder is a path under a
// regular file: every file the game makes there fails to open, whoever runs it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "content/catalogue.h"
#include "diag/debug_log.h"
#include "game_harness.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "platform/user_paths.h"
#include "play/game_state.h"
#include "play/language_switch.h"
#include "player_script.h"
#include "raster/raster.h"
#include "screens/screen_layout.h"
#include "shell/data_dir.h"
#include "shell/shell.h"

namespace {
// Inside the options panel, outside the main menu's panel and buttons: there the menu shows
// nothing but its background.
constexpr screen::Rect kBesideTheMenu{140, 90, 60, 60};
constexpr screen::Rect kWholeFrame{0, 0, kFrameWidth, kFrameHeight};

// The bytes of an area of the active buffer, row by row.
std::string ActiveArea(const screen::Rect& area) {
  BufferView view;
  if (!ViewActiveBuffer(view)) return "";
  std::string bytes;
  for (int y = area.y; y < area.y + area.h; ++y) {
    const uint8_t* row = view.pixels + size_t(y) * size_t(view.stride) + size_t(area.x * view.bytesPerPixel);
    bytes.append(reinterpret_cast<const char*>(row), size_t(area.w * view.bytesPerPixel));
  }
  return bytes;
}

// An area of the frame the screens draw into, or of the title drawn alone (in the screen
// buffer, which only loading uses). The game's own buffer stays active.
std::string FrameArea(const screen::Rect& area) {
  const int previous = GetActiveBuffer();
  gFrameStack.Select(gResources.iFrameVB);
  std::string bytes = ActiveArea(area);
  DeactivateBuffers();
  if (previous != -1) ActivateBuffer(previous);
  return bytes;
}
std::string TitleArea(const screen::Rect& area) {
  const int previous = GetActiveBuffer();
  DeactivateBuffers();
  gFrameStack.SelectScreen();
  gResources.title.Draw(0, 0);
  std::string bytes = ActiveArea(area);
  DeactivateBuffers();
  if (previous != -1) ActivateBuffer(previous);
  return bytes;
}

// Every file of the player's from now on goes under a regular file, as into a folder that
// cannot be written.
void vLockPlayerFolder() {
  WriteWholeFile("locked", "a file, not a folder");
  vUsePlayerFolder((std::filesystem::current_path() / "locked/").string(), ".");
}

void vUnlockPlayerFolder() {
  PlatformClearRedirects();
  vSetTraceFolder("");
}

Step MenuShowsTheTitleAround() {
  return Do([] {
    EXPECT_EQ(gResources.title.width, kFrameWidth);
    EXPECT_TRUE(FrameArea(kBesideTheMenu) == TitleArea(kBesideTheMenu)) << "the menu lies on the title";
  });
}

TEST(UnwritableFolder, LockedBeforeTheStartTheGameStartsAndShowsItsPictures) {
  GameHarness h;
  vLockPlayerFolder();
  ASSERT_TRUE(h.StartVideo()) << szContentError;
  PlayScript(h, [] { thrMainGameLoop(nullptr); },
             {Wait(0).Shows("TITLE_SCREEN"), Press(500, 700).Shows("NEWGAME"),
              MenuShowsTheTitleAround(), Do([] { gs.bShutdown = 1; })});
  vUnlockPlayerFolder();
}

// Locked while the options are up: the language chosen shows its pictures at once, and the
// main menu after the options lies on the new title, not on the options panel.
TEST(UnwritableFolder, LockedDuringPlayALanguageSwitchShowsItsPicturesAndTheMenuItsBackground) {
  GameHarness h;
  ASSERT_TRUE(h.StartVideo());
  std::string englishTitle;
  PlayScript(h, [] { thrMainGameLoop(nullptr); },
             {Wait(0).Shows("TITLE_SCREEN"), Press(500, 700).Shows("NEWGAME"),
              PressZone("OPTIONS").Shows("OPT_OK"), Do([&] {
                englishTitle = TitleArea(kWholeFrame);
                vLockPlayerFolder();
              }),
              PressZone("OPT_LANGUAGE").Shows("OPT_OK"), Do([&] {
                EXPECT_EQ(LanguageInUse(), "de");
                EXPECT_FALSE(TitleArea(kWholeFrame) == englishTitle) << "the title is the language's";
              }),
              PressZone("OPT_OK").After(500).Shows("NEWGAME"), MenuShowsTheTitleAround(),
              Do([] { gs.bShutdown = 1; })});
  vUnlockPlayerFolder();
  bSwitchLanguage("en");
}
}  // namespace
