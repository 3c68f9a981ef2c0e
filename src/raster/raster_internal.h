#pragma once
// Shared state of the raster library, for its own source files (blocks, prepared blocks, PCX).
#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/picture_memory.h"

#include "raster/raster.h"

// A buffer's pixel format, size and clip rectangle. Rows are stored top-down: pixel (x, y) is at
// pixels + y * stride + x * bytesPerPixel.
struct RasterLayout {
  int depth = 0;
  int bytesPerPixel = 0;
  int stride = 0;
  int width = 0;
  int height = 0;
  int clipMinX = 0, clipMaxX = -1, clipMinY = 0, clipMaxY = -1;
};

// One buffer slot.
struct RasterSlot : RasterLayout {
  PictureBytes memory;  // null marks the slot free
};

// The active buffer as the drawing code sees it (a copy of its slot's layout).
struct RasterTarget : RasterLayout {
  uint8_t* pixels = nullptr;  // null: no buffer active

  uint8_t* Row(int y) const { return pixels + static_cast<ptrdiff_t>(y) * stride; }
  uint8_t* At(int x, int y) const { return Row(y) + static_cast<ptrdiff_t>(x) * bytesPerPixel; }
};

// An inclusive rectangle after clipping; empty when minX > maxX or minY > maxY.
struct RasterRect {
  int minX, maxX, minY, maxY;
  bool Empty() const { return minX > maxX || minY > maxY; }
};

struct RasterState {
  RasterSlot slots[kRasterMaxBuffers];
  int active = -1;
  RasterTarget target;
  int newBufferDepth = 8;
  uint32_t color = 0;
  int posX = 0, posY = 0;
  uint8_t palette[256][3] = {};
  uint32_t paletteTable[256] = {};  // palette converted to the active depth
  void* windowDC = nullptr;
  bool lowColorDesktop = false;
};

RasterState& Raster();

int RasterBytesPerPixel(int depth);

// 0x00RRGGBB, 0xRRGGBB or RGB 5-6-5 for 32, 24 and 16 bits (components 0..255).
inline uint32_t RasterPackRgb(int depth, uint32_t r, uint32_t g, uint32_t b) {
  if (depth == 16) return ((r & 0xF8) << 8) | ((g >> 2) << 5) | (b >> 3);
  return (r << 16) | (g << 8) | b;
}

// The clip rectangle of the active buffer, kept inside the buffer.
RasterRect RasterClipInsideBuffer(const RasterTarget& t);

// Installs palette entries first .. first + count - 1 from red, green, blue triples and updates
// the converted table.
void RasterSetPaletteEntries(int first, int count, const uint8_t* rgb);

// Rows of a block placed with its lower-left corner at (px, py), clipped to `area`: block rows
// firstRow .. lastRow (row 0 is the bottom one, at y = py) and block columns firstCol .. lastCol.
struct BlockSpan {
  int firstRow, lastRow, firstCol, lastCol;
  bool Empty() const { return firstRow > lastRow || firstCol > lastCol; }
};
BlockSpan RasterClipBlock(int px, int py, int width, int height, const RasterRect& area);

// n packed 3-byte pixels to 4-byte ones (the fourth byte 0). Reads never pass the last pixel.
void RasterExpandRow(const uint8_t* src, uint8_t* dst, int n);
