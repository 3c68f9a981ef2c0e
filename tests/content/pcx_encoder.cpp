#include "pcx_encoder.h"

#include <vector>

#include "contentgen/pcx_rle.h"
#include "util/little_endian.h"

namespace {
void PutLe16(std::string& s, size_t at, int v) {
  WriteLe16(s.data() + at, static_cast<uint16_t>(v));
}
}  // namespace

std::string EncodePcx24(int width, int height, const PixelColour& colour, int xmin, int ymin) {
  const int bytesPerLine = (width + 1) & ~1;  // even, as the format asks
  std::string file(128, '\0');
  file[0] = 10;  // manufacturer
  file[1] = 5;   // version
  file[2] = 1;   // run-length encoding
  file[3] = 8;   // bits per pixel per plane
  PutLe16(file, 4, xmin);
  PutLe16(file, 6, ymin);
  PutLe16(file, 8, xmin + width - 1);
  PutLe16(file, 10, ymin + height - 1);
  file[65] = 3;  // planes: red, green, blue
  PutLe16(file, 66, bytesPerLine);
  for (int y = 0; y < height; ++y) {
    for (int shift : {16, 8, 0}) {
      std::vector<uint8_t> plane(bytesPerLine, 0);
      for (int x = 0; x < width; ++x) plane[x] = static_cast<uint8_t>(colour(x, y) >> shift);
      contentgen::AppendRle(plane.data(), plane.size(), file);  // plane by plane
    }
  }
  return file;
}

std::string SolidPcx(int width, int height, uint32_t rgb) {
  return EncodePcx24(width, height, [rgb](int, int) { return rgb; });
}
