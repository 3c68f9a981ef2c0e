// The whole program in the test process, headless: WinMain with its window, message loop and
// game thread. The player's input arrives as real SDL events, pushed onto the queue the window
// procedure reads, so it takes the shipped road through the input queue into the game.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "game_harness.h"
#include "gfx/frame_stack.h"
#include "pushed_input.h"
#include "platform/audio.h"
#include "platform/virtual_clock.h"
#include "play/game_state.h"
#include "play/main_thread_asks.h"
#include "play/input.h"
#include "save/settings.h"
#include "screens/screen_layout.h"
#include "shell/shell.h"

namespace {
// Eight tiles far enough apart that every one of them is free.
const std::vector<TileAt> kSpread = {{2, 2, 0}, {6, 2, 0}, {10, 2, 0}, {14, 2, 0},
                                     {2, 6, 0}, {6, 6, 0}, {10, 6, 0}, {14, 6, 0}};

// Pushes events from the game thread, and waits (in real time) until the main thread's message
// loop has dealt with them. The game thread stands still meanwhile, and so does the virtual
// clock, so the game sees the input at a known moment.
class Player {
 public:
  // A press and release in the same millisecond, at (x, y) of the frame.
  bool Click(int x, int y) {
    PushMouseButton(SDL_MOUSEBUTTONDOWN, x, y);
    PushMouseButton(SDL_MOUSEBUTTONUP, x, y);
    return Settle();
  }
  bool ClickZone(const char* name) {
    int x = 0, y = 0;
    return ZoneCentre(name, x, y) && Click(x, y);
  }
  bool ClickTile(int cell) {
    int x = 0, y = 0, z = 0;
    vGetCellXYZ(cell, x, y, z);
    return Click(screen::iTileLeft(x, z) + 36, screen::iTileTop(y, z) + 44);
  }
  bool Key(SDL_Keycode key) {
    PushKey(key);
    return Settle();
  }
  // A button of a virtual pad pressed and let go, each seen by the main loop.
  bool Pad(SDL_Joystick* pad, SDL_GameControllerButton button) {
    SDL_JoystickSetVirtualButton(pad, button, 1);
    if (!Settle()) return false;
    SDL_JoystickSetVirtualButton(pad, button, 0);
    return Settle();
  }
  // Two keys the game ignores follow whatever was pushed; once both are gone from the queue, the
  // loop has handled everything before them and finished a whole pass (with its latch ticks).
  bool Settle() {
    PushKey(SDLK_F13);
    PushKey(SDLK_F13);
    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_KEYDOWN, SDL_KEYDOWN) > 0) {
      if (std::chrono::steady_clock::now() > giveUp) return false;
      std::this_thread::sleep_for(std::chrono::microseconds(100));
    }
    return true;
  }
};

// One step of title, menu, NEWGAME, EASY by presses; true once the game is on and its time runs.
bool bPressedOnToPlay(GameHarness& h, Player& player, uint32_t now) {
  if (h.ZoneReady("TITLE_SCREEN", now) && !ZonePresent("NEWGAME")) player.Click(500, 700);
  if (h.ZoneReady("NEWGAME", now)) player.ClickZone("NEWGAME");
  if (h.ZoneReady("EASY", now)) player.ClickZone("EASY");
  return ZonePresent("GAME_LOOP") && gs.iTimeTicks < kStartTimeTicks;
}

