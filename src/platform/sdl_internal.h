#pragma once
// Shared between the platform's own SDL files only.
#include <SDL.h>

// The game window, or null before it exists.
SDL_Window* PlatformSdlWindow();

// Copies the latest presented frame into the texture when it changed since `lastSeen` (or when
// `force`); true when the texture was updated.
bool PlatformUploadFrame(SDL_Texture* texture, uint64_t& lastSeen, bool force);
