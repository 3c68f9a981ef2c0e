#pragma once
// Keys and typed text handed from the main thread's window procedure to the game thread, under a
// lock, each with the moment it came; and the game thread's wish for typed text, which the main
// loop turns on and off. A key belongs to the screen on which it was pressed, after that screen's
// guard (see ScreenKeys): keys left over from an earlier screen, or pressed inside the guard, are
// dropped, as presses are.
#include <atomic>
#include <cstdint>
#include <string>

struct PlatformEvent;

// In typed text, Enter and Backspace are these bytes; typed text never holds control characters.
constexpr char kTypedEnter = '\r';
constexpr char kTypedBackspace = '\b';

// Main thread: a key event of the window (kEventKey, kEventEnter, kEventBackspace, kEventText,
// and Escape's key). A sound control (M, S, minus, plus) acts at once and is nothing more. Any
// other key is queued: as a command key (a PlatformKey) unless text is being typed, a held key
// repeating only for the arrows; and as typed text where it types (text, Enter, Backspace).
void vQueueKeyEvent(const PlatformEvent& e);

// Game thread, each taking this screen's keys (the others are dropped on the way):
// the oldest command key not yet taken, or kKeyOther when there is none;
int iTakeCommandKey();
// everything typed, in order (clears the queue);
std::string TakeTypedKeys();
// true when any key went down (clears the queue).
bool bTakeAnyKey();

// The keys of one screen loop, made at its start with its click guard: only keys that come
// after the guard are its own. When it goes, the keys it left are dropped and the keys that
// come from then on belong to whatever screen runs next (the one that called it, or the next
// in the flow).
class ScreenKeys {
 public:
  explicit ScreenKeys(uint32_t guard);
  ~ScreenKeys();
  ScreenKeys(const ScreenKeys&) = delete;
  ScreenKeys& operator=(const ScreenKeys&) = delete;
  // The screen set a new guard (the title's after the quit confirmation's NO).
  void From(uint32_t guard);
};

// Set by the game thread while it wants typed text; the main loop starts or stops text input.
extern std::atomic<bool> bTextInputWanted;
