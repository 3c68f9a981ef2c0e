#include <SDL.h>

#include <atomic>
#include <cstring>
#include <mutex>

#include "platform/display.h"
#include "platform/sdl_internal.h"

namespace {
// The window frame as the game last presented it, 0x00RRGGBB, top row first.
std::mutex gFrameLock;
std::vector<uint32_t> gFrame(static_cast<size_t>(kPlatformFrameWidth) * kPlatformFrameHeight, 0);
bool gFramePresented = false;
std::atomic<uint64_t> gPresentCount{0};
std::atomic<uint64_t> gPresentedPixels{0};

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
  if (SDL_GetClosestDisplayMode(0, &wanted, &closest) == nullptr) return -1;
  if (closest.w != width || closest.h != height ||
      SDL_BITSPERPIXEL(closest.format) < SDL_BITSPERPIXEL(wanted.format)) {
    return -1;
  }
  if (SDL_SetWindowDisplayMode(window, &closest) != 0) return -1;
  return SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN) == 0 ? 0 : -1;
}

void PlatformLimitDisplayDepth(int bits) { gDepthLimit.store(bits, std::memory_order_relaxed); }

bool PlatformLastPresented(std::vector<uint32_t>& rgb, int& width, int& height) {
  std::lock_guard<std::mutex> lock(gFrameLock);
  if (!gFramePresented) return false;
  rgb = gFrame;
  width = kPlatformFrameWidth;
  height = kPlatformFrameHeight;
  return true;
}

bool PlatformCopyLatestFrame(SDL_Surface* target, uint64_t& lastSeen, bool force) {
  uint64_t count = gPresentCount.load(std::memory_order_relaxed);
  if (!force && count == lastSeen) return false;
  if (target->w < kPlatformFrameWidth || target->h < kPlatformFrameHeight) return false;
  std::lock_guard<std::mutex> lock(gFrameLock);
  lastSeen = gPresentCount.load(std::memory_order_relaxed);
  if (SDL_MUSTLOCK(target)) SDL_LockSurface(target);
  SDL_ConvertPixels(kPlatformFrameWidth, kPlatformFrameHeight, SDL_PIXELFORMAT_XRGB8888,
                    gFrame.data(), kPlatformFrameWidth * 4, target->format->format, target->pixels,
                    target->pitch);
  if (SDL_MUSTLOCK(target)) SDL_UnlockSurface(target);
  return true;
}

uint64_t PlatformPresentCount() { return gPresentCount.load(std::memory_order_relaxed); }

uint64_t PlatformPresentedPixels() { return gPresentedPixels.load(std::memory_order_relaxed); }
