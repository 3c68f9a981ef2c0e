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

// The ordered way out: each part start-up brings up adds how it is taken down, and every way out
// (a failed start, the game's end, the window closed) runs the one list, the newest step first.
std::vector<void (*)()> gShutdownSteps;

void AtShutdown(void (*step)()) { gShutdownSteps.push_back(step); }

void RunShutdown() {
  while (!gShutdownSteps.empty()) {
    void (*step)() = gShutdownSteps.back();
    gShutdownSteps.pop_back();
    step();
  }
}

// Tells the user why the game stopped, if something failed after start-up. It runs after the
// graphics are shut down, so the desktop is back before any message shows.
void TellFatalError() {
  const std::string fatal = FatalErrorText();
  if (!fatal.empty()) PlatformErrorBox(kProductName, fatal.c_str());
}

int ExitCode(int quitCode) {
  if (!FatalErrorText().empty()) return 1;
  return iFailureExitCode != 0 ? iFailureExitCode.load() : quitCode;
}

void vAskGameThreadToEnd() {
  gs.bQuitGame = 1;
  gs.bShutdown = 1;
  WakeSleeper();
  vStopMusic();
}

// The game thread is asked to end and waited for; the window settings are kept before the
// desktop is restored, which ends full screen.
void EndGameThread() {
  vAskGameThreadToEnd();
  PlatformWaitThread(hGameThread);
  hGameThread = nullptr;
  vDebugLog("Waited\n");
  vStoreLastSettings();
}

void ShutDownGraphics() {
  gFrameStack.Shutdown();
  vDebugLog("Shutdown Graphics\n");
}

// The main thread's own commands: the sound controls and the switch between window and full
// screen, from a key or asked by a screen. The game thread wakes to show what changed.
void RunMainThreadCommand(Command command) {
  if (command != Command::kFullScreen) {
    RunSoundCommand(command);
    return;
  }
  bool fullScreen = false;
  int width = 0, height = 0;
  PlatformWindowMode(fullScreen, width, height);
  PlatformSetWindowMode(!fullScreen, 0, 0);
  vStoreWindowSettings();
}

// The main thread's loop: whether the game thread has ended and asked for the quit, and whether
// the quit is posted.
bool gQuitAsked = false;
bool gQuitPosted = false;

// Text input on or off; only the name entry asks for text, and the input method's candidates go
// beside its field.
void SetTextInput(bool on) {
  PlatformSetTextInput(on);
  if (!on) return;
  int x = 0, y = 0, w = 0, h = 0;
  NameFieldArea(x, y, w, h);
  PlatformSetTextInputArea(x, y, w, h);
}

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

// A start-up step failed: what was brought up goes, the desktop restored and the window last.
int iFailedStart() {
  RunShutdown();
  return 1;
}

// The quit event has come, with its code; the game thread has ended.
bool gQuitCame = false;
int gQuitCode = 0;
std::atomic<bool> gGameThreadEnded{false};

int thrGameThenMarkEnded(void* unused) {
  const int result = thrMainGameLoop(unused);
  gGameThreadEnded = true;
  AskToQuit();
  return result;
}

// The events that wait, the first one waited for up to `timeoutMs`; false once the quit came
// (or the window was closed, which ends the game the same way).
bool bTakeEvents(int timeoutMs) {
  PlatformEvent e;
  while (PlatformNextEvent(e, timeoutMs)) {
    if (e.kind == kEventClose) vDebugLog("WM_DESTROY\n");
    if (e.kind == kEventQuit || e.kind == kEventClose) {
      gQuitCode = e.kind == kEventQuit ? e.code : 0;
      return false;
    }
    WndProc(e);
    if (!PlatformHasPendingEvent()) break;
    timeoutMs = 0;
  }
  return true;
}

