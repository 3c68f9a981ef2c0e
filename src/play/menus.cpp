#include "play/menus.h"

#include <cstddef>
#include <string>

#include "audio/sound_effects.h"
#include "diag/debug_log.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "platform/clock.h"
#include "play/cues.h"
#include "play/game_state.h"
#include "play/playing_screen.h"
#include "play/pointer.h"
#include "play/screen_loop.h"
#include "play/selection.h"
#include "play/input.h"
#include "play/language_switch.h"
#include "play/notes.h"
#include "play/options.h"
#include "platform/window.h"
#include "save/scores.h"
#include "screens/mouse_zones.h"
#include "screens/render.h"
#include "screens/screen_layout.h"
#include "screens/zones.h"

namespace {
constexpr uint32_t kTitleLimitMs = 10000;
constexpr uint32_t kHelpLimitMs = 60000;
constexpr uint32_t kGameOverLimitMs = 4000;
constexpr uint32_t kChoiceDelayMs = 250;

// The three buttons of the main menu and the difficulty choice lie at the same places.
using MenuButtons = const char* const[3];
constexpr MenuButtons kMainButtons = {"NEWGAME", "HELP", "QUIT"};
// The main menu's choices (MainMenuChoice): its three buttons and the two small ones below the
// panel for the table and the options.
constexpr const char* kMainChoices[5] = {"NEWGAME", "HELP", "QUIT", "SCORES", "OPTIONS"};
constexpr MenuButtons kDifficultyButtons = {"EASY", "MEDIUM", "HARD"};
constexpr const char* kSureButtons[2] = {"YES", "NO"};


// Adds three menu buttons over the panel at (px, py).
void vAddMenuButtons(ScreenZones& zones, const MenuButtons& buttons, int px, int py) {
  for (int i = 0; i < 3; ++i) zones.Add(buttons[i], screen::kMenuButtons[i], px, py);
}

// Choose among the commands given since the last look: the keyboard's or the pad's press.
bool bChooseGiven() {
  bool chosen = false;
  for (Command c = TakeCommand(); c != Command::kNone; c = TakeCommand()) {
    chosen = chosen || c == Command::kChoose;
  }
  return chosen;
}

// The help's keys: Choose closes it (true); Right shows the controls page, its second page.
bool bHelpClosedByKeys(bool& redraw) {
  for (Command c = TakeCommand(); c != Command::kNone; c = TakeCommand()) {
    if (c == Command::kChoose) return true;
    if (c != Command::kRight) continue;
    vControlsScreen();
    vIgnoreHeldButtons();  // the press that closed the page does not close the help
    redraw = true;
  }
  return false;
}

void vDrawMainMenu() {
  gResources.title.Draw(0, 0);
  gResources.menuBar.Draw(screen::iCentredX(gResources.menuBar.width),
                          screen::iCentredY(gResources.menuBar.height));
  gResources.scoresButton.Draw(screen::kScoresButton.x, screen::kScoresButton.y);
  gResources.optionsButton.Draw(screen::kOptionsButton.x, screen::kOptionsButton.y);
}

void vDrawDifficulty() {
  // The menu bar's size, not the difficulty panel's, places the panel and its buttons.
  gResources.title.Draw(0, 0);
  gResources.chooseDifficulty.Draw(screen::iCentredX(gResources.menuBar.width),
                                   screen::iCentredY(gResources.menuBar.height));
}

// The quit confirmation is only ever asked over the title.
void vDrawAreYouSure() {
  gResources.title.Draw(0, 0);
  gResources.areYouSure.Draw(screen::iCentredX(gResources.areYouSure.width),
                             screen::iCentredY(gResources.areYouSure.height));
}

// A menu screen's picture with the keyboard's highlight over button `lit` (none when -1) and
// the sound note.
void vShowMenu(void (*draw)(), const char* const* buttons, int lit, const std::string& note = {}) {
  draw();
  DrawShortNote(note);
  if (lit >= 0) {
    if (const MouseZone* z = gMouseZones.Find(buttons[lit])) {
      FadeFrame(z->x, z->y, z->width, z->height, 60, 60, 30);
    }
  }
  ShowFrame(kActiveSlot);
}

// Back gives kEscapeChoice where it leaves the menu; Up and Down move the highlight, Choose
// chooses the lit button: its index, or -1.
constexpr int kEscapeChoice = -2;
int iMenuCommands(int& lit, int count, void (*draw)(), const char* const* buttons,
                  bool escapeLeaves) {
  if (escapeLeaves && gs.iEscapePressed != 0) return kEscapeChoice;
  for (Command c = TakeCommand(); c != Command::kNone; c = TakeCommand()) {
    if (c == Command::kUp || c == Command::kDown) {
      lit = (lit + (c == Command::kDown ? 1 : count - 1)) % count;
      vShowMenu(draw, buttons, lit, ShortNote(timeGetTime()));
    } else if (c == Command::kChoose) {
      return lit;
    }
  }
  return -1;
}

// Waits for a press on one of the buttons, or their choice by the keys: its index, -1 when
// shutdown began, kEscapeChoice for Escape where it leaves the menu. Button `lit` is lit first.
template <size_t N>
int iWaitForMenuButton(const char* const (&buttons)[N], void (*draw)(), bool escapeLeaves,
                       int lit = 0) {
  ScreenLoop loop(kClickGuardMs);
  PointerMotionWanted motion;
  char name[kZoneNameSize];
  MenuLight light;
  light.lit = lit;
  int chosen = -1;
  std::string note;
  loop.Run(
      [&](PassWait& wake) {
        const bool moved = bFollowPointer(light, buttons, static_cast<int>(N));
        const bool arrived = bShowArrivedLanguage();  // a fetched language repaints the menu at once
        if (bShortNoteChanged(note, wake) || moved || arrived) vShowMenu(draw, buttons, light.lit, note);
      },
      [&] {
        chosen = iMenuCommands(light.lit, static_cast<int>(N), draw, buttons, escapeLeaves);
        if (chosen != -1) return PassResult::kEnd;
        if (!loop.bZone(name)) return PassResult::kGoOn;
        for (size_t i = 0; i < N; ++i) {
          if (bZoneIs(name, buttons[i])) chosen = static_cast<int>(i);
        }
        if (chosen != -1) return PassResult::kEnd;
        loop.Renew(kClickGuardMs);
        return PassResult::kGoOn;
      });
  return chosen;
}

// The title's own loop until a press, the time limit, Escape or shutdown: true for a press.
bool bRunTitle(ScreenLoop& loop) {
  char name[kZoneNameSize];
  bool shown = false;  // the title does not change while it is up, but for the sound note
  std::string note;
  return loop.Run(
      [&](PassWait& wake) {
        shown = !bShortNoteChanged(note, wake) && !bShowArrivedLanguage() && shown;
        if (shown || !wake.FrameDue()) return;
        gResources.title.Draw(0, 0);
        DrawShortNote(note);
        ShowFrame(kActiveSlot);
        shown = true;
      },
      [&] {
        if (bChooseGiven()) return PassResult::kEnd;
        const bool pressed = loop.bZone(name) && bZoneIs(name, "TITLE_SCREEN");
        return pressed ? PassResult::kEnd : PassResult::kGoOn;
      });
}
}  // namespace

