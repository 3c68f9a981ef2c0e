#pragma once
// The one game window: a 1024 x 768 client area, centred on the desktop with a close and a
// minimise box (or full screen), showing the latest frame the game presented. Events are taken on
// the main thread, which created the window.

enum PlatformEventKind {
  kEventNone,
  kEventLeftDown,
  kEventLeftUp,
  kEventRightDown,
  kEventRightUp,
  kEventEscape,     // the Escape key went down
  kEventKey,        // any other key went down
  kEventClose,      // the player closed the window
  kEventQuit,       // the quit posted by PlatformPostQuit
  kEventExposed,    // the window needs its picture again
  kEventText,       // text was typed while text input is on (UTF-8 in `text`)
  kEventEnter,      // the Enter key went down (without Alt)
  kEventBackspace,  // the Backspace key went down
};

struct PlatformEvent {
  PlatformEventKind kind = kEventNone;
  int code = 0;       // the quit code, for kEventQuit
  char text[32] = {};  // for kEventText, ended by a zero byte
};

// Starts the video system and creates the window, hidden. `windowed`: a captioned window centred
// on the desktop; otherwise a borderless window at (0, 0) that becomes full screen when a display
// mode is set. False when no window can be made.
bool PlatformCreateWindow(const char* title, int clientWidth, int clientHeight, bool windowed);

// Sets the window's icon from a 24-bit BMP file (a path for this system); a missing file is ignored.
void PlatformSetWindowIcon(const char* bmpPath);

void PlatformShowWindow();
bool PlatformWindowExists();
// An opaque handle of the window for the layers above (null before it exists).
void* PlatformWindowHandle();
void PlatformDestroyWindow();

// Takes the next event, waiting up to `timeoutMs` for one. False when none came.
bool PlatformNextEvent(PlatformEvent& event, int timeoutMs);

// Puts a quit event with that code at the end of the queue.
void PlatformPostQuit(int code);

// Turns typed-text events (kEventText) on or off; off until asked for. Main thread only.
void PlatformSetTextInput(bool on);

// Shows the latest presented frame in the window if it changed since the last call (or `force`).
void PlatformShowLatestFrame(bool force);

// The pointer in client pixels, (0, 0) at the top-left of the 1024 x 768 client area, as the
// window's events last reported it. Tests may set it.
void PlatformPointerPosition(int& x, int& y);
void PlatformSetPointerPosition(int x, int y);

// A modal error message owned by the window; also written to the standard error stream.
void PlatformErrorBox(const char* caption, const char* text);