// Title, menu, difficulty, a short click on a tile, Escape and YES back to the title, and QUIT.
TEST(App, ShortClicksEscapeAndQuitTakeTheShippedRoad) {
  GameHarness h;
  WritePattern(0, kSpread);
  Player player;
  enum Step {
    kTitle, kMenu, kDifficulty, kGame, kSelected, kAsked, kEscaped, kTitleAgain, kQuit, kDone
  };
  Step step = kTitle;
  int cell = -1, selectionChanges = 0;
  int32_t lastCount = 0;
  uint32_t at = 0;
  bool escapeSeen = false;
  // Goes on to the next step once the main loop has taken an action's events; when it never
  // does, the program is told to end.
  auto act = [&](bool acted, Step next, uint32_t now) {
    if (!acted) {
      ADD_FAILURE() << "the main loop did not take the events at step " << step;
      AskToQuit();
    }
    step = acted ? next : kDone;
    at = now;
    return acted;
  };
  int code = -1;
  const std::thread::id mainThread = std::this_thread::get_id();
  h.Run([&] { code = WinMain(); },
        [&](uint32_t now) {
          if (std::this_thread::get_id() == mainThread) return true;
          switch (step) {
            case kTitle:
              if (h.ZoneReady("TITLE_SCREEN", now)) act(player.Click(500, 700), kMenu, now);
              break;
            case kMenu:
              if (h.ZoneReady("NEWGAME", now)) act(player.ClickZone("NEWGAME"), kDifficulty, now);
              break;
            case kDifficulty:
              if (h.ZoneReady("EASY", now)) act(player.ClickZone("EASY"), kGame, now);
              break;
            case kGame:
              if (h.ZoneReady("GAME_LOOP", now)) {
                cell = gs.aiSolution[0];
                act(player.ClickTile(cell), kSelected, now);
              }
              break;
            case kSelected:
              if (gs.iSelectedCount != lastCount) ++selectionChanges;
              lastCount = gs.iSelectedCount;
              if (now - at >= 400) {
                EXPECT_EQ(gs.aiSelectedCell[0], cell);
                act(player.Key(SDLK_ESCAPE), kAsked, now);
              }
              break;
            case kAsked:
              if (h.ZoneReady("YES", now)) act(player.ClickZone("YES"), kEscaped, now);
              break;
            case kEscaped:
              if (ZonePresent("TITLE_SCREEN") && !ZonePresent("GAME_LOOP")) {
                escapeSeen = now - at <= 2;
                step = kTitleAgain;
                at = now;
              }
              break;
            case kTitleAgain:
              if (now - at >= 300) act(player.Click(500, 700), kQuit, now);
              break;
            case kQuit:
              if (h.ZoneReady("QUIT", now)) act(player.ClickZone("QUIT"), kDone, now);
              break;
            case kDone:
              return false;
          }
          return true;
        },
        120000);
  EXPECT_FALSE(h.timedOut) << "stuck at step " << step;
  EXPECT_EQ(code, 0);
  EXPECT_EQ(selectionChanges, 1) << "selected once, and not again by a button left down";
  EXPECT_TRUE(escapeSeen) << "YES in Escape's box ends the game at its next pass";
  EXPECT_EQ(h.CountInTrace("iGameLoop() ------------>> ENTERING GAME LOOP\n"), 1);
  EXPECT_EQ(h.CountInTrace("GAME OVER\n"), 1);
}

// The main loop wakes the game thread only once what an event announces is there: a game thread
// woken by a click must find the press queued, or it looks, sees nothing and sleeps on.
TEST(App, AClickWakesTheGameOnlyOnceItIsQueued) {
  GameHarness h;
  WritePattern(0, kSpread);
  Player player;
  std::atomic<bool> watching{false};
  std::atomic<int> wakes{0}, wakesWithoutThePress{0}, queuedBefore{0};
  VirtualClockSetWakeHook([&] {
    if (!watching) return;
    ++wakes;
    if (iQueuedInput() <= queuedBefore) ++wakesWithoutThePress;
  });
  const std::thread::id mainThread = std::this_thread::get_id();
  h.Run([] { WinMain(); },
        [&](uint32_t now) {
          if (std::this_thread::get_id() == mainThread || !h.ZoneReady("TITLE_SCREEN", now)) {
            return true;
          }
          EXPECT_TRUE(player.Settle());  // nothing from before is left in the window's queue
          queuedBefore = iQueuedInput();  // the game thread takes nothing while it stands here
          watching = true;  // the game thread stands still here, so the press stays queued
          EXPECT_TRUE(player.Click(500, 700));
          watching = false;
          AskToQuit();
          return false;
        },
        60000);
  VirtualClockSetWakeHook({});
  EXPECT_FALSE(h.timedOut);
  EXPECT_GT(wakes.load(), 0);
  EXPECT_EQ(wakesWithoutThePress.load(), 0);
}

