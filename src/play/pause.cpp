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
#include "play/menus.h"
#include "play/options.h"
#include "play/screen_loop.h"
#include "play/translations.h"
#include "rules/pause.h"
#include "screens/render.h"
#include "screens/screen_layout.h"
#include "screens/text.h"

namespace {
// The playing screen without its tiles: a game that stands still shows nothing to study.
void vDrawHiddenBoard() {
  static const int32_t kNoTiles[kBoardCells] = {};
  DrawGameScreen(gs, kNoTiles);
}

void vDrawLeaveBox() {
  vDrawHiddenBoard();
  gResources.leaveGame.Draw(screen::iCentredX(gResources.leaveGame.width),
                            screen::iCentredY(gResources.leaveGame.height));
}

// The hidden board, the plaque with the word, and the sound note if one is up.
void vDrawPaused(const std::string& note) {
  vDrawHiddenBoard();
  gResources.messageBar.Draw(screen::kMessageBar.x, screen::kMessageBar.y);
  const int centre = screen::kMessageBar.x + screen::kMessageBar.w / 2;
  vDrawTextCentred(Tr("PAUSED"), centre, screen::kPausedTextY);
  vDrawTextCentred(Tr("P or a click goes on"), centre, screen::kPausedTextY + screen::kPausedLineStep);
  gResources.pausedOptions.Draw(screen::kPausedOptionsButton.x, screen::kPausedOptionsButton.y);
  DrawShortNote(note);
  ShowFrame(kActiveSlot);
}

enum class PausedInput { kNone, kResume, kOptions };

bool bOnOptionsButton(const PointerPress& press) {
  return screen::kPausedOptionsButton.Contains(press.x, press.y);
}

// P or Pause resume, O or a pad's Back open the options; a press resumes, or opens the options
// on their button.
PausedInput TakePausedInput(ScreenLoop& loop) {
  for (Command c = TakeCommand(); c != Command::kNone; c = TakeCommand()) {
    if (c == Command::kPause) return PausedInput::kResume;
    if (c == Command::kOptions) return PausedInput::kOptions;
  }
  PointerPress press;
  if (!loop.bPress(press)) return PausedInput::kNone;
  return bOnOptionsButton(press) ? PausedInput::kOptions : PausedInput::kResume;
}
}  // namespace

void vPauseGame() { vPauseGame(timeGetTime()); }

void vPauseGame(uint32_t since) {
  ScreenLoop loop(kClickGuardMs);
  loop.EndsOnEscape();  // Escape closes the panel; it does not end the game
  vDebugLog("vPauseGame()\n");
  vLowerMusic(true);
  gFrameStack.Select(gResources.iFrameVB);
  std::string note;
  bool redraw = true;  // the first pass draws, and the first after the options
  loop.Run(
      [&](PassWait& wake) {
        if (bShortNoteChanged(note, wake) || redraw) vDrawPaused(note);
        redraw = false;
      },
      [&] {
        const PausedInput input = TakePausedInput(loop);
        if (input == PausedInput::kOptions) {
          vOptionsScreen(OptionsOver::kGame);
          vIgnoreHeldButtons();  // the press that closed the options does not resume
          loop.Renew(kClickGuardMs);
          redraw = true;
        }
        return input == PausedInput::kResume ? PassResult::kEnd : PassResult::kGoOn;
      });
  vLowerMusic(false);
  ForgetWindowLeft();  // the game stood still: leaving while it did is nothing to catch up
  ResumeAfterPause(gs, timeGetTime() - since);
}

bool bAskToLeave() {
  const uint32_t start = timeGetTime();
  vDebugLog("bAskToLeave()\n");
  gFrameStack.Select(gResources.iFrameVB);
  const int choice = iYesNoBox(vDrawLeaveBox);
  if (choice == 0 || gs.bShutdown != 0) return true;
  ForgetWindowLeft();
  ResumeAfterPause(gs, timeGetTime() - start);
  return false;
}
