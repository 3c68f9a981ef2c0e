#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <mutex>

#include "platform/display.h"
#include "platform/frame_fit.h"
#include "platform/picture_memory.h"
#include "platform/sdl/sdl_internal.h"
#include "platform/window.h"

namespace {
// The window frame as the game last presented it, 0x00RRGGBB, top row first.
std::mutex gFrameLock;
std::vector<uint32_t, PictureAllocator<uint32_t>> gFrame(static_cast<size_t>(kPlatformFrameWidth) * kPlatformFrameHeight, 0);
bool gFramePresented = false;
// The rectangles presented since the window last showed the frame; past a handful they are
// merged into the one rectangle around them all.
std::vector<PixelRect> gChanged;
constexpr size_t kMaxChangedRects = 16;
std::atomic<uint64_t> gPresentCount{0};
std::atomic<uint64_t> gPresentedPixels{0};
std::atomic<uint64_t> gShownPixels{0};

uint32_t From16(uint16_t v) {
  uint32_t r = (v >> 11) & 0x1F, g = (v >> 5) & 0x3F, b = v & 0x1F;
  r = (r * 255 + 15) / 31;
  g = (g * 255 + 31) / 63;
  b = (b * 255 + 15) / 31;
  return (r << 16) | (g << 8) | b;
}

void CopyRow(const uint8_t* src, int bytesPerPixel, int w, uint32_t* dst) {
  switch (bytesPerPixel) {
    case 4:  // the raster library keeps the fourth byte 0, so rows copy as they are
      std::memcpy(dst, src, static_cast<size_t>(w) * 4);
      break;
    case 3:
      for (int x = 0; x < w; ++x) {
        const uint8_t* p = src + 3 * x;
        dst[x] = (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0];
      }
      break;
    case 2:
      for (int x = 0; x < w; ++x) {
        uint16_t v;
        std::memcpy(&v, src + 2 * x, 2);
        dst[x] = From16(v);
      }
      break;
    default:
      break;
  }
}
PixelRect Union(const PixelRect& a, const PixelRect& b) {
  const int x0 = std::min(a.x, b.x), y0 = std::min(a.y, b.y);
  const int x1 = std::max(a.x + a.w, b.x + b.w), y1 = std::max(a.y + a.h, b.y + b.h);
  return PixelRect{x0, y0, x1 - x0, y1 - y0};
}

// Called with the frame locked. The first change since the frame was last shown wakes the main
// thread, which may be waiting for events.
void NoteChanged(const PixelRect& rect) {
  if (gChanged.empty()) PlatformWakeMainThread();
  if (gChanged.size() < kMaxChangedRects) {
    gChanged.push_back(rect);
    return;
  }
  PixelRect all = rect;
  for (const PixelRect& r : gChanged) all = Union(all, r);
  gChanged.assign(1, all);
}

bool SurfaceIsXrgb(const SDL_Surface* s) {
  return s->format->BytesPerPixel == 4 && s->format->Rmask == 0xFF0000 &&
         s->format->Gmask == 0xFF00 && s->format->Bmask == 0xFF;
}

// Writes the drawable area `area` of the frame shown at `fit` into the surface. Called with the
// frame locked and the surface locked.
void DrawArea(SDL_Surface* target, const PixelRect& fit, const PixelRect& area,
              std::vector<uint32_t>& staging) {
  if (SurfaceIsXrgb(target)) {
    auto* out = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(target->pixels) +
                                            static_cast<ptrdiff_t>(area.y) * target->pitch) + area.x;
    ScaleFrameArea(gFrame.data(), kPlatformFrameWidth, kPlatformFrameHeight, fit, area, out,
                   target->pitch / 4);
    return;
  }
  staging.resize(static_cast<size_t>(area.w) * area.h);
  ScaleFrameArea(gFrame.data(), kPlatformFrameWidth, kPlatformFrameHeight, fit, area,
                 staging.data(), area.w);
  uint8_t* out = static_cast<uint8_t*>(target->pixels) +
                 static_cast<ptrdiff_t>(area.y) * target->pitch +
                 static_cast<ptrdiff_t>(area.x) * target->format->BytesPerPixel;
  SDL_ConvertPixels(area.w, area.h, SDL_PIXELFORMAT_XRGB8888, staging.data(), area.w * 4,
                    target->format->format, out, target->pitch);
}
}  // namespace

