#include "pcx_writer.h"

#include <algorithm>

#include "quantize.h"
#include "util/little_endian.h"

namespace contentgen {
namespace {

void Put16(std::vector<uint8_t>& v, size_t at, int value) { WriteLe16(v.data() + at, uint16_t(value)); }

std::vector<uint8_t> Header(const Image& image, int version, int bits, int planes,
                            const std::vector<Rgb>& palette) {
  std::vector<uint8_t> h(kPcxHeaderSize, 0);
  h[0] = 10;
  h[1] = uint8_t(version);
  h[2] = 1;
  h[3] = uint8_t(bits);
  Put16(h, 4, 0);
  Put16(h, 6, 0);
  Put16(h, 8, image.width - 1);
  Put16(h, 10, image.height - 1);
  Put16(h, 12, 72);
  Put16(h, 14, 72);
  for (size_t i = 0; i < 16 && i < palette.size(); ++i) {
    h[16 + 3 * i] = palette[i].r;
    h[17 + 3 * i] = palette[i].g;
    h[18 + 3 * i] = palette[i].b;
  }
  h[65] = uint8_t(planes);
  Put16(h, 66, iPcxBytesPerLine(image.width, bits));
  Put16(h, 68, 1);  // colour palette
  return h;
}

std::vector<uint8_t> Encode24(const Image& image) {
  std::vector<uint8_t> out = Header(image, 5, 8, 3, {});
  int bpl = iPcxBytesPerLine(image.width, 8);
  std::vector<uint8_t> line(size_t(bpl) * 3);
  for (int y = 0; y < image.height; ++y) {
    std::fill(line.begin(), line.end(), 0);
    for (int x = 0; x < image.width; ++x) {
      const Rgb& c = image.at(x, y);
      line[x] = c.r;
      line[bpl + x] = c.g;
      line[2 * bpl + x] = c.b;
    }
    AppendRle(line.data(), line.size(), out);
  }
  return out;
}

std::vector<uint8_t> Encode256(const Image& image) {
  PalettedImage p = Quantize(image, 256);
  std::vector<uint8_t> out = Header(image, 5, 8, 1, p.palette);
  int bpl = iPcxBytesPerLine(image.width, 8);
  std::vector<uint8_t> line(bpl);
  for (int y = 0; y < image.height; ++y) {
    std::fill(line.begin(), line.end(), 0);
    std::copy_n(p.indices.begin() + long(y) * image.width, image.width, line.begin());
    AppendRle(line.data(), line.size(), out);
  }
  out.push_back(12);
  for (int i = 0; i < 256; ++i) {
    Rgb c = size_t(i) < p.palette.size() ? p.palette[i] : kTransparent;
    out.insert(out.end(), {c.r, c.g, c.b});
  }
  return out;
}

// One bit per pixel per plane, most significant bit first; plane k holds bit k of the index.
std::vector<uint8_t> EncodeBitPlanes(const Image& image, int planes, int maxColours) {
  PalettedImage p = Quantize(image, maxColours);
  // Version 2: a header palette and no 256-colour palette to look for at the end.
  std::vector<uint8_t> out = Header(image, 2, 1, planes, p.palette);
  int bpl = iPcxBytesPerLine(image.width, 1);
  std::vector<uint8_t> line(size_t(bpl) * planes);
  for (int y = 0; y < image.height; ++y) {
    std::fill(line.begin(), line.end(), 0);
    for (int x = 0; x < image.width; ++x) {
      uint8_t index = p.indices[size_t(y) * image.width + x];
      for (int plane = 0; plane < planes; ++plane) {
        if (index >> plane & 1) line[size_t(plane) * bpl + x / 8] |= uint8_t(0x80 >> (x % 8));
      }
    }
    AppendRle(line.data(), line.size(), out);
  }
  return out;
}

}  // namespace

int iPcxBytesPerLine(int width, int bitsPerPixel) {
  int bytes = (width * bitsPerPixel + 7) / 8;
  return bytes + (bytes & 1);
}

std::vector<uint8_t> EncodePcx(const Image& image, PcxVariant variant) {
  switch (variant) {
    case PcxVariant::Rgb24: return Encode24(image);
    case PcxVariant::Indexed256: return Encode256(image);
    case PcxVariant::Planar16: return EncodeBitPlanes(image, 4, 16);
    case PcxVariant::Mono2: return EncodeBitPlanes(image, 1, 2);
  }
  return {};
}

}  // namespace contentgen
