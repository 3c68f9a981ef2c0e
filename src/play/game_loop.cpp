#include "play/game_loop.h"

#include "diag/debug_log.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "platform/clock.h"
#include "play/deal.h"
#include "play/game_state.h"
#include "play/level_end.h"
#include "play/focus.h"
#include "play/menus.h"
#include "play/pause.h"
#include "play/playing_screen.h"
#include "play/pointer.h"
#include "play/score_screens.h"
#include "play/selection.h"
#include "play/time_bar.h"
#include "play/input.h"
#include "play/screen_loop.h"
#include "platform/window.h"
#include "rules/selection.h"
#include "save/settings.h"
#include "screens/mouse_zones.h"
#include "screens/screen_layout.h"
#include "screens/zones.h"

namespace {
constexpr uint32_t kGameClickGuardMs = 125;
constexpr char kNoLevelText[] =
    "No level can be dealt: the pattern files in content\\levels are missing or broken. "
    "Please reinstall the game.";

void vDrawAndShow() {
  vDrawGameScreen();
  ShowFrame(kActiveSlot);
}

// Acts on a zone the pointer hit. False when the in-game help ran, which skips the rest of the
// pass and the renewal of the click guard.
bool bActOnZone(const char* name) {
  vHideFocus();
  if (bZoneIs(name, "GAME_LOOP")) {
    DropSelection(gs);
  } else if (bZoneIs(name, "HINT")) {
    if (gs.iHintsLeft > 0) vGiveHint();
  } else if (bZoneIs(name, "HELP")) {
    iGameHelp();
    return false;
  } else {
    CellIndex cell = -1;
    if (TileZoneCell(name, cell)) vSelectTile(cell);
  }
  return true;
}

// A tap on the board takes the tile the tap rule gives; the hint and help buttons keep their areas.
bool bChooseTapped(int x, int y, char name[kZoneNameSize]) {
  const auto at = [](int v) { return static_cast<int16_t>(v); };
  if (gMouseZones.HitTest(at(x), at(y), name, true, false) &&
      (bZoneIs(name, "HINT") || bZoneIs(name, "HELP"))) {
    return true;
  }
  const CellIndex cell = TappedCell(x, y);
  if (cell < 0) return false;
  TileZoneName(cell, name);
  return true;
}

// Acts on a command: the keys' and the pad's way to do what the mouse does, and the pause.
// False when another screen (help, pause) was shown in between.
bool bActOnCommand(Command command) {
  switch (command) {
    case Command::kLeft: vMoveFocus(FocusMove::kLeft); break;
    case Command::kRight: vMoveFocus(FocusMove::kRight); break;
    case Command::kUp: vMoveFocus(FocusMove::kUp); break;
    case Command::kDown: vMoveFocus(FocusMove::kDown); break;
    case Command::kChoose: vPressFocusedTile(); break;
    case Command::kHint:
      if (gs.iHintsLeft > 0) vGiveHint();
      break;
    case Command::kHelp:
      iGameHelp();
      return false;
    case Command::kPause:
      vPauseGame();
      return false;
    default: break;
  }
  return true;
}

// The window was left: the game pauses from that moment, unless the player turned that off and
// the game can still be seen.
bool bPausedAway() {
  uint32_t at = 0;
  bool covered = false;
  if (!bTakeWindowLeft(at, covered) || !(covered || CurrentSettings().pauseAway)) return false;
  vPauseGame(at);
  return true;
}

// Deals the next level after a level end, on a fresh zone table.
void vDealAfterLevelEnd() {
  vAddPlayingZones();
  vLoadNextLevel();
  if (gs.bNoPlayableLevel) vSetFatalError(kNoLevelText);
}

// A level's end: the cleared board's bonus and prompt or the dead end's message over the playing
// screen, then the next deal shown at once.
void vAfterLevelEnd(bool cleared) {
  vDrawAndShow();
  if (cleared) {
    vLevelClear();
  } else {
    vNoMoreMoves();
  }
  vDealAfterLevelEnd();
  if (cleared) vDebugLog("iGameLoop() Next level loaded\n");
  vDebugLog("iGameLoop() Rendering\n");
  vDrawGameScreen();
  vDebugLog("iGameLoop() Showing VB\n");
  ShowFrame(kActiveSlot);
  vDebugLog("iGameLoop() Continuing\n");
}

// One pass's decisions after its wait: a press, a command, the end of the time or the board.
PassResult ActOnPass(ScreenLoop& loop, PlayingScreenFrames& frames) {
  // Escape asks first (NO gives the game back, as after the pause); then a window left pauses.
  const bool asked = gs.iEscapePressed != 0;
  if (asked && bAskToLeave()) return PassResult::kEnd;
  const bool shown = asked || bPausedAway();
  char name[kZoneNameSize];
  const bool pressed = !shown && loop.bZone(name, bChooseTapped);
  if (shown || (pressed && !bActOnZone(name)) || !bActOnCommand(TakeCommand())) {
    frames.Invalidate();  // the help, the pause or the leave box was shown in between
    vIgnoreHeldButtons();  // the press that closed it is not the board's
    return PassResult::kGoOn;
  }
  if (pressed) loop.Renew(kGameClickGuardMs);
  vKeepFocusOnFreeTile();
  if (bTimeRunsOut()) {
    vDrawAndShow();
    vGameOverScreen();
    vEnterHighScore(gs.iShownScore);
    return PassResult::kEnd;
  }
  const bool cleared = bBoardEmpty();
  if (cleared || !bMoveAvailable()) {
    vAfterLevelEnd(cleared);
    frames.Invalidate();
    vIgnoreHeldButtons();
  } else {
    vStepShownScore();
    if (gs.bHintShown) vStepHint();
  }
  return PassResult::kGoOn;
}

// From the deal to the game's end (its score entered): closing the page asks first.
class LeaveGuard {
 public:
  LeaveGuard() { PlatformSetLeaveGuard(true); }
  ~LeaveGuard() { PlatformSetLeaveGuard(false); }
  LeaveGuard(const LeaveGuard&) = delete;
  LeaveGuard& operator=(const LeaveGuard&) = delete;
};
}  // namespace

void vAddPlayingZones() {
  gMouseZones.Clear();
  AddWholeScreenZone("GAME_LOOP");
  AddZone("HINT", screen::kHintZone);
  AddZone("HELP", screen::kHelpZone);
}

int32_t iGameLoop() {
  ScreenLoop loop(kClickGuardMs);
  loop.EndsOnQuit();  // Escape asks first (bAskToLeave)
  LeaveGuard guard;
  ForgetWindowLeft();  // the window left before the game began is nothing to it
  vAddPlayingZones();
  gFrameStack.Select(gResources.iFrameVB);
  vStartNewGame();
  vHideFocus();
  if (gs.bNoPlayableLevel) vSetFatalError(kNoLevelText);
  vDebugLog("iGameLoop() ------------>> ENTERING GAME LOOP\n");
  PlayingScreenFrames frames;  // a frame is drawn and presented only when the picture changes
  loop.Run(
      [&](PassWait& wake) {
        if (wake.FrameDue() && frames.Draw()) frames.Show();
        vAddTimedSteps(wake);
      },
      [&] { return ActOnPass(loop, frames); });
  return 1;
}
