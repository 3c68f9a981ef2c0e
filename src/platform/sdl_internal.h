#pragma once
// Shared between the platform's own SDL files only.
#include <SDL.h>

// The game window, or null before it exists.
SDL_Window* PlatformSdlWindow();

// Copies the latest presented frame into the surface (converting to its pixel format) when it
// changed since `lastSeen` (or when `force`); true when the surface was updated.
bool PlatformCopyLatestFrame(SDL_Surface* target, uint64_t& lastSeen, bool force);
