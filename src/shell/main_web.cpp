// The game as a web page. The player's folder is loaded from the browser's storage before
// start-up reads it; the content is packaged at /content. The browser then calls the main thread
// once per displayed frame, and it never waits; the game thread runs as on the desktop.
#include "platform/web_page.h"
#include "platform/window.h"
#include "shell/data_dir.h"
#include "shell/main_loop.h"
#include "shell/shell.h"
#include "shell/window_settings.h"

namespace {
// One displayed frame: a turn of the main loop that takes whatever waits. After the quit the
// frames go on until the game thread has left its screen and the last settings have reached the
// browser's storage, then everything is released: waiting for either here would stop the page.
bool bWebFrame() {
  switch (MainLoopTurn(0, false)) {
    case MainLoopState::kRunning: return false;
    case MainLoopState::kEnding: return true;
    case MainLoopState::kEnded: break;
  }
  if (!bLastSettingsStored()) return true;
  PlatformStopEveryFrame();
  PlatformTellPageEnded(iFinishGame());
  return false;
}

void vStartAfterLoad() {
  char name[] = "tavimora";
  char* argv[] = {name, nullptr};
  int code = iPrepareFolders(1, argv, "", "");
  if (code < 0) code = iStartGame();
  if (code >= 0) {
    PlatformTellPageEnded(code);
    return;
  }
  PlatformRunEveryFrame(bWebFrame);
}
}  // namespace

int main() {
  PlatformLoadKeptFolder(UsualPlayerFolder(), vStartAfterLoad);
  return 0;
}
