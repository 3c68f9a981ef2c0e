#pragma once
// Shared between the platform's own SDL files only.
#include <SDL.h>

// The game window, or null before it exists.
SDL_Window* PlatformSdlWindow();

#include <vector>

// Draws what was presented since the last call into the surface, the frame scaled to fit it
// (converting to its pixel format), and lists the surface rectangles it drew; `all` draws the
// whole surface, bars included. False when there was nothing to draw.
bool PlatformDrawLatestFrame(SDL_Surface* target, bool all, std::vector<SDL_Rect>& drawn);
