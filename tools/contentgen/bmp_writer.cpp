#include "bmp_writer.h"

#include "art_tiles.h"
#include "canvas.h"

namespace contentgen {
namespace {

void Put(std::vector<uint8_t>& v, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) v.push_back(uint8_t(value >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const Image& image) {
  uint32_t rowBytes = uint32_t(image.width * 3 + 3) & ~3u;
  uint32_t dataBytes = rowBytes * uint32_t(image.height);
  std::vector<uint8_t> out;
  out.insert(out.end(), {'B', 'M'});
  Put(out, 54 + dataBytes, 4);
  Put(out, 0, 4);
  Put(out, 54, 4);
  Put(out, 40, 4);  // BITMAPINFOHEADER
  Put(out, uint32_t(image.width), 4);
  Put(out, uint32_t(image.height), 4);  // positive: rows bottom-up
  Put(out, 1, 2);
  Put(out, 24, 2);
  Put(out, 0, 4);
  Put(out, dataBytes, 4);
  Put(out, 2835, 4);
  Put(out, 2835, 4);
  Put(out, 0, 4);
  Put(out, 0, 4);
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
