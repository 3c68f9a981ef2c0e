#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "audio/music.h"
#include "audio/sound_effects.h"
#include "play/game_state.h"
#include "play/sound_controls.h"
#include "play/input.h"
#include "play/language_switch.h"
#include "play/main_thread_asks.h"
#include "play/score_screens.h"
#include "diag/debug_log.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "content/video_setup.h"
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/picture_memory.h"
#include "platform/window.h"
#include "raster/raster.h"
#include "shell/language_setup.h"
#include "shell/main_loop.h"
#include "shell/shell.h"
#include "shell/window_settings.h"

void* hMainWindow = nullptr;
PlatformThread* hGameThread = nullptr;
std::atomic<int> iFailureExitCode{0};

namespace {
constexpr char kProductName[] = "Tavimora";
constexpr size_t kGameThreadStack = 5000000;

// The longest the main loop waits for an event; the music is pumped (a track that ended is
// followed by the next) at least this often. The game thread wakes it when it ends.
constexpr int kIdleWaitMs = 100;
// Without music there is nothing to pump: the loop then waits longer for an event.
constexpr int kIdleWaitSilentMs = 1000;

// Tells the user why the game stopped, if something failed after start-up. Runs on the main
// thread after the graphics are shut down, so the desktop is back before any message shows.
int iFinalExitCode(int quitCode) {
  std::string fatal = FatalErrorText();
  if (!fatal.empty()) {
    PlatformErrorBox(kProductName, fatal.c_str());
    return 1;
  }
  return iFailureExitCode != 0 ? iFailureExitCode.load() : quitCode;
}

// Sounds and the audio device are released here, in a known order, rather than by the
// destructors of global objects at exit; then the window goes.
void vReleaseForExit() {
  gSoundEffects.Shutdown();
  PlatformDestroyWindow();
}

// The window was closed: the whole shutdown runs here and the process ends.
[[noreturn]] void vDestroyWindow() {
  gs.bQuitGame = 1;
  gs.bShutdown = 1;
  WakeSleeper();
  vDebugLog("WM_DESTROY\n");
  vStopMusic();
  PlatformWaitThread(hGameThread);
  hGameThread = nullptr;
  vDebugLog("Waited\n");
  vStoreLastSettings();  // before the desktop is restored, which ends full screen
  gFrameStack.Shutdown();
  vDebugLog("Shutdown Graphics\n");
  PlatformPostQuit(0);
  vDebugLog("Posted Quit Message\n");
  int code = iFinalExitCode(0);
  vReleaseForExit();
  std::exit(code);
}

// The window procedure: the player's input goes to the game thread's queue, with its moment and
// position (Escape also raises its flag at once). The game thread sleeps between its looks, so
// every event wakes it, once what it announces is there to be taken.
void WndProc(const PlatformEvent& e) {
  if (!bQueueInput(e)) {
    switch (e.kind) {
      case kEventExposed: PlatformShowLatestFrame(true); break;
      case kEventWindowChanged: vStoreWindowSettings(); break;
      case kEventFilesArrived: vLanguageFilesArrived(); break;
      case kEventClose: vDestroyWindow();
      default: break;
    }
  }
  WakeSleeper();
}

// The main thread's loop: whether the quit is posted, whether text input and pointer moves are on.
bool gQuitPosted = false;
bool gTextInput = false;
bool gPointerMotion = false;

// Opens the window with the title picture in it as soon as that is loaded, while the other
// images still load: the first frame is the one the title screen is about to show.
void vShowWindowWithTitle() {
  vApplyWindowSettings(bWindowed);
  gFrameStack.Select(gResources.iFrameVB);
  gResources.title.Draw(0, 0);
  ShowFrame(kActiveSlot);
  DeactivateBuffers();
  // The window's surface is made and filled while the window is still hidden, so that the
  // picture follows the window's appearance as closely as it can.
  PlatformShowLatestFrame(true);
  PlatformShowWindow();
}

// A start-up step failed: the desktop is restored and the window goes before the process ends.
int iFailedStart() {
  vStopMusic();
  gFrameStack.Shutdown();
  gSoundEffects.Shutdown();
  PlatformDestroyWindow();
  return 1;
}

// The quit event has come, with its code; the game thread has ended.
bool gQuitCame = false;
int gQuitCode = 0;
std::atomic<bool> gGameThreadEnded{false};

int thrGameThenMarkEnded(void* unused) {
  const int result = thrMainGameLoop(unused);
  gGameThreadEnded = true;
  return result;
}

void vAskGameThreadToEnd() {
  gs.bQuitGame = 1;
  gs.bShutdown = 1;
  WakeSleeper();
  vStopMusic();
}

// The events that wait, the first one waited for up to `timeoutMs`; false once the quit came.
bool bTakeEvents(int timeoutMs) {
  PlatformEvent e;
  while (PlatformNextEvent(e, timeoutMs)) {
    if (e.kind == kEventQuit) {
      gQuitCode = e.code;
      return false;
    }
    WndProc(e);
    if (!PlatformHasPendingEvent()) break;
    timeoutMs = 0;
  }
  return true;
}

// What the game thread's screens asked of the main thread: the sound controls and the switch
// between window and full screen. The game thread wakes to show what changed.
void vCarryOutAsks() {
  const std::vector<int> asks = TakeMainThreadAsks();
  for (int ask : asks) {
    if (ask != kAskFullScreen) {
      bSoundControlKey(ask);
      continue;
    }
    bool fullScreen = false;
    int width = 0, height = 0;
    PlatformWindowMode(fullScreen, width, height);
    PlatformSetWindowMode(!fullScreen, 0, 0);
    vStoreWindowSettings();
  }
  if (!asks.empty()) WakeSleeper();
}

// Text input and the pointer's moves, as the game thread wants them.
void vFollowInputWishes() {
  if (bTextInputWanted != gTextInput) {
    gTextInput = bTextInputWanted;
    PlatformSetTextInput(gTextInput);
    if (gTextInput) {  // only the name entry asks for text
      int x = 0, y = 0, w = 0, h = 0;
      NameFieldArea(x, y, w, h);
      PlatformSetTextInputArea(x, y, w, h);
    }
  }
  if (bPointerMotionWanted != gPointerMotion) {
    gPointerMotion = bPointerMotionWanted;
    PlatformSetPointerMotion(gPointerMotion);
  }
}

// The rest of a turn: input as the game wants it, the music, the latest frame, and the quit
// posted again on every turn until the queue has taken it.
void vFinishTurn() {
  vFollowInputWishes();
  vCarryOutAsks();
  if (bMusicStarted) vPumpMusic();
  else vRestSilentAudio();
  PlatformShowLatestFrame(false);
  if (gs.bQuitGame && !gQuitPosted) gQuitPosted = PlatformPostQuit(0);
}
}  // namespace