// No sound device: one line says so on the standard error stream and the game plays on, silent,
// to the playing screen, with no message box.
TEST(App, WithoutASoundDeviceTheGameStartsSilently) {
  GameHarness h;
  WritePattern(0, kSpread);
  PlatformAudioClose();
  setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
  testing::internal::CaptureStderr();
  Player player;
  bool playing = false;
  int code = -1;
  const std::thread::id mainThread = std::this_thread::get_id();
  h.Run([&] { code = WinMain(); },
        [&](uint32_t now) {
          if (std::this_thread::get_id() == mainThread) return true;
          playing = bPressedOnToPlay(h, player, now);
          if (playing) AskToQuit();
          return !playing;
        },
        120000);
  const std::string err = testing::internal::GetCapturedStderr();
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  PlatformAudioClose();  // forgets the failed open for the tests that follow
  EXPECT_TRUE(playing);
  EXPECT_EQ(code, 0);
  EXPECT_NE(err.find("no sound device could be opened"), std::string::npos) << err;
  EXPECT_EQ(err.find("Error"), std::string::npos) << err;
}
// A pad alone plays: the title, the menu and the difficulty by the d-pad and A, a level of two
// tiles cleared by the ring and A, and the prompt after it passed with A.
TEST(App, AGamepadAloneClearsALevel) {
  GameHarness h;
  WritePattern(0, {{4, 4, 0}, {10, 4, 0}});
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  Player player;
  SDL_Joystick* pad = nullptr;
  const std::vector<SDL_GameControllerButton> kLevel = {
      SDL_CONTROLLER_BUTTON_DPAD_RIGHT, SDL_CONTROLLER_BUTTON_A, SDL_CONTROLLER_BUTTON_DPAD_RIGHT,
      SDL_CONTROLLER_BUTTON_A};
  size_t played = 0;
  const std::thread::id mainThread = std::this_thread::get_id();
  h.Run([] { WinMain(); },
        [&](uint32_t now) {
          if (std::this_thread::get_id() == mainThread) return true;
          if (pad == nullptr) {
            const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER,
                                                        SDL_CONTROLLER_AXIS_MAX,
                                                        SDL_CONTROLLER_BUTTON_MAX, 0);
            pad = SDL_JoystickOpen(index);
            EXPECT_NE(pad, nullptr) << SDL_GetError();
            if (pad == nullptr) AskToQuit();
            return pad != nullptr;
          }
          if (h.ZoneReady("TITLE_SCREEN", now) && !ZonePresent("NEWGAME")) {
            player.Pad(pad, SDL_CONTROLLER_BUTTON_A);
          } else if (h.ZoneReady("NEWGAME", now) || h.ZoneReady("EASY", now)) {
            player.Pad(pad, SDL_CONTROLLER_BUTTON_A);  // a fresh menu lights its first button
          } else if (h.ZoneReady("CONTINUE", now)) {
            player.Pad(pad, SDL_CONTROLLER_BUTTON_A);
          } else if (gs.iLevel == 1 && played < kLevel.size() && h.ZoneReady("GAME_LOOP", now)) {
            player.Pad(pad, kLevel[played++]);
          } else if (gs.iLevel == 2 && h.ZoneReady("GAME_LOOP", now)) {
            AskToQuit();
            return false;
          }
          return true;
        },
        120000);
  if (pad != nullptr) SDL_JoystickClose(pad);
  SDL_JoystickDetachVirtual(0);
  EXPECT_FALSE(h.timedOut);
  EXPECT_EQ(played, kLevel.size());
  EXPECT_EQ(gs.iLevel, 2) << "the level was cleared and the prompt passed";
}

// A whole game by keys the player chose (J chooses instead of Enter, L moves right instead of the
// Right arrow, as kept in the settings): the title, the menu, the difficulty, a level of two
// tiles and the prompt after it; the shipped keys do nothing on the board.
TEST(App, AWholeGameByTheKeysThePlayerChose) {
  GameHarness h;
  WritePattern(0, {{4, 4, 0}, {10, 4, 0}});
  WriteWholeFile("content/levels/settings.txt", "keys=13>106,259>108\n");
  vForgetSettings();
  Player player;
  const std::vector<SDL_Keycode> kLevel = {SDLK_RETURN, SDLK_RIGHT, SDLK_l, SDLK_j, SDLK_l, SDLK_j};
  size_t played = 0;
  int selectedByOldKeys = -1;
  const std::thread::id mainThread = std::this_thread::get_id();
  h.Run([] { WinMain(); },
        [&](uint32_t now) {
          if (std::this_thread::get_id() == mainThread) return true;
          const bool menu = h.ZoneReady("NEWGAME", now) || h.ZoneReady("EASY", now);
          if ((h.ZoneReady("TITLE_SCREEN", now) && !ZonePresent("NEWGAME")) || menu ||
              h.ZoneReady("CONTINUE", now)) {
            player.Key(SDLK_j);
          } else if (gs.iLevel == 1 && played < kLevel.size() && h.ZoneReady("GAME_LOOP", now)) {
            if (played == 2) selectedByOldKeys = gs.iSelectedCount;
            player.Key(kLevel[played++]);
          } else if (gs.iLevel == 2 && h.ZoneReady("GAME_LOOP", now)) {
            AskToQuit();
            return false;
          }
          return true;
        },
        120000);
  EXPECT_FALSE(h.timedOut);
  EXPECT_EQ(played, kLevel.size());
  EXPECT_EQ(selectedByOldKeys, 0) << "Enter and the Right arrow no longer play";
  EXPECT_EQ(gs.iLevel, 2) << "the level was cleared and the prompt passed";
  WriteWholeFile("content/levels/settings.txt", "");
  vForgetSettings();
}

