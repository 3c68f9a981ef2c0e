#include "play/pause.h"

#include <string>

#include "diag/debug_log.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "platform/clock.h"
#include "platform/window.h"
#include "play/game_state.h"
#include "play/notes.h"
#include "play/pointer.h"
#include "play/sound_controls.h"
#include "play/typed_keys.h"
#include "rules/pause.h"
#include "screens/render.h"
#include "screens/screen_layout.h"
#include "screens/text.h"

namespace {
constexpr uint32_t kPauseGuardMs = 250;

// The playing screen without its tiles, the plaque with the word, and the sound note if one is up.
void vDrawPaused(const std::string& note) {
  static const int32_t kNoTiles[kBoardCells] = {};
  DrawGameScreen(gs, kNoTiles);
  gResources.messageBar.Draw(screen::kMessageBar.x, screen::kMessageBar.y);
  const int centre = screen::kMessageBar.x + screen::kMessageBar.w / 2;
  vDrawTextCentred("PAUSED", centre, screen::kPausedTextY);
  vDrawTextCentred("P or a click goes on", centre, screen::kPausedTextY + screen::kPausedLineStep);
  DrawShortNote(note);
  ShowFrame(kActiveSlot);
}

bool bResumeKey() {
  for (int key = iTakeCommandKey(); key != kKeyOther; key = iTakeCommandKey()) {
    if (key == 'p' || key == kKeyPause) return true;
  }
  return false;
}

bool bButtonDown() { return gs.bLeftButtonDown != 0 || gs.bRightButtonDown != 0; }
}  // namespace

void vPauseGame() {
  const uint32_t start = timeGetTime();
  const uint32_t guard = start + kPauseGuardMs;
  vDebugLog("vPauseGame()\n");
  vLowerMusic(true);
  gFrameStack.Select(gResources.iFrameVB);
  std::string note = "-";  // never a note: the first pass draws
  while (gs.iEscapePressed != 1 && !gs.bShutdown) {
    PassWait wake;
    if (bShortNoteChanged(note, wake)) vDrawPaused(note);
    wake.After(guard);
    wake.Wait();
    if (bResumeKey()) break;
    if (bTimeAfter(timeGetTime(), guard) && bButtonDown()) break;
  }
  vLowerMusic(false);
  ResumeAfterPause(gs, timeGetTime() - start);
}