int32_t iTitleScreen() {
  ScreenLoop loop(kClickGuardMs);
  vStopAllEffects();
  gMouseZones.Clear();
  AddWholeScreenZone("TITLE_SCREEN");
  gFrameStack.Select(gResources.iFrameVB);
  loop.Until(timeGetTime() + kTitleLimitMs).EndsOnEscape();
  while (gs.bShutdown == 0) {
    if (bRunTitle(loop)) return 1;
    if (gs.iEscapePressed == 0) return 0;
    if (bAreYouSure()) return -1;
    loop.Restart(500);  // presses wait half a second
    loop.Until(timeGetTime() + kTitleLimitMs);  // NO shows the title again, with its whole time
  }
  return 0;
}

int iYesNoBox(void (*draw)()) {
  int px = screen::iCentredX(gResources.areYouSure.width);
  int py = screen::iCentredY(gResources.areYouSure.height);
  ScreenZones zones;
  zones.Add("YES", screen::kYesButton, px, py).Add("NO", screen::kNoButton, px, py);
  constexpr int kNo = 1;  // what throws nothing away is lit first
  vShowMenu(draw, kSureButtons, kNo);
  vPlayCue(Cue::kButtonOver);
  int choice = iWaitForMenuButton(kSureButtons, draw, true, kNo);
  if (choice == kEscapeChoice) choice = kNo;
  if (choice < 0) return -1;
  vPlayCue(choice == 0 ? Cue::kBadMove : Cue::kGoodMove);
  return choice;
}

bool bAreYouSure() {
  const int choice = iYesNoBox(vDrawAreYouSure);
  if (choice < 0) return true;
  const bool yes = choice == 0;
  gs.bQuitGame = yes ? 1 : 0;
  return yes;
}

