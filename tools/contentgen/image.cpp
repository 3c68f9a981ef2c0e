#include "image.h"

#include <algorithm>
#include <set>

namespace contentgen {
namespace {

struct Argb {
  double a, r, g, b;  // premultiplied, 0..255
};

Argb ReadPixel(const unsigned char* data, int stride, int x, int y) {
  uint32_t v = *reinterpret_cast<const uint32_t*>(data + size_t(y) * stride + size_t(x) * 4);
  return {double(v >> 24), double((v >> 16) & 255), double((v >> 8) & 255), double(v & 255)};
}

uint8_t ToByte(double v) { return uint8_t(std::clamp(v + 0.5, 0.0, 255.0)); }

// An image of the surface's size whose pixels `convert` sets from the surface's (those it leaves
// alone stay transparent).
template <typename Convert>
Image ConvertSurface(cairo_surface_t* surface, Convert convert) {
  cairo_surface_flush(surface);
  int w = cairo_image_surface_get_width(surface);
  int h = cairo_image_surface_get_height(surface);
  int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  Image out(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) convert(ReadPixel(data, stride, x, y), out.at(x, y));
  }
  return out;
}

}  // namespace

Image ImageFromSurface(cairo_surface_t* surface) {
  return ConvertSurface(surface, [](const Argb& p, Rgb& out) {
    out = {ToByte(p.r), ToByte(p.g), ToByte(p.b)};
  });
}

Image MaskedImageFromSurface(cairo_surface_t* surface, Rgb matte, double threshold) {
  return ConvertSurface(surface, [&](const Argb& p, Rgb& out) {
    double cover = p.a / 255.0;
    if (cover < threshold || p.a == 0) return;
    double rest = 1.0 - cover;
    out = KeepVisible(
        {ToByte(p.r + rest * matte.r), ToByte(p.g + rest * matte.g), ToByte(p.b + rest * matte.b)});
  });
}

void BlitTransparent(Image& base, const Image& top, int x0, int y0) {
  for (int y = 0; y < top.height; ++y) {
    for (int x = 0; x < top.width; ++x) {
      int bx = x0 + x, by = y0 + y;
      if (bx < 0 || by < 0 || bx >= base.width || by >= base.height) continue;
      const Rgb& c = top.at(x, y);
      if (c == kTransparent) continue;
      base.at(bx, by) = c;
    }
  }
}

void BlitOpaque(Image& base, const Image& top, int x0, int y0) {
  for (int y = 0; y < top.height; ++y) {
    for (int x = 0; x < top.width; ++x) {
      int bx = x0 + x, by = y0 + y;
      if (bx < 0 || by < 0 || bx >= base.width || by >= base.height) continue;
      base.at(bx, by) = top.at(x, y);
    }
  }
}

int iCountColours(const Image& image, int limit) {
  std::set<uint32_t> seen;
  for (const Rgb& c : image.pixels) {
    seen.insert(uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b);
    if (int(seen.size()) > limit) break;
  }
  return int(seen.size());
}

bool bWritePng(const Image& image, const std::string& path) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
  unsigned char* data = cairo_image_surface_get_data(s);
  int stride = cairo_image_surface_get_stride(s);
  for (int y = 0; y < image.height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + size_t(y) * stride);
    for (int x = 0; x < image.width; ++x) {
      const Rgb& c = image.at(x, y);
      row[x] = 0xFF000000u | uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b;
    }
  }
  cairo_surface_mark_dirty(s);
  bool ok = cairo_surface_write_to_png(s, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(s);
  return ok;
}

}  // namespace contentgen
