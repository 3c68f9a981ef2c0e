// The game as a web page. The player's folder is loaded from the browser's storage before
// start-up reads it; the content is packaged at /content. The browser then calls the main thread
// once per displayed frame, and it never waits; the game thread runs as on the desktop.
#include <atomic>

#include "platform/web_page.h"
#include "platform/window.h"
#include "shell/data_dir.h"
#include "shell/main_loop.h"
#include "shell/shell.h"
#include "shell/window_settings.h"

namespace {
std::atomic<bool> gGameThreadEnded{false};
bool gEnding = false;
int gQuitCode = 0;

int thrWebGame(void* unused) {
  const int result = thrMainGameLoop(unused);
  gGameThreadEnded = true;
  return result;
}

// One displayed frame: every waiting event, then the latest picture; true while a release is
// held back for the game thread. After the quit it waits, frame by frame, for the game thread to
// leave its screen and for the last settings to reach the browser's storage before releasing
// everything: waiting for either here would stop the page.
bool bWebFrame() {
  while (!gEnding) {
    int quitCode = 0;
    if (bMessagePass(0, quitCode)) {
      gEnding = true;
      gQuitCode = quitCode;
      vAskGameThreadToEnd();
      break;
    }
    if (!PlatformHasPendingEvent()) return bReleaseHeldBack();
  }
  if (!gGameThreadEnded) return true;
  if (!bLastSettingsStored()) return true;
  PlatformStopEveryFrame();
  PlatformTellPageEnded(iFinishGame(gQuitCode));
  return false;
}

void vStartAfterLoad() {
  char name[] = "tavimora";
  char* argv[] = {name, nullptr};
  int code = iPrepareFolders(1, argv, "", "");
  if (code < 0) code = iStartGame(thrWebGame);
  if (code >= 0) {
    PlatformTellPageEnded(code);
    return;
  }
  vBeginMessageLoop();
  PlatformRunEveryFrame(bWebFrame);
}
}  // namespace

int main() {
  PlatformLoadKeptFolder(UsualPlayerFolder(), vStartAfterLoad);
  return 0;
}
