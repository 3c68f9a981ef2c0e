#pragma once
// The one game window, showing the latest 1024 x 768 frame the game presented at whatever size
// the window has: a resizable window centred on the desktop, or full screen over the desktop. The
// frame is scaled to the largest size that fits, aspect kept, with black bars; the game keeps
// seeing 1024 x 768 pixels, and pointer positions come back in frame pixels. A finger comes as
// touches, never also as the mouse SDL would make of it. Events are taken on the main thread, which created the
// window; every call here belongs on that thread.

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
  kEventComposing,  // an input method's text being composed, not yet typed (`text`; "" when done)
  kEventEnter,      // the Enter key went down (without Alt)
  kEventBackspace,  // the Backspace key went down
  kEventWindowChanged,  // the window's size or full-screen state changed (already shown again)
  kEventDragged,    // the pointer moved with a button held (a press may now be over a zone)
  kEventPadButton,  // a game controller's button went down (a PlatformPadButton in `key`)
  kEventWindowLeft, // the window lost the focus, was minimised or hidden (a page not shown)
  kEventPointerMoved,  // the pointer moved with no button held, while asked for (x, y as above)
  kEventTouchDown,  // a finger touched the window (only the first finger down counts)
  kEventTouchMoved, // that finger moved
  kEventTouchUp,    // that finger lifted (or the browser took the touch away)
  kEventWindowCovered,  // the game cannot be seen at all (a phone held upright under the page's
                        // turn-the-phone picture): a running game pauses whatever the settings
  kEventFilesArrived,  // the files PlatformFetchFiles fetched are readable now (or failed to come)
};

// The key of a key event: letters as their lower-case ASCII code, the space, minus and plus (the
// keypad's too, and the key that gives plus with Shift) as theirs, the others below; kKeyOther
// for a key without a code here.
enum PlatformKey {
  kKeyOther = 0,
  kKeyEnter = '\r',
  kKeyEscape = 27,
  kKeySpace = ' ',
  kKeyPlus = '+',
  kKeyMinus = '-',
  kKeyUp = 256,
  kKeyDown,
  kKeyLeft,
  kKeyRight,
  kKeyPause,
  kKeyF1,
  kKeyF11,
  kKeyAltEnter,  // Enter (either) with Alt held
};

// A game controller's buttons, by their place on a standard pad (A below, B right, X left,
// Y above); the left stick pushed past half way counts as the d-pad's direction.
enum PlatformPadButton {
  kPadA = 512,
  kPadB,
  kPadX,
  kPadY,
  kPadStart,
  kPadBack,
  kPadLeftShoulder,
  kPadRightShoulder,
  kPadUp,
  kPadDown,
  kPadLeft,
  kPadRight,
};

struct PlatformEvent {
  PlatformEventKind kind = kEventNone;
  int code = 0;       // the quit code, for kEventQuit
  // For kEventEscape, kEventKey, kEventEnter and kEventBackspace a PlatformKey; for
  // kEventPadButton a PlatformPadButton.
  int key = kKeyOther;
  // For the buttons, kEventDragged and the touches: where the pointer or finger was, in frame
  // pixels.
  int x = 0, y = 0;
  bool repeat = false;  // the key is held and repeats
  char text[32] = {};  // for kEventText and kEventComposing, ended by a zero byte
};

// Starts the video system and the game controllers (a pad plugged in later is taken too) and
// creates the window, hidden. `windowed`: a resizable window centred
// on the desktop, of the client size when that fits the usable desktop, otherwise the largest
// size of its aspect that does; otherwise a borderless window at (0, 0) that becomes full screen
// when a display mode is set. False when no window can be made.
bool PlatformCreateWindow(const char* title, int clientWidth, int clientHeight, bool windowed);

// Sets the window's icon from a 24-bit BMP file (a path for this system); a missing file is ignored.
void PlatformSetWindowIcon(const char* bmpPath);

void PlatformShowWindow();
bool PlatformWindowExists();
// An opaque handle of the window for the layers above (null before it exists).
void* PlatformWindowHandle();
void PlatformDestroyWindow();

// Takes the next event, waiting up to `timeoutMs` for one. False when none came; a frame
// presented meanwhile ends the wait early (and then also gives false).
bool PlatformNextEvent(PlatformEvent& event, int timeoutMs);

// True when an event is waiting to be taken.
bool PlatformHasPendingEvent();

// Ends the main thread's wait for events early (any thread; nothing before the window exists).
void PlatformWakeMainThread();

// Puts a quit event with that code at the end of the queue; false when the queue refused it.
bool PlatformPostQuit(int code);

// Full screen over the desktop (no display-mode change) or a window; a window size of 0 keeps
// the current one, any other is kept within the usable desktop.
void PlatformSetWindowMode(bool fullScreen, int windowWidth, int windowHeight);
// The current state: full screen or not, and the window's size in points (while full screen,
// the size it had before and gets back).
void PlatformWindowMode(bool& fullScreen, int& windowWidth, int& windowHeight);

// Turns typed-text events (kEventText, kEventComposing) on or off; off until asked for. Main
// thread only.
void PlatformSetTextInput(bool on);
// Where the text is typed, in frame pixels, so that an input method puts its candidates beside
// it. Main thread only.
void PlatformSetTextInputArea(int x, int y, int w, int h);
// Turns kEventPointerMoved on or off; off until asked for, since most screens never look at a
// pointer without a button. Main thread only.
void PlatformSetPointerMotion(bool on);

// Shows the latest presented frame in the window if it changed since the last call (or `force`).
void PlatformShowLatestFrame(bool force);

// The pointer in frame pixels, (0, 0) at the top-left of the 1024 x 768 frame, as the window's
// events last reported it; on a bar it lies outside the frame. Tests may set it.
void PlatformPointerPosition(int& x, int& y);
void PlatformSetPointerPosition(int x, int y);

// While on, a page asks the player before it is closed or reloaded (the browser's own prompt); a
// desktop window closes as before. PlatformLeaveGuard tells the last one set. Any thread.
void PlatformSetLeaveGuard(bool on);
bool PlatformLeaveGuard();

// A modal error message owned by the window; also written to the standard error stream.
void PlatformErrorBox(const char* caption, const char* text);
