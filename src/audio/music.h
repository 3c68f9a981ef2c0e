#pragma once
// Background music: one of three tracks plays from the start of the program to its end; when a
// track has played out, another is chosen at random. The main thread starts, pumps and stops the
// music, the game thread pauses and resumes it, so one lock guards the music state.
#include <atomic>
#include <cstdint>

// Set once a track has been started; while it is set the main loop pumps the music.
extern std::atomic<uint8_t> bMusicStarted;

// Chooses a track at random (each one time in three) and starts it. Always true.
bool bPlayTitleMusic();
// Starts a new random track when the current one has played to its end. Never blocks.
void vPumpMusic();
// While no music plays: lets the sound device rest after a few silent seconds (main thread).
void vRestSilentAudio();
// Stops the music and frees it; a second call does nothing.
void vStopMusic();
// Halts the track where it is / lets it go on from there.
void vPauseMusic();
void vResumeMusic();

// The index of the track now held, or -1 (for tests and diagnostics).
int iCurrentMusicTrack();
