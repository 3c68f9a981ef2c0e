#include "play/input.h"

#include <algorithm>
#include <deque>
#include <mutex>

#include "platform/clock.h"
#include "platform/window.h"
#include "play/game_state.h"
#include "play/main_thread_asks.h"
#include "rules/score_table.h"
#include "rules/tap.h"

std::atomic<bool> bTextInputWanted{false};

namespace {
struct QueuedInput {
  uint32_t at = 0;                 // when the window procedure took it
  bool pointer = false;            // a pointer event, else a key or pad button
  PlatformEventKind kind = kEventNone;  // the pointer event's kind
  int x = 0, y = 0;                // where the pointer was
  Command command = Command::kNone;
  int key = 0;        // the key or pad button (a PlatformKey or PlatformPadButton)
  std::string typed;  // what a key types (text, kTypedEnter, kTypedBackspace), or nothing
  bool fresh = false;  // a key or pad button that went down, not a held key's repeat
};

// The window left and not yet taken: the first moment, and whether the game was covered then or
// since. It waits for the game through whatever screens come and go over it.
struct WindowLeave {
  bool left = false;
  uint32_t at = 0;
  bool covered = false;
};

std::mutex gLock;
std::deque<QueuedInput> gQueue;
WindowLeave gLeave;
// Input that came at or before this moment belongs to no screen that is still to take it.
uint32_t gInputAfter = 0;
// The input method's text being composed while text input is on; like the queue, it belongs to
// the screen that is up and goes with it.
std::string gComposing;
// A flood of keys the game does not read is dropped; pointer events never are, or a button
// could stay down, but a screen that takes none can hold only so many presses and drags.
constexpr size_t kMaxQueuedKeys = 64;
constexpr size_t kMaxQueued = 4096;

// A finger that moved farther than this (frame pixels) before it lifted swipes and presses
// nothing: about 6 CSS pixels on a phone held sideways.
constexpr int kTouchSlop = 12;
// Main thread only: the finger down now, where it went down, and whether it went too far.
struct Touch {
  bool down = false;
  bool swiped = false;
  int x = 0, y = 0;
};
Touch gTouch;

// Game thread only: the pointer as the events taken so far tell it.
int gPointerX = 0, gPointerY = 0;
bool gHeldIgnored = false;

bool IsMove(Command c) { return c >= Command::kUp && c <= Command::kRight; }
bool bIsPress(PlatformEventKind kind) {
  return kind == kEventLeftDown || kind == kEventRightDown || kind == kEventTouchUp;
}

std::string TypedBy(const PlatformEvent& e) {
  std::string typed;
  switch (e.kind) {
    case kEventText: AppendTyped(typed, e.text); break;  // cut at 32 bytes, never reached
    case kEventEnter: typed = kTypedEnter; break;
    case kEventBackspace: typed = kTypedBackspace; break;
    case kEventPadButton:
      // A pad confirms a name with its Choose button.
      if (CommandOf(e.key) == Command::kChoose) typed = kTypedEnter;
      break;
    default: break;
  }
  return typed;
}

void vPushLocked(QueuedInput&& input) {
  const size_t keys = static_cast<size_t>(std::count_if(
      gQueue.begin(), gQueue.end(), [](const QueuedInput& q) { return !q.pointer; }));
  if (!input.pointer && keys >= kMaxQueuedKeys) return;
  const bool release = input.kind == kEventLeftUp || input.kind == kEventRightUp;
  if (input.pointer && !release && gQueue.size() >= kMaxQueued) return;
  // A drag only moves the pointer: the newest one queued is moved on instead of adding one.
  if (input.kind == kEventDragged && !gQueue.empty() && gQueue.back().kind == kEventDragged) {
    gQueue.back() = std::move(input);
    return;
  }
  gQueue.push_back(std::move(input));
}

bool bQueuePointer(const PlatformEvent& e) {
  QueuedInput input;
  input.at = timeGetTime();
  input.pointer = true;
  input.kind = e.kind;
  input.x = e.x;
  input.y = e.y;
  std::lock_guard<std::mutex> hold(gLock);
  vPushLocked(std::move(input));
  return true;
}

// A touch becomes a press where it went down, queued as it lifts, unless it swiped.
bool bFollowTouch(const PlatformEvent& e) {
  if (e.kind == kEventTouchDown) gTouch = Touch{true, false, e.x, e.y};
  if (!gTouch.down) return true;
  if (!TouchIsPress(gTouch.x, gTouch.y, e.x, e.y, kTouchSlop)) gTouch.swiped = true;
  if (e.kind != kEventTouchUp) return true;
  gTouch.down = false;
  if (gTouch.swiped) return true;
  PlatformEvent tap = e;
  tap.x = gTouch.x;
  tap.y = gTouch.y;
  return bQueuePointer(tap);
}

bool IsKeyEvent(PlatformEventKind kind) {
  return kind == kEventKey || kind == kEventEscape || kind == kEventEnter ||
         kind == kEventBackspace || kind == kEventPadButton;
}

// While text is typed, of the main thread's commands only full screen acts (the rest type).
bool IsMainThreadKey(Command c, bool typing) {
  return IsMainThreadCommand(c) && (!typing || c == Command::kFullScreen);
}

// Back is not queued: a press (not its repeats) raises the flag for the screen that is up, and
// the flag goes with that screen (vInputAfter). The main thread's commands go no further.
bool bQueueKey(const PlatformEvent& e) {
  const bool typing = bTextInputWanted;
  const bool fresh = e.kind != kEventText && !e.repeat;
  const Command command = e.kind == kEventText ? Command::kNone : CommandOf(e.key);
  if (IsMainThreadKey(command, typing)) return true;
  if (command == Command::kBack) {
    std::lock_guard<std::mutex> hold(gLock);
    if (fresh) gs.iEscapePressed = 1;
    return true;
  }
  QueuedInput input;
  input.at = timeGetTime();
  input.fresh = fresh;
  input.key = e.kind == kEventText ? kKeyOther : e.key;
  input.command = typing || !(fresh || IsMove(command)) ? Command::kNone : command;
  input.typed = TypedBy(e);
  if (!fresh && input.command == Command::kNone && input.typed.empty()) return true;  // idle repeat
  std::lock_guard<std::mutex> hold(gLock);
  vPushLocked(std::move(input));
  return true;
}

bool bQueueLeft(bool covered) {
  const uint32_t now = timeGetTime();
  std::lock_guard<std::mutex> hold(gLock);
  if (!gLeave.left) gLeave.at = now;
  gLeave.left = true;
  gLeave.covered = gLeave.covered || covered;
  return true;
}

// Under gLock: takes the oldest key of this screen, dropping older ones; false when there is none.
bool bTakeKeyLocked(QueuedInput& key) {
  for (auto it = gQueue.begin(); it != gQueue.end();) {
    if (it->pointer) {
      ++it;
      continue;
    }
    const bool stale = !bTimeAfter(it->at, gInputAfter);
    if (!stale) key = std::move(*it);
    it = gQueue.erase(it);
    if (!stale) return true;
  }
  return false;
}

// Game thread: the button flags and the pointer after one pointer event.
void vApplyPointer(const QueuedInput& e) {
  gPointerX = e.x;
  gPointerY = e.y;
  switch (e.kind) {
    case kEventLeftDown: gs.bLeftButtonDown = 1; break;
    case kEventLeftUp: gs.bLeftButtonDown = 0; break;
    case kEventRightDown: gs.bRightButtonDown = 1; break;
    case kEventRightUp: gs.bRightButtonDown = 0; break;
    default: break;
  }
  if (bIsPress(e.kind)) gHeldIgnored = false;
}

PointerPress PressHere(bool held) {
  return PointerPress{gPointerX, gPointerY, gs.bLeftButtonDown != 0, gs.bRightButtonDown != 0,
                      held};
}

// A tap acts as a left button's click, and leaves no button held.
PointerPress PressOf(const QueuedInput& e) {
  if (e.kind != kEventTouchUp) return PressHere(false);
  PointerPress tap{e.x, e.y, true, false, false};
  tap.touch = true;
  return tap;
}

void vInputAfter(uint32_t moment) {
  std::lock_guard<std::mutex> hold(gLock);
  gInputAfter = moment;
  gComposing.clear();
  gs.iEscapePressed = 0;  // an Escape belongs to the screen it was pressed on
}

bool bFollowComposing(const PlatformEvent& e) {
  std::lock_guard<std::mutex> hold(gLock);
  gComposing = bTextInputWanted ? e.text : "";
  return true;
}
}  // namespace

