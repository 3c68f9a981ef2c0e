#pragma once
// Video set-up at start-up: the frame stack at the first depth that works, the frame buffer, and
// every image loaded. False (after telling the user) when the game cannot draw.
bool bInitVideo(void* window);
