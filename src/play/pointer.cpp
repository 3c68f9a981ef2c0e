#include "play/pointer.h"

#include <strings.h>

#include "play/game_state.h"
#include "platform/clock.h"
#include "platform/window.h"

int32_t iMouseX = 0;
int32_t iMouseY = 0;

namespace {
constexpr uint32_t kFrameIntervalMs = 16;
uint32_t dwLastFrame = 0;
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

bool bPollZone(char name[kZoneNameSize]) {
  vPollMouse();
  return gMouseZones.HitTest(iToZoneCoordinate(iMouseX), iToZoneCoordinate(iMouseY), name,
                             gs.bLeftButtonDown != 0, gs.bRightButtonDown != 0);
}

bool bZoneIs(const char* name, const char* known) { return strcasecmp(name, known) == 0; }

bool bFrameDue() {
  uint32_t now = timeGetTime();
  if (bFrameEverShown && now - dwLastFrame < kFrameIntervalMs) return false;
  bFrameEverShown = true;
  dwLastFrame = now;
  return true;
}
