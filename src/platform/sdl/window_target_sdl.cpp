#include "platform/sdl/sdl_internal.h"

SDL_Surface* PlatformWindowTarget(SDL_Window* window) {
  return SDL_GetWindowSurface(window);  // renewed by SDL after a size change
}

void PlatformPushToWindow(SDL_Window* window, const std::vector<SDL_Rect>& drawn) {
  SDL_UpdateWindowSurfaceRects(window, drawn.data(), static_cast<int>(drawn.size()));
}
