#include "bmp_writer.h"

#include "art_tiles.h"
#include "canvas.h"
#include "util/little_endian.h"

namespace contentgen {

std::vector<uint8_t> EncodeBmp24(const Image& image) {
  uint32_t rowBytes = uint32_t(image.width * 3 + 3) & ~3u;
  uint32_t dataBytes = rowBytes * uint32_t(image.height);
  std::vector<uint8_t> out = {'B', 'M'};
  AppendLe32(out, 54 + dataBytes);
  AppendLe32(out, 0);
  AppendLe32(out, 54);
  AppendLe32(out, 40);  // BITMAPINFOHEADER
  AppendLe32(out, uint32_t(image.width));
  AppendLe32(out, uint32_t(image.height));  // positive: rows bottom-up
  AppendLe16(out, 1);
  AppendLe16(out, 24);
  AppendLe32(out, 0);
  AppendLe32(out, dataBytes);
  AppendLe32(out, 2835);
  AppendLe32(out, 2835);
  AppendLe32(out, 0);
  AppendLe32(out, 0);
  for (int y = image.height - 1; y >= 0; --y) {
    size_t start = out.size();
    for (int x = 0; x < image.width; ++x) {
      const Rgb& c = image.at(x, y);
      out.insert(out.end(), {c.b, c.g, c.r});
    }
    out.resize(start + rowBytes, 0);
  }
  return out;
}

void PaintIcon(cairo_t* cr, int size) {
  double scale = size / double(kTileHeight) * 0.98;
  cairo_translate(cr, (size - kTileWidth * scale) / 2, 0);
  cairo_scale(cr, scale, scale);
  PaintTileBody(cr);
  PaintTileFace(cr, 1);
}

Image MakeIcon(int size) {
  Canvas c(size, size);
  PaintIcon(c.cr(), size);
  return c.Masked({20, 30, 26});
}

}  // namespace contentgen
