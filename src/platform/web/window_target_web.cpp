#include "platform/sdl/sdl_internal.h"

// The page's side, in library_tavimora.js.
extern "C" void tv_web_push_rects(void* pixels, int w, int h, const SDL_Rect* rects, int count);

namespace {
SDL_Surface* gTarget = nullptr;
}  // namespace

SDL_Surface* PlatformWindowTarget(SDL_Window* window) {
  int w = 0, h = 0;
  SDL_GetWindowSizeInPixels(window, &w, &h);  // the canvas, at the device's pixel ratio
  if (w <= 0 || h <= 0) return nullptr;
  if (gTarget != nullptr && gTarget->w == w && gTarget->h == h) return gTarget;
  SDL_FreeSurface(gTarget);
  // The canvas's own byte order, R, G, B, A, so that rows copy straight into its image.
  gTarget = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_ABGR8888);
  return gTarget;
}

void PlatformPushToWindow(SDL_Window* /*window*/, const std::vector<SDL_Rect>& drawn) {
  if (gTarget == nullptr || drawn.empty()) return;
  // Only the drawn rectangles are copied out of the program's memory and put on the canvas.
  tv_web_push_rects(gTarget->pixels, gTarget->w, gTarget->h, drawn.data(),
                    static_cast<int>(drawn.size()));
}