MainLoopState MainLoopTurn(int timeoutMs, bool mayWaitForGame) {
  if (!gQuitCame) {
    if (bTakeEvents(timeoutMs)) {
      vFinishTurn();
      return MainLoopState::kRunning;
    }
    gQuitCame = true;
    vAskGameThreadToEnd();
  }
  return mayWaitForGame || gGameThreadEnded ? MainLoopState::kEnded : MainLoopState::kEnding;
}

int iIdleWaitMs() { return bMusicStarted ? kIdleWaitMs : kIdleWaitSilentMs; }

int iStartGame() {
  if (!PlatformCreateWindow(kProductName, kFrameWidth, kFrameHeight, bWindowed)) {
    std::fprintf(stderr, "%s: cannot create the game window.\n", kProductName);
    PlatformDestroyWindow();
    return 1;
  }
  PlatformSetWindowIcon(PlatformPath("content\\art\\icon48.bmp").c_str());
  hMainWindow = PlatformWindowHandle();
  vChooseLanguage();
  if (!bInitVideo(hMainWindow, vShowWindowWithTitle)) return iFailedStart();
  picture_memory::TrimLargePictures();  // every picture the game keeps is made
  vDebugLog("Video and Sound Inited\n");
  const bool music = bApplyStoredSound();
  // The sound device is opened here, on the main thread, whatever the music setting: a browser
  // lets only the page's own thread start its audio, and the game thread's effects then find the
  // device open (or its failure known) instead of trying from their own thread.
  PlatformAudioOpen();
  if (music) bPlayTitleMusic();
  gQuitCame = false;
  gQuitPosted = false;
  gTextInput = false;
  gPointerMotion = false;
  gGameThreadEnded = false;
  PlatformSetTextInput(false);  // only while the game asks for a name
  PlatformSetPointerMotion(false);  // only while a menu is up
  hGameThread = PlatformStartThread(thrGameThenMarkEnded, nullptr, kGameThreadStack, "game");
  if (hGameThread == nullptr) {
    iFailedStart();
    PlatformErrorBox(kProductName, "Cannot start the game thread.");
    return 1;
  }
  return -1;
}

int iFinishGame() {
  PlatformWaitThread(hGameThread);
  hGameThread = nullptr;
  vStoreLastSettings();
  gFrameStack.Shutdown();
  int code = iFinalExitCode(gQuitCode);
  vReleaseForExit();
  return code;
}

int WinMain() {
  int code = iStartGame();
  if (code >= 0) return code;
  while (MainLoopTurn(iIdleWaitMs(), true) == MainLoopState::kRunning) {
  }
  return iFinishGame();
}
