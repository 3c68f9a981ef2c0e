#pragma once
// The display behind the raster library: the latest presented frame, the desktop's depth and the
// display mode. Presenting never waits for the window: the game thread copies its rectangle into
// the platform's frame, and the main thread shows that frame in the window when it next can.
#include <cstdint>
#include <vector>

// A pixel buffer handed to the platform. `pixels` points at the top row; `pitchBytes` is the
// distance from one row to the row below (negative for bottom-up storage).
// Pixel formats: 4 bytes 0x00RRGGBB (little-endian B, G, R, 0), 3 bytes B, G, R, 2 bytes RGB 5-6-5.
struct PlatformFrame {
  const uint8_t* pixels;
  int width;
  int height;
  int pitchBytes;
  int bytesPerPixel;
};

constexpr int kPlatformFrameWidth = 1024;
constexpr int kPlatformFrameHeight = 768;

// Copies the w x h rectangle at (srcX, srcY) of the buffer to (dstX, dstY) of the 1024 x 768
// window frame, one to one. The caller has clipped both rectangles.
void PlatformPresent(const PlatformFrame& frame, int srcX, int srcY, int w, int h, int dstX,
                     int dstY);

// Bits per pixel of the desktop: 16, 24 or 32 (a 4-byte format counts as 32, a 15-bit one as 16).
int PlatformDesktopBitsPerPixel();

// Changes to a full-screen mode of that size and depth (0 = success), or with depth 0 restores
// the desktop mode.
int PlatformSetDisplayMode(int width, int height, int depth, bool fullScreen);

// For tests: from now on full-screen modes deeper than `bits` are refused, as by a display that
// lacks them (0, the start value: none is refused).
void PlatformLimitDisplayDepth(int bits);

// The latest presented frame as 0x00RRGGBB values, row by row from the top; false before the
// first present. Used by the main thread to show it and by tests to read it back.
bool PlatformLastPresented(std::vector<uint32_t>& rgb, int& width, int& height);

// How many presents have reached the platform so far, and how many pixels they carried.
uint64_t PlatformPresentCount();
uint64_t PlatformPresentedPixels();
// How many window pixels have been pushed to the screen so far (bars and scaling included).
uint64_t PlatformShownPixels();