void PlatformPresent(const PlatformFrame& frame, int srcX, int srcY, int w, int h, int dstX,
                     int dstY) {
  if (w <= 0 || h <= 0) return;
  std::lock_guard<std::mutex> lock(gFrameLock);
  for (int row = 0; row < h; ++row) {
    const uint8_t* src = frame.pixels + static_cast<ptrdiff_t>(srcY + row) * frame.pitchBytes +
                         static_cast<ptrdiff_t>(srcX) * frame.bytesPerPixel;
    uint32_t* dst = gFrame.data() + static_cast<size_t>(dstY + row) * kPlatformFrameWidth + dstX;
    CopyRow(src, frame.bytesPerPixel, w, dst);
  }
  gFramePresented = true;
  NoteChanged(PixelRect{dstX, dstY, w, h});
  gPresentCount.fetch_add(1, std::memory_order_relaxed);
  gPresentedPixels.fetch_add(static_cast<uint64_t>(w) * h, std::memory_order_relaxed);
}

int PlatformDesktopBitsPerPixel() {
  SDL_DisplayMode mode;
  if (SDL_WasInit(SDL_INIT_VIDEO) == 0 || SDL_GetDesktopDisplayMode(0, &mode) != 0) return 32;
  int bytes = SDL_BYTESPERPIXEL(mode.format);
  if (bytes == 4) return 32;
  if (bytes == 3) return 24;
  return 16;
}

namespace {
std::atomic<int> gDepthLimit{0};

Uint32 FormatForDepth(int depth) {
  switch (depth) {
    case 16: return SDL_PIXELFORMAT_RGB565;
    case 24: return SDL_PIXELFORMAT_RGB24;
    default: return SDL_PIXELFORMAT_XRGB8888;
  }
}
}  // namespace

int PlatformSetDisplayMode(int width, int height, int depth, bool fullScreen) {
  SDL_Window* window = PlatformSdlWindow();
  if (window == nullptr) return 0;  // no window yet: nothing to change
  if (depth == 0) return SDL_SetWindowFullscreen(window, 0) == 0 ? 0 : -1;
  if (!fullScreen) return 0;
  const int limit = gDepthLimit.load(std::memory_order_relaxed);
  if (limit != 0 && depth > limit) return -1;
  SDL_DisplayMode wanted{FormatForDepth(depth), width, height, 0, nullptr};
  SDL_DisplayMode closest;
  const bool found = SDL_GetClosestDisplayMode(0, &wanted, &closest) != nullptr &&
                     closest.w == width && closest.h == height;
  if (found && SDL_BITSPERPIXEL(closest.format) < SDL_BITSPERPIXEL(wanted.format)) return -1;
  if (found && SDL_SetWindowDisplayMode(window, &closest) == 0 &&
      SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) == 0) {
    return 0;
  }
  // A display that cannot change modes (Wayland, or no mode of that size) shows the frame
  // scaled over the whole desktop instead.
  return SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0 ? 0 : -1;
}

void PlatformLimitDisplayDepth(int bits) { gDepthLimit.store(bits, std::memory_order_relaxed); }

bool PlatformLastPresented(std::vector<uint32_t>& rgb, int& width, int& height) {
  std::lock_guard<std::mutex> lock(gFrameLock);
  if (!gFramePresented) return false;
  rgb.assign(gFrame.begin(), gFrame.end());
  width = kPlatformFrameWidth;
  height = kPlatformFrameHeight;
  return true;
}

bool PlatformDrawLatestFrame(SDL_Surface* target, bool all, std::vector<SDL_Rect>& drawn) {
  drawn.clear();
  const PixelRect fit = FitFrame(target->w, target->h, kPlatformFrameWidth, kPlatformFrameHeight);
  std::lock_guard<std::mutex> lock(gFrameLock);
  if (!all && gChanged.empty()) return false;
  if (all) gChanged.assign(1, PixelRect{0, 0, kPlatformFrameWidth, kPlatformFrameHeight});
  static std::vector<uint32_t> staging;
  if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
  if (all) SDL_FillRect(target, nullptr, SDL_MapRGB(target->format, 0, 0, 0));  // the bars
  for (const PixelRect& changed : gChanged) {
    const PixelRect area = ScaledArea(fit, kPlatformFrameWidth, kPlatformFrameHeight, changed);
    if (area.w <= 0 || area.h <= 0) continue;
    DrawArea(target, fit, area, staging);
    drawn.push_back(SDL_Rect{area.x, area.y, area.w, area.h});
  }
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  gChanged.clear();
  if (all) drawn.assign(1, SDL_Rect{0, 0, target->w, target->h});
  for (const SDL_Rect& r : drawn) {
    gShownPixels.fetch_add(static_cast<uint64_t>(r.w) * r.h, std::memory_order_relaxed);
  }
  return !drawn.empty();
}

uint64_t PlatformPresentCount() { return gPresentCount.load(std::memory_order_relaxed); }

uint64_t PlatformPresentedPixels() { return gPresentedPixels.load(std::memory_order_relaxed); }

uint64_t PlatformShownPixels() { return gShownPixels.load(std::memory_order_relaxed); }
