#pragma once
// Shared between the platform's own SDL files only.
#include <SDL.h>

#include "platform/window.h"

// A key that went down (keys_sdl.cpp): the event it is (Escape, Enter, Backspace or any other)
// and its code (a PlatformKey).
PlatformEventKind PlatformSdlKeyKind(const SDL_Keysym& key);
int PlatformSdlKeyCode(const SDL_Keysym& key);

// Game controllers (pads_sdl.cpp): a pad plugged in or out is opened or closed (false: nothing for
// the game); a button or the left stick pushed becomes kEventPadButton. ClosePads lets go of all.
bool PlatformSdlTranslatePad(const SDL_Event& e, PlatformEvent& out);
void PlatformSdlClosePads();

// The game window, or null before it exists.
SDL_Window* PlatformSdlWindow();

// Tells the game that its picture is covered (kEventWindowCovered): a hidden window's event
// marked as such, so it keeps its place among the other window events.
void PlatformSdlPushCovered();

// Tells the game that fetched files have arrived (kEventFilesArrived); any thread.
void PlatformSdlPushFilesArrived();

#include <vector>

// Draws what was presented since the last call into the surface, the frame scaled to fit it
// (converting to its pixel format), and lists the surface rectangles it drew; `all` draws the
// whole surface, bars included. False when there was nothing to draw.
bool PlatformDrawLatestFrame(SDL_Surface* target, bool all, std::vector<SDL_Rect>& drawn);

// The surface the window's picture is drawn into, at the window's size in pixels (renewed after
// a size change), and pushing the rectangles drawn there to the screen. On the desktop it is the
// window's own surface; in a browser one of the canvas's size, since SDL's would ignore the
// device's pixel ratio and copy all of it each time.
SDL_Surface* PlatformWindowTarget(SDL_Window* window);
void PlatformPushToWindow(SDL_Window* window, const std::vector<SDL_Rect>& drawn);
