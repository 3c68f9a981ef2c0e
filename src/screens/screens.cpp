#include "screens/screens.h"

#include "audio/sound_effects.h"
#include "board/game_state.h"
#include "board/selection.h"
#include "diag/debug_log.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "platform/clock.h"
#include "save/scores.h"
#include "screens/mouse_zones.h"
#include "screens/pointer.h"
#include "screens/render.h"

namespace {
constexpr uint32_t kClickGuardMs = 250;
constexpr uint32_t kTitleLimitMs = 10000;
constexpr uint32_t kHelpLimitMs = 60000;
constexpr uint32_t kGameOverLimitMs = 4000;
constexpr uint32_t kChoiceDelayMs = 250;

// The three buttons of the main menu and the difficulty choice lie at the same places.
struct MenuButton {
  const char* name;
  int16_t dy;
};
constexpr int16_t kMenuButtonX = 178;
constexpr int16_t kMenuButtonWidth = 364;
constexpr int16_t kMenuButtonHeight = 68;
constexpr MenuButton kMainButtons[3] = {{"NEWGAME", 45}, {"HELP", 166}, {"QUIT", 287}};
constexpr MenuButton kDifficultyButtons[3] = {{"EASY", 45}, {"MEDIUM", 166}, {"HARD", 287}};

bool bShuttingDown() { return gs.bShutdown != 0; }

bool bGuardPassed(uint32_t guard) { return bTimeAfter(timeGetTime(), guard); }

// Adds three menu buttons over the panel at (px, py).
void vAddMenuButtons(const MenuButton (&buttons)[3], int px, int py) {
  for (const MenuButton& b : buttons) {
    gMouseZones.Add(b.name, static_cast<int16_t>(px + kMenuButtonX),
                    static_cast<int16_t>(py + b.dy), kMenuButtonWidth, kMenuButtonHeight, kZoneLeft);
  }
}

void vRemoveMenuButtons(const MenuButton (&buttons)[3]) {
  for (const MenuButton& b : buttons) gMouseZones.Remove(b.name);
}

// Waits for a press on one of the three buttons: its index, or -1 when shutdown began.
int iWaitForMenuButton(const MenuButton (&buttons)[3]) {
  uint32_t guard = timeGetTime() + kClickGuardMs;
  char name[kZoneNameSize];
  while (!bShuttingDown()) {
    Sleep(1);
    if (!bGuardPassed(guard) || !bPollZone(name)) continue;
    for (int i = 0; i < 3; ++i) {
      if (bZoneIs(name, buttons[i].name)) return i;
    }
    guard = timeGetTime() + kClickGuardMs;
  }
  return -1;
}

// The title's own loop until a press, the time limit, Escape or shutdown: 1 for a press, else 0.
int iRunTitle(uint32_t& guard, uint32_t limit) {
  char name[kZoneNameSize];
  while (!bTimeReached(timeGetTime(), limit) && gs.iEscapePressed != 1 && !bShuttingDown()) {
    if (bFrameDue()) {
      gResources.title.Draw(0, 0);
      ShowFrame(kActiveSlot);
    }
    Sleep(1);
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
  gMouseZones.Add("TITLE_SCREEN", 0, 0, 1024, 768, kZoneEither);
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
  uint32_t guard = timeGetTime() + kClickGuardMs;
  int px = iCentredX(gResources.areYouSure.width), py = iCentredY(gResources.areYouSure.height);
  gMouseZones.Add("YES", static_cast<int16_t>(px + 183), static_cast<int16_t>(py + 168), 363, 68,
                  kZoneLeft);
  gMouseZones.Add("NO", static_cast<int16_t>(px + 183), static_cast<int16_t>(py + 286), 363, 68,
                  kZoneLeft);
  gResources.areYouSure.Draw(px, py);
  ShowFrame(kActiveSlot);
  gSoundEffects.Play(button_over);
  char name[kZoneNameSize];
  while (!bShuttingDown()) {
    Sleep(1);
    if (!bGuardPassed(guard) || !bPollZone(name)) continue;
    if (bZoneIs(name, "YES") || bZoneIs(name, "NO")) {
      bool yes = bZoneIs(name, "YES");
      gMouseZones.Remove("YES");
      gMouseZones.Remove("NO");
      gs.bQuitGame = yes ? 1 : 0;
      gSoundEffects.Play(yes ? badmove : goodmove);
      if (!yes) gs.iEscapePressed = 0;
      return yes;
    }
    guard = timeGetTime() + kClickGuardMs;
  }
  return true;
}

int32_t iMainMenu() {
  gResources.title.Draw(0, 0);
  int px = iCentredX(gResources.menuBar.width), py = iCentredY(gResources.menuBar.height);
  gResources.menuBar.Draw(px, py);
  vAddMenuButtons(kMainButtons, px, py);
  ShowFrame(kActiveSlot);
  gSoundEffects.Play(button_over);
  int choice = iWaitForMenuButton(kMainButtons);
  if (choice < 0) return 2;
  vRemoveMenuButtons(kMainButtons);
  gSoundEffects.Play(goodmove);
  Sleep(kChoiceDelayMs);
  return choice;
}

void vChooseDifficulty() {
  gMouseZones.Clear();
  gFrameStack.Select(gResources.iFrameVB);
  // The menu bar's size, not the difficulty panel's, places the panel and its buttons.
  int px = iCentredX(gResources.menuBar.width), py = iCentredY(gResources.menuBar.height);
  vAddMenuButtons(kDifficultyButtons, px, py);
  gResources.title.Draw(0, 0);
  gResources.chooseDifficulty.Draw(px, py);
  ShowFrame(kActiveSlot);
  gSoundEffects.Play(button_over);
  int choice = iWaitForMenuButton(kDifficultyButtons);
  if (choice < 0) return;
  vRemoveMenuButtons(kDifficultyButtons);
  gSoundEffects.Play(goodmove);
  gs.iDifficulty = choice;
  Sleep(kChoiceDelayMs);
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
  while (!bTimeReached(timeGetTime(), limit) && gs.iEscapePressed != 1 && !bShuttingDown()) {
    Sleep(1);
    if (!bGuardPassed(guard) || !bPollZone(name)) continue;
    if (bZoneIs(name, "TITLE_SCREEN") || bZoneIs(name, "GAME_LOOP")) return 0;
  }
  return 0;
}

void vClickToContinue() {
  uint32_t guard = timeGetTime() + kClickGuardMs;
  vStopAllEffects();
  gMouseZones.Add("CONTINUE", 0, 0, 1024, 768, kZoneEither);
  char name[kZoneNameSize];
  while (!bShuttingDown()) {
    Sleep(1);
    if (bGuardPassed(guard) && bPollZone(name) && bZoneIs(name, "CONTINUE")) {
      gMouseZones.Remove("CONTINUE");
      return;
    }
    if (bFrameDue()) {
      vDrawGameScreen();
      const Sprite& prompt = gResources.clickToContinue;
      prompt.Draw(iCentredX(prompt.width), iCentredY(prompt.height));
      ShowFrame(kActiveSlot);
    }
    Sleep(1);
    vStepShownScore();
  }
}

void vGameOverScreen() {
  uint32_t limit = timeGetTime() + kGameOverLimitMs;
  FadeFrame(0, 0, 1024, 768, -50, -50, -50);
  while (gs.iEscapePressed != 1 && !bTimeReached(timeGetTime(), limit) && !bShuttingDown()) {
    if (bFrameDue()) {
      gResources.messageBar.Draw(180, 205);
      gResources.gameOver.Draw(340, 331);
      ShowFrame(kActiveSlot);
    }
    Sleep(1);
  }
  vSaveBestScore();
}
