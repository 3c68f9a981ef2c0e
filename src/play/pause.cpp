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
#include "play/input.h"
#include "play/screen_loop.h"
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

bool bResumeGiven() {
  for (Command c = TakeCommand(); c != Command::kNone; c = TakeCommand()) {
    if (c == Command::kPause) return true;
  }
  return false;
}
}  // namespace

void vPauseGame() {
  const uint32_t start = timeGetTime();
  ScreenLoop loop(kPauseGuardMs);
  loop.EndsOnEscape();
  vDebugLog("vPauseGame()\n");
  vLowerMusic(true);
  gFrameStack.Select(gResources.iFrameVB);
  std::string note = "-";  // never a note: the first pass draws
  loop.Run(
      [&](PassWait& wake) {
        if (bShortNoteChanged(note, wake)) vDrawPaused(note);
      },
      [&] {
        PointerPress press;
        const bool resumed = bResumeGiven() || loop.bPress(press);
        return resumed ? PassResult::kEnd : PassResult::kGoOn;
      });
  vLowerMusic(false);
  ResumeAfterPause(gs, timeGetTime() - start);
}