MainMenuChoice iMainMenu() {
  int px = screen::iCentredX(gResources.menuBar.width);
  int py = screen::iCentredY(gResources.menuBar.height);
  ScreenZones zones;
  vAddMenuButtons(zones, kMainButtons, px, py);
  zones.Add("SCORES", screen::kScoresButton).Add("OPTIONS", screen::kOptionsButton);
  vShowMenu(vDrawMainMenu, kMainChoices, 0);
  vPlayCue(Cue::kButtonOver);
  int choice = iWaitForMenuButton(kMainChoices, vDrawMainMenu, false);
  if (choice < 0) return MainMenuChoice::kQuit;
  vPlayCue(Cue::kGoodMove);
  Sleep(kChoiceDelayMs);
  return static_cast<MainMenuChoice>(choice);
}

bool bChooseDifficulty() {
  gMouseZones.Clear();
  gFrameStack.Select(gResources.iFrameVB);
  int px = screen::iCentredX(gResources.menuBar.width);
  int py = screen::iCentredY(gResources.menuBar.height);
  ScreenZones zones;
  vAddMenuButtons(zones, kDifficultyButtons, px, py);
  vShowMenu(vDrawDifficulty, kDifficultyButtons, 0);
  vPlayCue(Cue::kButtonOver);
  int choice = iWaitForMenuButton(kDifficultyButtons, vDrawDifficulty, true);
  if (choice == kEscapeChoice) {
    // Back to the main menu, which lies over the title's zone as it does after the title.
    gMouseZones.Clear();
    AddWholeScreenZone("TITLE_SCREEN");
    return false;
  }
  if (choice < 0) return false;
  vPlayCue(Cue::kGoodMove);
  gs.iDifficulty = choice;
  Sleep(kChoiceDelayMs);
  return true;
}

int32_t iGameHelp() {
  ScreenLoop loop(kClickGuardMs);
  gFrameStack.Select(gResources.iFrameVB);
  gResources.gameHelp.Draw(0, 0);
  ShowFrame(kActiveSlot);
  vDebugLog("iGameHelp()\n");
  loop.Until(timeGetTime() + kHelpLimitMs).EndsOnEscape();
  char name[kZoneNameSize];
  std::string note;
  bool redraw = false;  // the controls page was shown over the help
  loop.Run(
      [&](PassWait& wake) {
        if (!bShortNoteChanged(note, wake) && !redraw) return;
        gResources.gameHelp.Draw(0, 0);
        DrawShortNote(note);
        ShowFrame(kActiveSlot);
        redraw = false;
      },
      [&] {
        // Any press closes the help, also one over a zone of the screen beneath it.
        const bool closed = bHelpClosedByKeys(redraw) || loop.bZone(name);
        return closed ? PassResult::kEnd : PassResult::kGoOn;
      });
  return 0;
}

void vClickToContinue() {
  ScreenLoop loop(kClickGuardMs);
  vStopAllEffects();
  ScreenZones zones;
  zones.AddWholeScreen("CONTINUE");
  char name[kZoneNameSize];
  PlayingScreenFrames frames;
  loop.Run(
      [&](PassWait& wake) {
        if (wake.FrameDue() && frames.Draw()) {
          const Sprite& prompt = gResources.clickToContinue;
          prompt.Draw(screen::iCentredX(prompt.width), screen::iCentredY(prompt.height));
          frames.Show();
        }
        vAddTimedSteps(wake);
      },
      [&] {
        if ((loop.bZone(name) && bZoneIs(name, "CONTINUE")) || bChooseGiven()) return PassResult::kEnd;
        vStepShownScore();
        return PassResult::kGoOn;
      });
}

void vDrawMessage(const Sprite& message, const PixelRect& at) {
  gResources.messageBar.Draw(screen::kMessageBar.x, screen::kMessageBar.y);
  message.Draw(at.x, at.y);
}

void vShowTimedMessage(const Sprite& message, const PixelRect& at, uint32_t ms) {
  ScreenLoop loop(ms);
  loop.Until(timeGetTime() + ms).EndsOnEscape();
  const PixelRect& all = screen::kWholeScreen;
  FadeFrame(all.x, all.y, all.w, all.h, -50, -50, -50);
  bool shown = false;  // the message does not change while it is up
  loop.Run(
      [&](PassWait& wake) {
        if (shown || !wake.FrameDue()) return;
        vDrawMessage(message, at);
        ShowFrame(kActiveSlot);
        shown = true;
      },
      [] { return PassResult::kGoOn; });
}

void vGameOverScreen() {
  vShowTimedMessage(gResources.gameOver, screen::kGameOver, kGameOverLimitMs);
  vSaveBestScore(gs.iShownScore, gs.iBestScore);
}
