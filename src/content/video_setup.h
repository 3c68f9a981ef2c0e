#pragma once
// Video set-up at start-up: the frame stack at the first depth that works, the frame buffer, and
// every image loaded. False (after telling the user) when the game cannot draw.
// `vTitleLoaded`, when given, is called as soon as the title picture is loaded, before the other
// images; whenever the result is true it has been called.
bool bInitVideo(void* window, void (*vTitleLoaded)() = nullptr);
