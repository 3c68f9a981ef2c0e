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

// vPollMouse, then the hit test with the current buttons; true with the zone's name when one was hit.
bool bPollZone(char name[kZoneNameSize]);

// Case-insensitive comparison of a zone name with a name the screen knows.
bool bZoneIs(const char* name, const char* known);

// True at most once every 16 ms: screens draw and present a frame only then, and poll the
// mouse, the clock and their flags on every 1 ms pass in between. Keeps a screen at about 60
// frames a second instead of drawing as fast as the processor allows.
bool bFrameDue();