void WantTypedText(bool on) {
  bTextInputWanted = on;
  AskMainThread({MainThreadRequest::Kind::kTextInput, Command::kNone, on});
}

Command MainThreadCommandOf(const PlatformEvent& e) {
  if (!IsKeyEvent(e.kind) || e.repeat) return Command::kNone;
  const Command command = CommandOf(e.key);
  return IsMainThreadKey(command, bTextInputWanted) ? command : Command::kNone;
}

bool bQueueInput(const PlatformEvent& e) {
  switch (e.kind) {
    case kEventLeftDown:
    case kEventLeftUp:
    case kEventRightDown:
    case kEventRightUp:
    case kEventDragged: return bQueuePointer(e);
    case kEventEscape:
    case kEventKey:
    case kEventEnter:
    case kEventBackspace:
    case kEventText:
    case kEventPadButton: return bQueueKey(e);
    case kEventTouchDown:
    case kEventTouchMoved:
    case kEventTouchUp: return bFollowTouch(e);
    case kEventComposing: return bFollowComposing(e);
    case kEventWindowLeft: return bQueueLeft(false);
    case kEventWindowCovered: return bQueueLeft(true);
    case kEventPointerMoved: return true;  // the pointer's place is kept by the platform
    default: return false;
  }
}

Command TakeCommand() {
  std::lock_guard<std::mutex> hold(gLock);
  for (QueuedInput key; bTakeKeyLocked(key);) {
    if (key.command != Command::kNone) return key.command;
  }
  return Command::kNone;
}

