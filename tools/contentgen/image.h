#pragma once
// A plain RGB picture as the generator hands it to the PCX writer, and the conversions from cairo
// surfaces. Pictures that the game draws with black as the transparent colour are flattened here:
// what lies outside the drawn shape becomes exactly (0, 0, 0), what lies inside is kept away from
// black so that it stays visible after a reduction to 16-bit colour.
#include <cstdint>
#include <string>
#include <vector>

#include <cairo.h>

namespace contentgen {

struct Rgb {
  uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

constexpr Rgb kTransparent{0, 0, 0};

struct Image {
  int width = 0;
  int height = 0;
  std::vector<Rgb> pixels;  // row by row from the top

  Image() = default;
  Image(int w, int h, Rgb fill = kTransparent) : width(w), height(h), pixels(size_t(w) * h, fill) {}
  Rgb& at(int x, int y) { return pixels[size_t(y) * width + x]; }
  const Rgb& at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

// True when the colour would turn into pure black (the transparent colour) in RGB565.
inline bool bVanishesIn565(Rgb c) { return c.r < 8 && c.g < 4 && c.b < 8; }

// Lifts a colour that would vanish in RGB565 to the darkest colour that survives.
inline Rgb KeepVisible(Rgb c) { return bVanishesIn565(c) ? Rgb{8, 8, 8} : c; }

// Opaque picture: the surface's colours as they are (alpha ignored after compositing on black).
Image ImageFromSurface(cairo_surface_t* surface);

// Transparent picture: pixels with coverage below `threshold` (0..1) become transparent; the
// others are composited over `matte` (the colour the edge will be seen against) and kept visible.
Image MaskedImageFromSurface(cairo_surface_t* surface, Rgb matte, double threshold = 0.5);

// Draws `top` over `base` at (x, y) with black as the transparent colour (as the game does).
void BlitTransparent(Image& base, const Image& top, int x, int y);
void BlitOpaque(Image& base, const Image& top, int x, int y);

// Counts the distinct colours of a picture (stops counting above `limit`).
int iCountColours(const Image& image, int limit);

// Writes the picture as a PNG file (for previews); false on failure.
bool bWritePng(const Image& image, const std::string& path);

}  // namespace contentgen
