// Switching between window and full screen with the keys players expect, under the dummy video
// driver (a 1024 x 768 desktop): the keys never reach the game, leaving full screen gives back
// the window's size, and a press in a smaller window lands on the frame pixel it shows; and the
// whole start-up with a settings file present, with and without the command line's overrides.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "game_harness.h"
#include "platform/window.h"
#include "play/game_state.h"
#include "play/main_thread_asks.h"
#include "play/input.h"
#include "shell/data_dir.h"
#include "shell/main_loop.h"
#include "shell/shell.h"
#include "save/settings.h"
#include "shell/window_settings.h"

namespace {
void PushKey(SDL_Keycode key, Uint16 mod) {
  SDL_Event e{};
  e.type = SDL_KEYDOWN;
  e.key.state = SDL_PRESSED;
  e.key.keysym.sym = key;
  e.key.keysym.mod = mod;
  SDL_PushEvent(&e);
}

// The next event the game would see, skipping window notices that carry nothing for it.
PlatformEventKind NextKind() {
  PlatformEvent e;
  for (int i = 0; i < 50; ++i) {
    if (PlatformNextEvent(e, 1) && e.kind != kEventExposed) return e.kind;
  }
  return kEventNone;
}

// Pushes a key and hands every event that follows to the window procedure, as the main loop
// does: true when the window switched and no key reached the game's queue.
bool SwitchesWithoutAKey(SDL_Keycode key, Uint16 mod) {
  bool full = false, wasFull = false;
  int w = 0, h = 0;
  PlatformWindowMode(wasFull, w, h);
  vForgetInput();
  PushKey(key, mod);
  PlatformEvent e;
  for (int i = 0; i < 50; ++i) {
    if (PlatformNextEvent(e, 1)) WndProc(e);
  }
  PlatformWindowMode(full, w, h);
  return full != wasFull && iQueuedInput() == 0;
}

TEST(WindowMode, KeysSwitchFullScreenAndGiveTheWindowBack) {
  ASSERT_TRUE(PlatformCreateWindow("Tavimora", 1024, 768, true));
  PlatformSetWindowMode(false, 800, 600);
  PlatformShowWindow();
  while (NextKind() != kEventNone) {
  }
  bool full = true;
  int w = 0, h = 0;
  for (auto [key, mod] : {std::pair{SDLK_F11, KMOD_NONE}, std::pair{SDLK_KP_ENTER, KMOD_LALT}}) {
    EXPECT_TRUE(SwitchesWithoutAKey(key, mod));
    PlatformWindowMode(full, w, h);
    EXPECT_TRUE(full);
    EXPECT_EQ(w, 800) << "the window's own size is kept while full screen";
    EXPECT_TRUE(SwitchesWithoutAKey(key, mod));
    PlatformWindowMode(full, w, h);
    EXPECT_FALSE(full);
    SDL_GetWindowSize(static_cast<SDL_Window*>(PlatformWindowHandle()), &w, &h);
    EXPECT_EQ(w, 800);
    EXPECT_EQ(h, 600);
  }
  PushKey(SDLK_RETURN, KMOD_NONE);
  EXPECT_EQ(NextKind(), kEventEnter) << "Enter alone reaches the game";

  SDL_Event press{};
  press.type = SDL_MOUSEBUTTONDOWN;
  press.button.button = SDL_BUTTON_LEFT;
  press.button.x = 400;
  press.button.y = 300;
  SDL_PushEvent(&press);
  EXPECT_EQ(NextKind(), kEventLeftDown);
  int x = 0, y = 0;
  PlatformPointerPosition(x, y);
  EXPECT_EQ(x, 512);
  EXPECT_EQ(y, 384);
  PlatformDestroyWindow();
}

// The game started as a player starts it, with the remembered window in the settings file: the
// window shows as remembered unless --window or --fullscreen says otherwise, and at the end the
// file holds the window as it was shown.
TEST(WindowMode, StartUpShowsTheRememberedWindowUnlessTheCommandLineSaysOtherwise) {
  struct Shown {
    bool fullScreen;
    int width, height;
  };
  struct Case {
    const char* option;
    const char* stored;
    Shown shown;
  };
  const Case cases[] = {
      {"", "fullscreen=0\nwindow=800x600\n", {false, 800, 600}},
      {"", "fullscreen=1\nwindow=800x600\n", {true, 800, 600}},
      {"--window", "fullscreen=1\nwindow=640x480\n", {false, 640, 480}},
      {"--fullscreen", "fullscreen=0\nwindow=640x480\n", {true, 640, 480}},
  };
  for (const Case& c : cases) {
    GameHarness h;
    vForgetSettings();  // each start reads its own file
    WriteStoredBest(0);  // a writable copy that keeps its best: the settings stay here too
    WriteWholeFile("content/levels/settings.txt", c.stored);
    std::string dataDir = "--data-dir=.", option = c.option, program = "tavimora";
    char* argv[] = {program.data(), dataDir.data(), option.data()};
    ASSERT_EQ(iPrepareFolders(option.empty() ? 2 : 3, argv, "", ""), -1);
    const std::thread::id mainThread = std::this_thread::get_id();
    h.Run([] { WinMain(); },
          [&](uint32_t) {
            if (std::this_thread::get_id() == mainThread || !ZonePresent("TITLE_SCREEN")) return true;
            AskToQuit();
            return false;
          },
          60000);
    EXPECT_FALSE(h.timedOut) << c.option;
    bool clean = false;
    const Settings kept = ParseSettings(ReadWholeFile("content/levels/settings.txt"), clean);
    EXPECT_EQ(kept.fullScreen, c.shown.fullScreen) << c.option << " " << c.stored;
    EXPECT_EQ(kept.width, c.shown.width) << c.option << " " << c.stored;
    EXPECT_EQ(kept.height, c.shown.height) << c.option << " " << c.stored;
  }
}
}  // namespace
