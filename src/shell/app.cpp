#include <cstdio>
#include <cstdlib>
#include <string>

#include "audio/music.h"
#include "audio/sound_effects.h"
#include "play/game_state.h"
#include "play/pointer.h"
#include "play/sound_controls.h"
#include "play/typed_keys.h"
#include "diag/debug_log.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "content/video_setup.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/window.h"
#include "raster/raster.h"
#include "shell/main_loop.h"
#include "shell/shell.h"
#include "shell/window_settings.h"
#include "util/picture_memory.h"

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

// The game polls the buttons as levels between its sleeps, so a click whose down and up arrive
// together (a touchpad tap, a synthetic click) could fall between two looks. A button therefore
// stays down until the game thread has considered the press (see AnnouncePress).
struct ButtonLatch {
  std::atomic<uint8_t>& flag;
  uint32_t press = 0;
  bool releasePending = false;

  void Down() {
    flag = 1;
    press = AnnouncePress();
    releasePending = false;
  }
  void Up() {
    releasePending = true;
    Tick();
  }
  bool Pending() const { return releasePending; }
  void Tick() {
    if (releasePending && bPressConsidered(press)) {
      flag = 0;
      releasePending = false;
    }
  }
};
ButtonLatch gLeftButton{gs.bLeftButtonDown};
ButtonLatch gRightButton{gs.bRightButtonDown};

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

// The window procedure: buttons and Escape become the flags the game thread polls. The game
// thread sleeps between its looks at them, so every event wakes it, once the state it announces
// is there to be seen.
void WndProc(const PlatformEvent& e) {
  if (e.key != kKeyOther) vQueueCommandKey(e.key, e.repeat);
  switch (e.kind) {
    case kEventLeftDown: gLeftButton.Down(); break;
    case kEventLeftUp: gLeftButton.Up(); break;
    case kEventRightDown: gRightButton.Down(); break;
    case kEventRightUp: gRightButton.Up(); break;
    case kEventEscape: gs.iEscapePressed = 1; break;
    case kEventExposed: PlatformShowLatestFrame(true); break;
    case kEventText: vQueueTypedText(e.text); break;
    case kEventEnter: vQueueTypedKey(kTypedEnter); break;
    case kEventBackspace: vQueueTypedKey(kTypedBackspace); break;
    case kEventKey: vQueueOtherKey(); break;
    case kEventWindowChanged: vStoreWindowSettings(); break;
    case kEventClose: vDestroyWindow();
    default: break;
  }
  WakeSleeper();
}

// The main thread's loop: whether the quit is posted, whether text input is on.
bool gQuitPosted = false;
bool gTextInput = false;

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

// Runs until the quit event; returns its code. Waits for an event, a newly presented frame or
// the idle time, 1 ms while a short click's release is held back.
int iMessageLoop() {
  vBeginMessageLoop();
  for (;;) {
    int quitCode = 0;
    const int idle = bMusicStarted ? kIdleWaitMs : kIdleWaitSilentMs;
    if (bMessagePass(bReleaseHeldBack() ? 1 : idle, quitCode)) return quitCode;
  }
}
}  // namespace

bool bReleaseHeldBack() { return gLeftButton.Pending() || gRightButton.Pending(); }

void vBeginMessageLoop() {
  gQuitPosted = false;
  gTextInput = false;
  PlatformSetTextInput(false);  // only while the game asks for a name
}

// Every pass pumps the music and shows what was presented. The quit is posted again on every
// pass until the queue has taken it.
bool bMessagePass(int timeoutMs, int& quitCode) {
  PlatformEvent e;
  if (PlatformNextEvent(e, timeoutMs)) {
    if (e.kind == kEventQuit) {
      quitCode = e.code;
      return true;
    }
    WndProc(e);
  }
  if (bTextInputWanted != gTextInput) {
    gTextInput = bTextInputWanted;
    PlatformSetTextInput(gTextInput);
  }
  gLeftButton.Tick();
  gRightButton.Tick();
  if (bMusicStarted) vPumpMusic();
  else vRestSilentAudio();
  PlatformShowLatestFrame(false);
  if (gs.bQuitGame && !gQuitPosted) gQuitPosted = PlatformPostQuit(0);
  return false;
}

int iStartGame(int (*gameThread)(void*)) {
  if (!PlatformCreateWindow(kProductName, kFrameWidth, kFrameHeight, bWindowed)) {
    std::fprintf(stderr, "%s: cannot create the game window.\n", kProductName);
    PlatformDestroyWindow();
    return 1;
  }
  PlatformSetWindowIcon(PlatformPath("content\\art\\icon48.bmp").c_str());
  hMainWindow = PlatformWindowHandle();
  if (!bInitVideo(hMainWindow, vShowWindowWithTitle)) return iFailedStart();
  picture_memory::TrimLargePictures();  // every picture the game keeps is made
  vDebugLog("Video and Sound Inited\n");
  if (bApplyStoredSound()) bPlayTitleMusic();
  hGameThread = PlatformStartThread(gameThread, nullptr, kGameThreadStack, "game");
  if (hGameThread == nullptr) {
    iFailedStart();
    PlatformErrorBox(kProductName, "Cannot start the game thread.");
    return 1;
  }
  return -1;
}

void vAskGameThreadToEnd() {
  gs.bQuitGame = 1;
  gs.bShutdown = 1;
  WakeSleeper();
  vStopMusic();
}

int iFinishGame(int quitCode) {
  PlatformWaitThread(hGameThread);
  hGameThread = nullptr;
  vStoreLastSettings();
  gFrameStack.Shutdown();
  int code = iFinalExitCode(quitCode);
  vReleaseForExit();
  return code;
}

int WinMain() {
  int code = iStartGame(thrMainGameLoop);
  if (code >= 0) return code;
  int quitCode = iMessageLoop();
  vAskGameThreadToEnd();
  return iFinishGame(quitCode);
}
