#pragma once
// The player's sound controls: M turns the music off and on, S the effects, minus and plus
// change the volume in eight steps; all three are kept in the settings. They act on the main
// thread, which owns the music, at once on every screen; a short note tells the new state, and
// the playing screen shows it for a second.
#include <cstdint>
#include <string>

constexpr uint32_t kSoundNoteMs = 1000;

// At start-up, before the music would start: sets the stored volumes; true when the music is on.
bool bApplyStoredSound();
// Main thread: acts on the key when it is a sound control (true then).
bool bSoundControlKey(int key);
// Lowers the music while the game is paused, or gives it its level back. Either thread.
void vLowerMusic(bool lowered);
// The note about the last change while it is shown at `now` (else empty), and when it ends.
std::string SoundNote(uint32_t now);
uint32_t dwSoundNoteUntil();

class PassWait;
// For a screen whose picture does not change by itself, once per pass: true when the note it
// shows (`shown`) is to change, and then `shown` is the new one (the screen draws its picture
// again with DrawSoundNote over it). The pass also wakes when a note ends.
bool bSoundNoteChanged(std::string& shown, PassWait& wake);
