#pragma once
// The program as a web page (web builds only): the browser calls the main thread back once per
// displayed frame instead of letting it wait for events, the player's folder lives in the
// browser's storage, and the page is told when the game has ended.
#include <string>

// Has the browser call `pass` before every repaint, from now on; returns at once. The main
// thread must never block in a browser: it carries out the other threads' file calls. While
// nothing happens the calls slow down to a few a second, unless `pass` returned true (it waits
// for something that sends no event).
void PlatformRunEveryFrame(bool (*pass)());
void PlatformStopEveryFrame();

// Puts `folder` (absolute, ending in '/') in the browser's storage and loads what was kept there,
// then calls `then` on the main thread. Without storage (a private window may have none) the
// folder lives in memory only and `then` still follows.
void PlatformLoadKeptFolder(const std::string& folder, void (*then)());

// Tells the page the game has ended with `code` (it offers to start it again).
void PlatformTellPageEnded(int code);
