#include <emscripten.h>

#include "platform/sdl/sdl_internal.h"

// The page's JavaScript written in here names its arguments $0, $1... (and has no comma outside
// brackets, which the macro would take for the end of its code).
#pragma clang diagnostic ignored "-Wdollar-in-identifier-extension"

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
  MAIN_THREAD_EM_ASM({
    var canvas = Module['canvas'];
    var pixels = $0;
    var w = $1;
    var h = $2;
    var rects = $3 >> 2;
    var count = $4;
    var show = Module['tvShow'] || (Module['tvShow'] = {});
    if (canvas.width !== w || canvas.height !== h) return;  // a size change is on its way
    if (show.canvas !== canvas) {
      show.canvas = canvas;
      show.ctx = canvas.getContext('2d');
      show.image = null;
    }
    if (!show.image || show.image.width !== w || show.image.height !== h) {
      show.image = show.ctx.createImageData(w, h);
    }
    var data = show.image.data;
    for (var i = 0; i < count; ++i) {
      var x = HEAP32[rects + 4 * i];
      var y = HEAP32[rects + 4 * i + 1];
      var rw = HEAP32[rects + 4 * i + 2];
      var rh = HEAP32[rects + 4 * i + 3];
      for (var row = y; row < y + rh; ++row) {
        var at = (row * w + x) * 4;
        data.set(HEAPU8.subarray(pixels + at, pixels + at + rw * 4), at);
      }
      show.ctx.putImageData(show.image, 0, 0, x, y, rw, rh);
    }
  }, gTarget->pixels, gTarget->w, gTarget->h, drawn.data(), static_cast<int>(drawn.size()));
}
