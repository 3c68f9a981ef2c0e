#pragma once
// The application shell: start-up, the window and its main loop on the main thread, and the game
// thread that runs the flow of screens.
#include <atomic>

#include "platform/thread.h"

// The game window (opaque) and the game thread, waited for at shutdown.
extern void* hMainWindow;
extern PlatformThread* hGameThread;

// The process's exit code when something failed after start-up (no level to deal).
extern std::atomic<int> iFailureExitCode;

// The game thread: sound set-up, then title, menu, difficulty, game and help until the player
// quits or the main thread shuts down.
int thrMainGameLoop(void* unused);

// The whole program on the main thread; returns the process exit code.
int WinMain();
