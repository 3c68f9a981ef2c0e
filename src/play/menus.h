#pragma once
// The screens around the game: title, quit confirmation, main menu, difficulty choice, help,
// the level-clear continue prompt and the game-over message. On the menus Up and Down light a
// button (the first one lit as they open, or the one the pointer moves over) and Enter chooses
// it; elsewhere Enter or Space act as a press. Each runs its own ScreenLoop on the game thread
// and returns when a zone is pressed, a time limit passes, Escape is pressed (where the screen
// looks at it) or the main thread shuts down; also the timed message plaque they share.
#include <cstdint>

#include "util/pixel_rect.h"

class Sprite;

// 1 a button was pressed; 0 the title timed out (or shutdown began); -1 quitting was confirmed.
int32_t iTitleScreen();
// True "YES" (or shutdown began), false "NO".
bool bAreYouSure();
// The YES/NO box over the picture `draw` paints, asking whether to quit or to throw a game away:
// NO is lit first. 0 YES, 1 NO (also Back), -1 when shutdown began.
int iYesNoBox(void (*draw)());
// The main menu's choices, in the order of its buttons: "NEWGAME", "HELP", "QUIT" (also when
// shutdown began), "SCORES" (the table) and "OPTIONS".
enum class MainMenuChoice : int32_t { kNewGame, kHelp, kQuit, kScores, kOptions };
MainMenuChoice iMainMenu();
// The game's vChooseDifficulty, which now tells whether a difficulty was chosen: sets
// gs.iDifficulty from "EASY", "MEDIUM" or "HARD" and returns true; false when Escape went
// back to the main menu (or shutdown began).
bool bChooseDifficulty();
// The help screen, closed by any press, Enter, Space or Escape; the Right arrow (or a pad's)
// shows the controls page over it. Always 0.
int32_t iGameHelp();
// Waits for a click after a level clear while the displayed score counts up.
void vClickToContinue();
// The message plaque with `message` drawn over it at `at`.
void vDrawMessage(const Sprite& message, const PixelRect& at);
// Darkens the screen and shows `message` at `at` on the message plaque until `ms` have passed,
// Escape was pressed or shutdown began. The click guard lasts as long, so nothing pressed during
// the message acts on it or on what follows.
void vShowTimedMessage(const Sprite& message, const PixelRect& at, uint32_t ms);
// Darkens the board, shows the game-over message for 4 seconds, saves the best score.
void vGameOverScreen();
