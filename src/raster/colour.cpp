// Colour conversion and single pixels.
#include <algorithm>
#include <cstring>

#include "raster/raster.h"
#include "raster/raster_internal.h"

namespace {
// The depth colours are converted for: the active buffer's, else that of new buffers.
int iColourDepth() {
  const RasterState& st = Raster();
  return st.target.pixels ? st.target.depth : st.newBufferDepth;
}

uint32_t NearestPaletteIndex(int r, int g, int b) {
  const RasterState& st = Raster();
  uint32_t best = 0;
  int bestDistance = 1 << 30;
  for (int i = 0; i < 256; ++i) {
    int dr = st.palette[i][0] - r, dg = st.palette[i][1] - g, db = st.palette[i][2] - b;
    int distance = dr * dr + dg * dg + db * db;
    if (distance < bestDistance) {  // strictly smaller: the lowest index wins a tie
      bestDistance = distance;
      best = static_cast<uint32_t>(i);
    }
  }
  return best;
}

// A 5- or 6-bit field widened to 0..255, rounded to nearest.
int iWiden(uint32_t field, uint32_t maxField) {
  return static_cast<int>((field * 255 + maxField / 2) / maxField);
}

void vStorePixel(uint8_t* p, int bytesPerPixel, uint32_t value) {
  for (int i = 0; i < bytesPerPixel; ++i) p[i] = static_cast<uint8_t>(value >> (8 * i));
}
}  // namespace

uint32_t MakeColor(int red, int green, int blue) {
  red = std::clamp(red, 0, 255);
  green = std::clamp(green, 0, 255);
  blue = std::clamp(blue, 0, 255);
  int depth = iColourDepth();
  if (depth == 8) return NearestPaletteIndex(red, green, blue);
  return RasterPackRgb(depth, static_cast<uint32_t>(red), static_cast<uint32_t>(green),
                       static_cast<uint32_t>(blue));
}

int SplitColor(uint32_t pixel, int* red, int* green, int* blue) {
  int depth = iColourDepth();
  if (depth == 8 || !red || !green || !blue) return 0;
  if (depth == 16) {
    *red = iWiden((pixel >> 11) & 0x1F, 31);
    *green = iWiden((pixel >> 5) & 0x3F, 63);
    *blue = iWiden(pixel & 0x1F, 31);
    return 0;
  }
  *red = static_cast<int>((pixel >> 16) & 0xFF);
  *green = static_cast<int>((pixel >> 8) & 0xFF);
  *blue = static_cast<int>(pixel & 0xFF);
  return 0;
}

int SetColor(uint32_t pixel) {
  RasterState& st = Raster();
  int depth = iColourDepth();
  if (depth == 16) {
    pixel &= 0xFFFF;
    pixel |= pixel << 16;  // two pixels in one word
  } else if (depth == 8) {
    pixel &= 0xFF;
    pixel *= 0x01010101u;  // four pixels in one word
  }
  st.color = pixel;
  return 0;
}

uint32_t GetPixel(int x, int y) {
  const RasterTarget& t = Raster().target;
  if (!t.pixels || x < 0 || y < 0 || x >= t.width || y >= t.height) return 0;
  const uint8_t* p = t.At(x, y);
  uint32_t value = 0;
  // The fourth byte of a 32-bit pixel is always 0 in our buffers, but only colour is returned.
  int bytes = std::min(t.bytesPerPixel, 3);
  for (int i = 0; i < bytes; ++i) value |= uint32_t{p[i]} << (8 * i);
  return value;
}

int PutPixel(int x, int y) {
  const RasterState& st = Raster();
  const RasterTarget& t = st.target;
  if (!t.pixels) return 0;
  RasterRect clip = RasterClipInsideBuffer(t);
  if (x < clip.minX || x > clip.maxX || y < clip.minY || y > clip.maxY) return 0;
  uint32_t value = st.color;
  if (t.depth == 32) value &= 0x00FFFFFF;
  vStorePixel(t.At(x, y), t.bytesPerPixel, value);
  return 0;
}
