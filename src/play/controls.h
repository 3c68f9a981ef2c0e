#pragma once
// The one table of controls (play/control_table.def): every key and pad button the game answers
// to, the command it gives and its name. The input queue, the main loop, the controls page and
// the help read it; the platform only says which key it was. The player may give a command a key
// of their own: the change is kept in the settings as the shipped key and the player's.
#include <string>
#include <vector>

enum class Command {
  kNone, kUp, kDown, kLeft, kRight, kChoose, kBack, kHint, kPause, kHelp, kOptions,
  // What only the main thread does, at once on every screen; these go no further.
  kMusic, kEffects, kVolumeDown, kVolumeUp, kFullScreen,
};

bool IsMainThreadCommand(Command c);

struct Control {
  int key = 0;  // a PlatformKey or PlatformPadButton
  Command command = Command::kNone;
};

// The table as shipped, in its order.
const std::vector<Control>& ShippedControls();
// The table in use: the shipped one with the player's own keys. Either thread.
std::vector<Control> CurrentControls();

// The command of a key or pad button in the table in use, or kNone.
Command CommandOf(int key);

// What became of a new key given to a control.
struct KeyChange {
  bool given = false;                      // false: refused, nothing changed
  Command tradedWith = Command::kNone;     // the command that had the key and took the old one
};
// Gives the control now on `oldKey` the key `newKey`; a control that had `newKey` takes `oldKey`
// in exchange, so no key holds two commands and every command keeps as many keys. A key only
// trades with one of its own kind (keyboard or pad), so every command keeps a key on each. Back's
// keys never move and are never taken, so Escape and B always go back. Refused (nothing changes)
// when `oldKey` is in no row, `newKey` is not a key the game knows, or either is Back's. Kept in
// the settings.
KeyChange GiveKey(int oldKey, int newKey);
// The first key of `command` on the pad (`pad`) or the keyboard, or 0.
int KeyOf(Command command, bool pad);
bool IsPadKey(int key);
// Every control back on its shipped key.
void RestoreShippedKeys();

// How the controls page names a key (English; a letter is itself), or "" for none.
std::string KeyName(int key);

// A line of the controls page: the keys of its commands as the player has them (the shipped
// text, translated, while they are the shipped ones) and what they do (English).
struct ControlsLine {
  std::string keys;
  const char* action;
  Command first, last;  // the commands the line shows the keys of, in Command's order
};
std::vector<ControlsLine> ControlsLines();
// What a command does, in English: its line's action, or its own name on a line of several.
const char* CommandName(Command command);
