#pragma once
// The player's sound controls: M turns the music off and on, S the effects, minus and plus
// change the volume in eight steps; all three are kept in the settings. They act on the main
// thread, which owns the music, at once on every screen; a short note (play/notes.h) tells the
// new state for a second.

// At start-up, before the music would start: sets the stored volumes; true when the music is on.
bool bApplyStoredSound();
// Main thread: acts on the key when it is a sound control (true then).
bool bSoundControlKey(int key);
// Lowers the music while the game is paused, or gives it its level back. Either thread.
void vLowerMusic(bool lowered);