std::string TakeTypedKeys() {
  std::lock_guard<std::mutex> hold(gLock);
  std::string typed;
  for (QueuedInput key; bTakeKeyLocked(key);) typed += key.typed;
  return typed;
}

bool bTakeAnyKey() {
  std::lock_guard<std::mutex> hold(gLock);
  bool any = false;
  for (QueuedInput key; bTakeKeyLocked(key);) any = any || key.fresh;
  return any;
}

bool TakeFreshKey(int& key) {
  std::lock_guard<std::mutex> hold(gLock);
  for (QueuedInput taken; bTakeKeyLocked(taken);) {
    if (!taken.fresh) continue;
    key = taken.key;
    return true;
  }
  return false;
}

bool bTakeWindowLeft(uint32_t& at, bool& covered) {
  std::lock_guard<std::mutex> hold(gLock);
  const WindowLeave leave = gLeave;
  gLeave = WindowLeave{};
  at = leave.at;
  covered = leave.covered;
  return leave.left;
}

void ForgetWindowLeft() {
  std::lock_guard<std::mutex> hold(gLock);
  gLeave = WindowLeave{};
}

bool bTakePress(uint32_t guard, PointerPress& press) {
  std::lock_guard<std::mutex> hold(gLock);
  const uint32_t after = bTimeAfter(guard, gInputAfter) ? guard : gInputAfter;
  for (auto it = gQueue.begin(); it != gQueue.end();) {
    if (!it->pointer) {
      ++it;
      continue;
    }
    const QueuedInput event = *it;
    it = gQueue.erase(it);
    vApplyPointer(event);
    if (bIsPress(event.kind) && bTimeAfter(event.at, after)) {
      press = PressOf(event);
      return true;
    }
  }
  const bool held = gs.bLeftButtonDown != 0 || gs.bRightButtonDown != 0;
  if (!held || gHeldIgnored || !bTimeAfter(timeGetTime(), guard)) return false;
  press = PressHere(true);
  return true;
}

void vIgnoreHeldButtons() { gHeldIgnored = true; }

void vForgetInput() {
  std::lock_guard<std::mutex> hold(gLock);
  gQueue.clear();
  gLeave = WindowLeave{};
  gComposing.clear();
  gInputAfter = 0;
  gHeldIgnored = false;
  gs.bLeftButtonDown = 0;
  gs.bRightButtonDown = 0;
}

int iQueuedInput() {
  std::lock_guard<std::mutex> hold(gLock);
  return static_cast<int>(gQueue.size());
}

std::string ComposingText() {
  std::lock_guard<std::mutex> hold(gLock);
  return gComposing;
}

ScreenInput::ScreenInput(uint32_t guard) { vInputAfter(guard); }

ScreenInput::~ScreenInput() { vInputAfter(timeGetTime()); }

void ScreenInput::From(uint32_t guard) { vInputAfter(guard); }
