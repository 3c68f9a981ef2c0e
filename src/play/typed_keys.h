#pragma once
// Keys and typed text handed from the main thread's window procedure to the game thread, under a
// lock, and the game thread's wish for typed text, which the main loop turns on and off.
#include <atomic>
#include <string>

// In the queue, Enter and Backspace are these bytes; typed text never holds control characters.
constexpr char kTypedEnter = '\r';
constexpr char kTypedBackspace = '\b';

// Main thread: text typed (UTF-8; control characters are dropped), Enter, Backspace, or any
// other key (only counted).
void vQueueTypedText(const char* utf8);
void vQueueTypedKey(char key);
void vQueueOtherKey();

// Main thread: a key the screens may act on (a PlatformKey). A sound control acts at once
// instead; nothing is queued while text is typed, and a held key repeats only for the arrows.
void vQueueCommandKey(int key, bool repeat);
// Game thread: the oldest command key not yet taken, or kKeyOther when there is none.
int iTakeCommandKey();

// Game thread: everything typed since the last call, in order; clears the queue.
std::string TakeTypedKeys();
// Game thread: true when any key went down since the last call (or since vClearTypedKeys).
bool bTakeAnyKey();
// Forgets typed text, keys and command keys.
void vClearTypedKeys();

// Set by the game thread while it wants typed text; the main loop starts or stops text input.
extern std::atomic<bool> bTextInputWanted;
