#pragma once
// The main thread's life, one driver for both ways of running it: the desktop waits for events
// between turns; a web page calls a turn once per displayed frame, which must never wait (the
// page's thread carries out the other threads' file calls).

// Opens the window with the title, loads the images, starts the title music and the game
// thread. -1 when the game runs, otherwise the exit code (the user has been told).
int iStartGame();

enum class MainLoopState {
  kRunning,  // the game goes on
  kEnding,   // the quit came; the game thread is leaving its screen
  kEnded,    // iFinishGame may run
};

// One turn: every event that waits (the first one waited for up to `timeoutMs`) handed to the
// game, the music pumped, the latest frame shown. Once the quit came, the game thread is asked to
// end; the turns then say kEnding until it has, or at once kEnded when `mayWaitForGame` (the
// finish then waits for it).
MainLoopState MainLoopTurn(int timeoutMs, bool mayWaitForGame);

struct PlatformEvent;
// The window procedure: one event of the window, handed to the game or carried out here (the main
// thread's own commands, the window's own notices).
void WndProc(const PlatformEvent& e);

// How long a desktop turn waits for an event when nothing happens.
int iIdleWaitMs();

// Waits for the game thread, stores the window settings, releases everything and returns the
// process's exit code.
int iFinishGame();
