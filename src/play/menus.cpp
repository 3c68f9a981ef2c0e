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
#include "play/selection.h"
#include "play/notes.h"
#include "play/typed_keys.h"
#include "platform/window.h"
#include "save/scores.h"
#include "screens/mouse_zones.h"
#include "screens/render.h"
#include "screens/screen_layout.h"

namespace {
constexpr uint32_t kClickGuardMs = 250;
constexpr uint32_t kTitleLimitMs = 10000;
constexpr uint32_t kHelpLimitMs = 60000;
constexpr uint32_t kGameOverLimitMs = 4000;
constexpr uint32_t kChoiceDelayMs = 250;

// The three buttons of the main menu and the difficulty choice lie at the same places.
using MenuButtons = const char* const[3];
constexpr MenuButtons kMainButtons = {"NEWGAME", "HELP", "QUIT"};
// The main menu's choices: its three buttons and the small one below the panel for the table.
constexpr const char* kMainChoices[4] = {"NEWGAME", "HELP", "QUIT", "SCORES"};
constexpr MenuButtons kDifficultyButtons = {"EASY", "MEDIUM", "HARD"};
constexpr const char* kSureButtons[2] = {"YES", "NO"};

bool bShuttingDown() { return gs.bShutdown != 0; }

bool bGuardPassed(uint32_t guard) { return bTimeAfter(timeGetTime(), guard); }

// Adds a zone for the rectangle of a panel whose top-left corner is at (px, py).
void vAddPanelZone(const char* name, const screen::Rect& r, int px, int py) {
  gMouseZones.Add(name, static_cast<int16_t>(px + r.x), static_cast<int16_t>(py + r.y),
                  static_cast<int16_t>(r.w), static_cast<int16_t>(r.h), kZoneLeft);
}

// Adds three menu buttons over the panel at (px, py).
void vAddMenuButtons(const MenuButtons& buttons, int px, int py) {
  for (int i = 0; i < 3; ++i) vAddPanelZone(buttons[i], screen::kMenuButtons[i], px, py);
}

// Enter or Space among the keys pressed since the last look: the keyboard's press.
bool bPressKey() {
  bool press = false;
  for (int key = iTakeCommandKey(); key != kKeyOther; key = iTakeCommandKey()) {
    press = press || key == kKeyEnter || key == kKeySpace;
  }
  return press;
}

void vDrawMainMenu() {
  gResources.title.Draw(0, 0);
  gResources.menuBar.Draw(screen::iCentredX(gResources.menuBar.width),
                          screen::iCentredY(gResources.menuBar.height));
  gResources.scoresButton.Draw(screen::kScoresButton.x, screen::kScoresButton.y);
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

// Up and Down move the highlight (the first press lights the first button), Enter or Space
// choose the lit button: its index, or -1; Escape gives kEscapeChoice where it leaves the menu.
constexpr int kEscapeChoice = -2;
int iMenuKeys(int& lit, int count, void (*draw)(), const char* const* buttons, bool escapeLeaves) {
  for (int key = iTakeCommandKey(); key != kKeyOther; key = iTakeCommandKey()) {
    if (key == kKeyUp || key == kKeyDown) {
      lit = lit < 0 ? 0 : (lit + (key == kKeyDown ? 1 : count - 1)) % count;
      vShowMenu(draw, buttons, lit, ShortNote(timeGetTime()));
    } else if ((key == kKeyEnter || key == kKeySpace) && lit >= 0) {
      return lit;
    } else if (key == kKeyEscape && escapeLeaves) {
      return kEscapeChoice;
    }
  }
  return -1;
}

template <size_t N>
void vRemoveMenuButtons(const char* const (&buttons)[N]) {
  for (const char* name : buttons) gMouseZones.Remove(name);
}

// Waits for a press on one of the buttons, or their choice by the keys: its index, -1 when
// shutdown began, kEscapeChoice for Escape where it leaves the menu.
template <size_t N>
int iWaitForMenuButton(const char* const (&buttons)[N], void (*draw)(), bool escapeLeaves) {
  uint32_t guard = timeGetTime() + kClickGuardMs;
  char name[kZoneNameSize];
  int lit = -1;
  std::string note;
  vClearTypedKeys();
  while (!bShuttingDown()) {
    PassWait wake;
    if (bShortNoteChanged(note, wake)) vShowMenu(draw, buttons, lit, note);
    wake.After(guard);
    wake.Wait();
    const int keyed = iMenuKeys(lit, static_cast<int>(N), draw, buttons, escapeLeaves);
    if (keyed != -1) return keyed;
    if (!bGuardPassed(guard) || !bPollZone(name)) continue;
    for (size_t i = 0; i < N; ++i) {
      if (bZoneIs(name, buttons[i])) return static_cast<int>(i);
    }
    guard = timeGetTime() + kClickGuardMs;
  }
  return -1;
}

// The title's own loop until a press, the time limit, Escape or shutdown: 1 for a press, else 0.
int iRunTitle(uint32_t& guard, uint32_t limit) {
  char name[kZoneNameSize];
  bool shown = false;  // the title does not change while it is up, but for the sound note
  std::string note;
  while (!bTimeReached(timeGetTime(), limit) && gs.iEscapePressed != 1 && !bShuttingDown()) {
    PassWait wake;
    shown = !bShortNoteChanged(note, wake) && shown;
    if (!shown && wake.FrameDue()) {
      gResources.title.Draw(0, 0);
      DrawShortNote(note);
      ShowFrame(kActiveSlot);
      shown = true;
    }
    wake.After(guard);
    wake.At(limit);
    wake.Wait();
    if (bPressKey()) return 1;
    if (bGuardPassed(guard) && bPollZone(name) && bZoneIs(name, "TITLE_SCREEN")) return 1;
  }
  return 0;
}
}  // namespace

int32_t iTitleScreen() {
  uint32_t guard = timeGetTime() + kClickGuardMs;
  gs.iEscapePressed = 0;
  vStopAllEffects();
  gMouseZones.Clear();
  gMouseZones.Add("TITLE_SCREEN", 0, 0, screen::kScreenWidth, screen::kScreenHeight, kZoneEither);
  gFrameStack.Select(gResources.iFrameVB);
  uint32_t limit = timeGetTime() + kTitleLimitMs;
  while (!bShuttingDown()) {
    if (iRunTitle(guard, limit) == 1) return 1;
    if (gs.iEscapePressed == 0) return 0;
    if (bAreYouSure()) return -1;
    guard = timeGetTime() + 500;  // the time limit is not renewed
  }
  return 0;
}

bool bAreYouSure() {
  int px = screen::iCentredX(gResources.areYouSure.width);
  int py = screen::iCentredY(gResources.areYouSure.height);
  vAddPanelZone("YES", screen::kYesButton, px, py);
  vAddPanelZone("NO", screen::kNoButton, px, py);
  gResources.areYouSure.Draw(px, py);
  ShowFrame(kActiveSlot);
  vPlayCue(Cue::kButtonOver);
  const int choice = iWaitForMenuButton(kSureButtons, vDrawAreYouSure, false);
  if (choice < 0) return true;
  const bool yes = choice == 0;
  gMouseZones.Remove("YES");
  gMouseZones.Remove("NO");
  gs.bQuitGame = yes ? 1 : 0;
  vPlayCue(yes ? Cue::kBadMove : Cue::kGoodMove);
  if (!yes) gs.iEscapePressed = 0;
  return yes;
}

int32_t iMainMenu() {
  int px = screen::iCentredX(gResources.menuBar.width);
  int py = screen::iCentredY(gResources.menuBar.height);
  vAddMenuButtons(kMainButtons, px, py);
  vAddPanelZone("SCORES", screen::kScoresButton, 0, 0);
  vShowMenu(vDrawMainMenu, kMainChoices, -1);
  vPlayCue(Cue::kButtonOver);
  int choice = iWaitForMenuButton(kMainChoices, vDrawMainMenu, false);
  if (choice < 0) return 2;
  vRemoveMenuButtons(kMainChoices);
  vPlayCue(Cue::kGoodMove);
  Sleep(kChoiceDelayMs);
  return choice;
}

bool bChooseDifficulty() {
  gMouseZones.Clear();
  gFrameStack.Select(gResources.iFrameVB);
  int px = screen::iCentredX(gResources.menuBar.width);
  int py = screen::iCentredY(gResources.menuBar.height);
  vAddMenuButtons(kDifficultyButtons, px, py);
  vShowMenu(vDrawDifficulty, kDifficultyButtons, -1);
  vPlayCue(Cue::kButtonOver);
  int choice = iWaitForMenuButton(kDifficultyButtons, vDrawDifficulty, true);
  if (choice == kEscapeChoice) {
    // Back to the main menu, which lies over the title's zone as it does after the title.
    gs.iEscapePressed = 0;
    gMouseZones.Clear();
    gMouseZones.Add("TITLE_SCREEN", 0, 0, screen::kScreenWidth, screen::kScreenHeight, kZoneEither);
    return false;
  }
  if (choice < 0) return false;
  vRemoveMenuButtons(kDifficultyButtons);
  vPlayCue(Cue::kGoodMove);
  gs.iDifficulty = choice;
  Sleep(kChoiceDelayMs);
  return true;
}

int32_t iGameHelp() {
  uint32_t guard = timeGetTime() + kClickGuardMs;
  gs.iEscapePressed = 0;
  gFrameStack.Select(gResources.iFrameVB);
  gResources.gameHelp.Draw(0, 0);
  ShowFrame(kActiveSlot);
  vDebugLog("iGameHelp()\n");
  uint32_t limit = timeGetTime() + kHelpLimitMs;
  char name[kZoneNameSize];
  std::string note;
  vClearTypedKeys();
  while (!bTimeReached(timeGetTime(), limit) && gs.iEscapePressed != 1 && !bShuttingDown()) {
    PassWait wake;
    if (bShortNoteChanged(note, wake)) {
      gResources.gameHelp.Draw(0, 0);
      DrawShortNote(note);
      ShowFrame(kActiveSlot);
    }
    wake.After(guard);
    wake.At(limit);
    wake.Wait();
    if (bPressKey()) return 0;
    // Any press closes the help, also one over a zone of the screen beneath it.
    if (bGuardPassed(guard) && bPollZone(name)) return 0;
  }
  return 0;
}

void vClickToContinue() {
  uint32_t guard = timeGetTime() + kClickGuardMs;
  vStopAllEffects();
  gMouseZones.Add("CONTINUE", 0, 0, screen::kScreenWidth, screen::kScreenHeight, kZoneEither);
  char name[kZoneNameSize];
  PlayingScreenFrames frames;
  while (!bShuttingDown()) {
    Sleep(1);
    if ((bGuardPassed(guard) && bPollZone(name) && bZoneIs(name, "CONTINUE")) || bPressKey()) {
      gMouseZones.Remove("CONTINUE");
      return;
    }
    PassWait wake;
    if (wake.FrameDue() && frames.Draw()) {
      const Sprite& prompt = gResources.clickToContinue;
      prompt.Draw(screen::iCentredX(prompt.width), screen::iCentredY(prompt.height));
      frames.Show();
    }
    vAddTimedSteps(wake);
    wake.After(guard);
    wake.Wait();
    vStepShownScore();
  }
}

void vGameOverScreen() {
  uint32_t limit = timeGetTime() + kGameOverLimitMs;
  FadeFrame(0, 0, screen::kScreenWidth, screen::kScreenHeight, -50, -50, -50);
  bool shown = false;  // the message does not change while it is up
  while (gs.iEscapePressed != 1 && !bTimeReached(timeGetTime(), limit) && !bShuttingDown()) {
    PassWait wake;
    if (!shown && wake.FrameDue()) {
      gResources.messageBar.Draw(screen::kMessageBar.x, screen::kMessageBar.y);
      gResources.gameOver.Draw(screen::kGameOver.x, screen::kGameOver.y);
      ShowFrame(kActiveSlot);
      shown = true;
    }
    wake.At(limit);
    wake.Wait();
  }
  vSaveBestScore(gs.iShownScore, gs.iBestScore);
}