// What the game thread asked of the main thread, in order: its commands, text input and the
// pointer's moves on or off, the quit once the game thread ended. The game thread wakes to show
// what changed.
void vCarryOutRequests() {
  const std::vector<MainThreadRequest> requests = TakeMainThreadRequests();
  for (const MainThreadRequest& r : requests) {
    switch (r.kind) {
      case MainThreadRequest::Kind::kCommand: RunMainThreadCommand(r.command); break;
      case MainThreadRequest::Kind::kTextInput: SetTextInput(r.on); break;
      case MainThreadRequest::Kind::kPointerMotion: PlatformSetPointerMotion(r.on); break;
      case MainThreadRequest::Kind::kQuit: gQuitAsked = true; break;
    }
  }
  if (!requests.empty()) WakeSleeper();
}

// The rest of a turn: the game thread's requests, the music, the latest frame, and the quit
// posted again on every turn until the queue has taken it.
void vFinishTurn() {
  vCarryOutRequests();
  if (bMusicStarted) vPumpMusic();
  else vRestSilentAudio();
  PlatformShowLatestFrame(false);
  if (gQuitAsked && !gQuitPosted) gQuitPosted = PlatformPostQuit(0);
}
}  // namespace

// The window procedure: the player's input goes to the game thread's queue, with its moment and
// position (Escape also raises its flag at once), but for the main thread's own commands, which
// it carries out. The game thread sleeps between its looks, so every event wakes it, once what it
// announces is there to be taken.
void WndProc(const PlatformEvent& e) {
  const Command command = MainThreadCommandOf(e);
  if (command != Command::kNone) {
    RunMainThreadCommand(command);
  } else if (!bQueueInput(e)) {
    switch (e.kind) {
      case kEventExposed: PlatformShowLatestFrame(true); break;
      case kEventWindowChanged: vStoreWindowSettings(); break;
      case kEventFilesArrived: vLanguageFilesArrived(); break;
      default: break;
    }
  }
  WakeSleeper();
}

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
  AtShutdown(PlatformDestroyWindow);
  AtShutdown([] { gSoundEffects.Shutdown(); });  // in a known order, not by a destructor at exit
  AtShutdown(TellFatalError);
  if (!PlatformCreateWindow(kProductName, kFrameWidth, kFrameHeight, bWindowed)) {
    std::fprintf(stderr, "%s: cannot create the game window.\n", kProductName);
    return iFailedStart();
  }
  PlatformSetWindowIcon(PlatformPath("content\\art\\icon48.bmp").c_str());
  hMainWindow = PlatformWindowHandle();
  vChooseLanguage();
  AtShutdown(ShutDownGraphics);
  if (!bInitVideo(hMainWindow, vShowWindowWithTitle)) return iFailedStart();
  picture_memory::TrimLargePictures();  // every picture the game keeps is made
  vDebugLog("Video and Sound Inited\n");
  const bool music = bApplyStoredSound();
  // The sound device is opened here, on the main thread, whatever the music setting: a browser
  // lets only the page's own thread start its audio, and the game thread's effects then find the
  // device open (or its failure known) instead of trying from their own thread.
  PlatformAudioOpen();
  AtShutdown(vStopMusic);
  if (music) bPlayTitleMusic();
  gQuitCame = false;
  gQuitAsked = false;
  gQuitPosted = false;
  gGameThreadEnded = false;
  TakeMainThreadRequests();  // what a game before this one asked is done with
  PlatformSetTextInput(false);  // only while the game asks for a name
  PlatformSetPointerMotion(false);  // only while a menu is up
  hGameThread = PlatformStartThread(thrGameThenMarkEnded, nullptr, kGameThreadStack, "game");
  if (hGameThread == nullptr) {
    iFailedStart();
    PlatformErrorBox(kProductName, "Cannot start the game thread.");
    return 1;
  }
  AtShutdown(EndGameThread);
  return -1;
}

int iFinishGame() {
  RunShutdown();
  return ExitCode(gQuitCode);
}

int WinMain() {
  int code = iStartGame();
  if (code >= 0) return code;
  while (MainLoopTurn(iIdleWaitMs(), true) == MainLoopState::kRunning) {
  }
  return iFinishGame();
}
