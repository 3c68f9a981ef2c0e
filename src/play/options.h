#pragma once
// The options screen, reached from the main menu's OPTIONS button and from the pause panel: one
// row a setting (music, effects, volume, full screen, the pause when the game is left, the
// language) and the controls page. Every change acts at once and is kept in the settings; OK,
// Escape or a pad's B close it, and the screen beneath is drawn again by its caller. Over a game
// (opened from the pause) the playing screen lies beneath, its board hidden.
enum class OptionsOver { kMenu, kGame };
void vOptionsScreen(OptionsOver beneath = OptionsOver::kMenu);

// The controls page alone (also the help's second page): every key and pad button and what it
// does, until a press or a key.
void vControlsScreen();
