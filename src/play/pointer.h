#pragma once
// The pointer poll and the click cycle that every screen loop follows: after the screen's click
// guard has passed, read the pointer in frame pixels and hit-test it, with both button states,
// against the mouse zones.
#include <cstdint>

#include "screens/mouse_zones.h"

extern int32_t iMouseX;
extern int32_t iMouseY;

// Sets iMouseX and iMouseY: the pointer in frame pixels, (0, 0) at the top-left of the 1024 x 768
// client area, in the window and in full screen alike.
void vPollMouse();

// The click cycle's look at the mouse: the next press to act on after `guard` (bTakePress), hit
// tested at its position with the buttons down then; true with the zone's name when one was hit.
// iMouseX and iMouseY become the press's position. A screen that widens its targets for a finger
// passes `chooseTapped`: for a tap it names the zone taken, or gives false to hit-test as a click.
using TapChooser = bool (*)(int x, int y, char name[kZoneNameSize]);
bool bPollZone(char name[kZoneNameSize], uint32_t guard, TapChooser chooseTapped = nullptr);

// Case-insensitive comparison of a zone name with a name the screen knows.
bool bZoneIs(const char* name, const char* known);

// True at most once every 16 ms: screens draw and present a frame only then, however often
// their passes wake (PassWait). Keeps a screen at about 60 frames a second at the most.
bool bFrameDue();

// The lit button of a menu: its first one as it opens (wherever the pointer rests), then where
// the keys move it or the pointer went over one. The pointer lights a button only by moving, so
// that it does not take the light back from the keys while it rests.
struct MenuLight {
  MenuLight();
  int lit = 0;
  int32_t pointerX, pointerY;  // where the pointer was last looked at
};
// True when the pointer moved onto another of the named zones, which is now lit.
bool bFollowPointer(MenuLight& light, const char* const* zones, int count);

// While one lives (a menu is up), the pointer's moves wake the game thread.
struct PointerMotionWanted {
  PointerMotionWanted();
  ~PointerMotionWanted();
  PointerMotionWanted(const PointerMotionWanted&) = delete;
  PointerMotionWanted& operator=(const PointerMotionWanted&) = delete;
};

// The pause that ends each pass of a screen loop. The game thread sleeps until the player does
// something (the main thread wakes it) or until the earliest moment at which the screen would act
// by itself, so an untouched screen wakes a few times a second rather than every millisecond.
// Made at the start of a pass, before anything is stepped or drawn; deadlines that had passed by
// then are the pass's own business and are not waited for.
class PassWait {
 public:
  PassWait();
  void After(uint32_t deadline);  // until bTimeAfter(now, deadline) holds
  void At(uint32_t limit);        // until bTimeReached(now, limit) holds
  // bFrameDue(); when no frame is due yet, the pass also wakes once one is.
  bool FrameDue();
  void Wait() const;
  uint32_t Start() const { return start_; }

 private:
  void Until(uint32_t moment);
  uint32_t start_;
  uint32_t wakeAt_;
};
