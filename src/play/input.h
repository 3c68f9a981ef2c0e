#pragma once
// The player's input on its way from the main thread's window procedure to the game thread: one
// queue of events under a lock, each with the moment it came: presses, releases and drags with
// the frame position where they happened, keys and pad buttons, typed text. The keyboard and a
// pad map onto one set of commands (play/controls.h), which is all the screens act on. A screen
// takes only what came after its guard (see ScreenInput), so nothing pressed on one screen acts on
// another.
#include <atomic>
#include <cstdint>
#include <string>

#include "play/controls.h"

struct PlatformEvent;

// In typed text, Enter and Backspace are these bytes; typed text never holds control characters.
constexpr char kTypedEnter = '\r';
constexpr char kTypedBackspace = '\b';

// Main thread: the main thread's own command (music, effects, volume, full screen) an event gives,
// or kNone: a fresh press of its key or pad button, and while text is typed only full screen.
Command MainThreadCommandOf(const PlatformEvent& e);

// Main thread: one event of the window; false when it is none of the player's input. A main
// thread's command goes no further (MainThreadCommandOf tells the main loop). Back raises
// gs.iEscapePressed at once, for the screen that is up: once per press, never on a held key's
// repeats, and a screen's start and end lower it (ScreenInput). Everything else is queued: a
// command unless text is being typed (a held key repeats only for the moves), typed text where it
// types (text, Enter, Backspace, and a pad's Choose button as Enter), pointer events with their
// position, a finger's tap (queued as it lifts, where it went down; a finger that moved too far
// first presses nothing). The window being left is kept apart for the game (bTakeWindowLeft). An
// input method's composition is kept for the screen to show.
bool bQueueInput(const PlatformEvent& e);

// Game thread, each taking what it wants of this screen's input (keys that came before the
// screen's input began are dropped on the way):
// the oldest command not yet taken, or kNone;
Command TakeCommand();
// everything typed, in order (its keys are taken);
std::string TakeTypedKeys();
// true when a key or pad button went down, not a held key's repeat (its keys are taken);
bool bTakeAnyKey();
// true with the code of the oldest key or pad button that went down (kKeyOther for a key without
// one), taking it and the repeats before it;
bool TakeFreshKey(int& key);
// the input method's text being composed (not typed until the method commits it), or "";
std::string ComposingText();
// true when the window was left (kEventWindowLeft or kEventWindowCovered) since the last take,
// with the moment it was first left and whether the game was covered. Unlike keys, a leave is not
// dropped when a screen ends: it waits for the game that was left, through the screens over it.
bool bTakeWindowLeft(uint32_t& at, bool& covered);
// Forgets a leave not taken: a game begins, or it stood still while the leave came (the pause,
// Escape's box) and the player has answered since.
void ForgetWindowLeft();

// A press to act on: where it was made and which buttons were down then.
struct PointerPress {
  int x = 0, y = 0;
  bool left = false, right = false;
  bool held = false;  // a button held past the guard, not a press that came
  bool touch = false;  // a finger's tap (as a left click, with no button left held)
};
// Game thread: takes the pointer events that came until now, in order, keeping gs.bLeftButtonDown
// and gs.bRightButtonDown as they tell. True with the first press that came after `guard` (and
// after the screen's input began), at its own position; else, once the guard has passed, with a
// button still held, at the pointer's latest position, since the buttons are levels: a held
// button acts again each time the screen's guard has passed. The events after the press taken
// wait for the next call.
bool bTakePress(uint32_t guard, PointerPress& press);
// The buttons held now act no more until they are let go: the press that closed a screen shown
// over another is not the one beneath's.
void vIgnoreHeldButtons();

// The input of one screen loop, made at its start with its click guard: only what comes after
// the guard is its own, and an Escape only from its start. When it goes, what it left (an Escape
// too) is dropped and what comes from then on belongs to whatever screen runs next (the one that
// called it, or the next in the flow).
class ScreenInput {
 public:
  explicit ScreenInput(uint32_t guard);
  ~ScreenInput();
  ScreenInput(const ScreenInput&) = delete;
  ScreenInput& operator=(const ScreenInput&) = delete;
  // The screen set a new guard (the title's after the quit confirmation's NO).
  void From(uint32_t guard);
};

// Events queued and not yet taken (tests).
int iQueuedInput();
// Forgets every queued event, lets go of the buttons and ends any screen's claim on input
// (tests, between runs of the game).
void vForgetInput();

// Game thread: text is typed from now on (a name), or no more; the main thread is asked to start
// or stop the window's text input.
void WantTypedText(bool on);
// True while text is typed: keys then type rather than give commands.
extern std::atomic<bool> bTextInputWanted;
