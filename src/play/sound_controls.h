#pragma once
// The player's sound controls (play/controls.h): the music off and on, the effects, the volume
// down and up in eight steps; all three are kept in the settings. They act on the main
// thread, which owns the music, at once on every screen; a short note (play/notes.h) tells the
// new state for a second.
#include "play/controls.h"

// At start-up, before the music would start: sets the stored volumes; true when the music is on.
bool bApplyStoredSound();
// Main thread: carries out a sound command (kMusic, kEffects, kVolumeDown, kVolumeUp); true when
// it was one.
bool RunSoundCommand(Command command);
// Lowers the music while the game is paused, or gives it its level back. Either thread.
void vLowerMusic(bool lowered);
