#pragma once
// The pieces of the main thread's life, for the loops that drive it: the desktop's loop waits for
// events; a web page's is called back once per displayed frame and must never wait.

// Opens the window with the title, loads the images, starts the title music and the game thread
// with `gameThread`. -1 when the game runs, otherwise the exit code (the user has been told).
int iStartGame(int (*gameThread)(void*));

// Before the first pass.
void vBeginMessageLoop();
// One pass: takes one event (waiting up to `timeoutMs` for it) and hands it to the game, then
// pumps the music and shows the latest frame. True, with the code, once the quit has come.
bool bMessagePass(int timeoutMs, int& quitCode);

// Tells the game thread to stop and stops the music; the thread then ends on its own.
void vAskGameThreadToEnd();
// Waits for the game thread, stores the window settings, releases everything and returns the
// process's exit code for `quitCode`.
int iFinishGame(int quitCode);