// A settings file as the player left it, and the sound and window the game must start with.
struct StoredSettings {
  const char* name;
  std::string file;
  bool music, effects;
  int volume;
  bool fullScreen;
};

void PrintTo(const StoredSettings& row, std::ostream* out) { *out << row.name; }

// Every byte value once or more, in a scrambled order, line ends among them.
std::string Garbage() {
  std::string bytes;
  for (int i = 0; i < 600; ++i) bytes += static_cast<char>(i * 167 % 256);
  return bytes;
}

const StoredSettings kStoredSettings[] = {
    {"AllOn", "fullscreen=0\nmusic=on\neffects=on\nvolume=8\n", true, true, 8, false},
    {"MusicOff", "music=off\n", false, true, 8, false},
    {"EffectsOff", "effects=off\n", true, false, 8, false},
    {"SilentAndQuietest", "music=off\neffects=off\nvolume=1\n", false, false, 1, false},
    {"VolumeZeroIsJunk", "volume=0\n", true, true, 8, false},
    {"FullScreenMusicOff", "fullscreen=1\nmusic=off\nvolume=1\n", false, true, 1, true},
    {"FullScreenEffectsOff", "fullscreen=1\neffects=off\n", true, false, 8, true},
    {"BinaryGarbage", Garbage(), true, true, 8, false},
    {"OverlongLines", "music=off\nvolume=" + std::string(40, '9') + "\n" + std::string(6000, '#'),
     false, true, 8, false},
    {"EmptyFile", "", true, true, 8, false},
};

class SavedSettings : public testing::TestWithParam<StoredSettings> {};

// No saved setting stops the game: from each file it plays by presses to the playing screen, with
// the stored sound in effect from the title on, and leaves a clean file holding what it used.
TEST_P(SavedSettings, StartTheGameAndPlayByPresses) {
  const StoredSettings& row = GetParam();
  GameHarness h;
  WritePattern(0, kSpread);
  WriteWholeFile("content/levels/settings.txt", row.file);
  vForgetSettings();  // read as a new start reads it, whatever the rows before read
  Player player;
  bool titleSeen = false, open = false, playing = false;
  int effectsLevel = -1, musicLevel = -1, code = -1;
  const std::thread::id mainThread = std::this_thread::get_id();
  h.Run([&] { code = WinMain(); },
        [&](uint32_t now) {
          if (std::this_thread::get_id() == mainThread) return true;
          if (!titleSeen && ZonePresent("TITLE_SCREEN")) {
            titleSeen = true;
            open = PlatformAudioIsOpen();
            effectsLevel = open ? Mix_Volume(-1, -1) : -1;
            musicLevel = Mix_VolumeMusic(-1);
          }
          playing = bPressedOnToPlay(h, player, now);
          if (playing) AskToQuit();
          return !playing;
        },
        120000);
  EXPECT_TRUE(playing);
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(open) << "the sound device is open by the title";
  const int level = MIX_MAX_VOLUME * row.volume / kVolumeSteps;
  EXPECT_EQ(effectsLevel, row.effects ? level : 0);
  EXPECT_EQ(musicLevel, level);
  EXPECT_EQ(h.CountInTrace("[bPlayTitleMusic()] Song") > 0, row.music);
  bool clean = false;
  const Settings kept = ParseSettings(ReadWholeFile("content/levels/settings.txt"), clean);
  EXPECT_TRUE(clean);
  EXPECT_EQ(kept.music, row.music);
  EXPECT_EQ(kept.effects, row.effects);
  EXPECT_EQ(kept.volume, row.volume);
  EXPECT_EQ(kept.fullScreen, row.fullScreen || !bWindowed);
}

INSTANTIATE_TEST_SUITE_P(App, SavedSettings, testing::ValuesIn(kStoredSettings),
                         [](const testing::TestParamInfo<StoredSettings>& row) {
                           return std::string(row.param.name);
                         });
}  // namespace
