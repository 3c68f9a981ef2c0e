#include "play/pointer.h"

#include <strings.h>

#include <atomic>

#include "play/game_state.h"
#include "play/input.h"
#include "play/main_thread_asks.h"
#include "platform/clock.h"
#include "platform/window.h"

int32_t iMouseX = 0;
int32_t iMouseY = 0;

namespace {
constexpr uint32_t kFrameIntervalMs = 16;
uint32_t dwLastFrame = 0;
// The longest a pass sleeps with nothing to wait for: a lost wake costs at most this much.
constexpr uint32_t kLongestPassWaitMs = 250;
bool bFrameEverShown = false;

int16_t iToZoneCoordinate(int32_t v) {
  if (v < INT16_MIN) return INT16_MIN;
  if (v > INT16_MAX) return INT16_MAX;
  return static_cast<int16_t>(v);
}
}  // namespace

void vPollMouse() {
  int x = 0, y = 0;
  PlatformPointerPosition(x, y);
  iMouseX = x;
  iMouseY = y;
}

bool bPollZone(char name[kZoneNameSize], uint32_t guard, TapChooser chooseTapped) {
  // Presses that hit nothing make way for the next one queued; a held button is one look.
  for (PointerPress press; bTakePress(guard, press);) {
    iMouseX = press.x;
    iMouseY = press.y;
    if (press.touch && chooseTapped != nullptr && chooseTapped(press.x, press.y, name)) return true;
    if (gMouseZones.HitTest(iToZoneCoordinate(iMouseX), iToZoneCoordinate(iMouseY), name,
                            press.left, press.right)) {
      return true;
    }
    if (press.held) return false;
  }
  return false;
}

MenuLight::MenuLight() {
  vPollMouse();
  pointerX = iMouseX;
  pointerY = iMouseY;
}

bool bFollowPointer(MenuLight& light, const char* const* zones, int count) {
  vPollMouse();
  if (iMouseX == light.pointerX && iMouseY == light.pointerY) return false;
  light.pointerX = iMouseX;
  light.pointerY = iMouseY;
  for (int i = 0; i < count; ++i) {
    const MouseZone* z = gMouseZones.Find(zones[i]);
    if (z == nullptr || iMouseX < z->x || iMouseX > z->x + z->width || iMouseY < z->y ||
        iMouseY > z->y + z->height) {
      continue;
    }
    const bool moved = light.lit != i;
    light.lit = i;
    return moved;
  }
  return false;
}

PointerMotionWanted::PointerMotionWanted() {
  AskMainThread({MainThreadRequest::Kind::kPointerMotion, Command::kNone, true});
}

PointerMotionWanted::~PointerMotionWanted() {
  AskMainThread({MainThreadRequest::Kind::kPointerMotion, Command::kNone, false});
}

bool bZoneIs(const char* name, const char* known) { return strcasecmp(name, known) == 0; }

bool bFrameDue() {
  uint32_t now = timeGetTime();
  if (bFrameEverShown && now - dwLastFrame < kFrameIntervalMs) return false;
  bFrameEverShown = true;
  dwLastFrame = now;
  return true;
}

PassWait::PassWait() : start_(timeGetTime()), wakeAt_(start_ + kLongestPassWaitMs) {}

void PassWait::Until(uint32_t moment) {
  if (bTimeAfter(moment, start_) && bTimeAfter(wakeAt_, moment)) wakeAt_ = moment;
}

void PassWait::After(uint32_t deadline) { Until(deadline + 1); }

void PassWait::At(uint32_t limit) { Until(limit); }

bool PassWait::FrameDue() {
  if (bFrameDue()) return true;
  Until(dwLastFrame + kFrameIntervalMs);
  return false;
}

void PassWait::Wait() const {
  // Never less than a millisecond: a pass that found its moment already there behaves as before.
  int32_t left = static_cast<int32_t>(wakeAt_ - timeGetTime());
  SleepUntilWoken(left > 1 ? static_cast<uint32_t>(left) : 1);
}
