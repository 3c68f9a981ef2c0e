#include "pcx_writer.h"

#include "contentgen/pcx_rle.h"
#include "util/little_endian.h"

namespace {
void Put16(std::string& s, size_t at, int v) { WriteLe16(s.data() + at, static_cast<uint16_t>(v)); }

PcxImage Frame(int w, int h, int planes, int bits, int bytesPerLine) {
  PcxImage s;
  s.planes = planes;
  s.bitsPerPixel = bits;
  s.xmax = w - 1;
  s.ymax = h - 1;
  s.bytesPerLine = bytesPerLine;
  s.lines.assign(size_t(planes) * bytesPerLine * h, 0);
  return s;
}

// Sets bit x (most significant first) of a plane.
void SetBit(uint8_t* plane, int x) { plane[x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8)); }

// Bytes per line as writers choose them: whole bytes, rounded up to an even count.
int EvenBytes(int bits) { return ((bits + 15) / 16) * 2; }
}  // namespace

void SetEntry(uint8_t* palette, int i, uint32_t rgb) {
  palette[3 * i] = static_cast<uint8_t>(rgb >> 16);
  palette[3 * i + 1] = static_cast<uint8_t>(rgb >> 8);
  palette[3 * i + 2] = static_cast<uint8_t>(rgb);
}

std::string EncodePcx(const PcxImage& image) {
  std::string s(128, '\0');
  s[0] = 10;
  s[1] = static_cast<char>(image.version);
  s[2] = 1;
  s[3] = static_cast<char>(image.bitsPerPixel);
  Put16(s, 4, image.xmin);
  Put16(s, 6, image.ymin);
  Put16(s, 8, image.xmax);
  Put16(s, 10, image.ymax);
  for (size_t i = 0; i < 48; ++i) s[16 + i] = static_cast<char>(image.headerPalette[i]);
  s[65] = static_cast<char>(image.planes);
  Put16(s, 66, image.bytesPerLine);
  size_t lineBytes = size_t(image.planes) * image.bytesPerLine;
  if (image.runsCrossLines || lineBytes == 0 || image.lines.size() % lineBytes != 0) {
    contentgen::AppendRle(image.lines.data(), image.lines.size(), s);
  } else {
    for (size_t at = 0; at < image.lines.size(); at += lineBytes) {
      contentgen::AppendRle(image.lines.data() + at, lineBytes, s);
    }
  }
  if (image.tailPalette) {
    s.push_back(static_cast<char>(image.tailMarker));
    s.append(reinterpret_cast<const char*>(image.palette.data()), image.palette.size());
  }
  return s;
}

PcxImage RgbPcx(int w, int h, const std::vector<uint32_t>& rgb) {
  int bpl = EvenBytes(8 * w);
  PcxImage s = Frame(w, h, 3, 8, bpl);
  for (int y = 0; y < h; ++y) {
    uint8_t* line = s.lines.data() + size_t(y) * 3 * bpl;
    for (int x = 0; x < w; ++x) {
      uint32_t c = rgb[size_t(y) * w + x];
      line[x] = static_cast<uint8_t>(c >> 16);
      line[bpl + x] = static_cast<uint8_t>(c >> 8);
      line[2 * bpl + x] = static_cast<uint8_t>(c);
    }
  }
  return s;
}

PcxImage IndexedPcx(int w, int h, const std::vector<uint8_t>& index) {
  int bpl = EvenBytes(8 * w);
  PcxImage s = Frame(w, h, 1, 8, bpl);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) s.lines[size_t(y) * bpl + x] = index[size_t(y) * w + x];
  }
  return s;
}

PcxImage Planar16Pcx(int w, int h, const std::vector<uint8_t>& index) {
  int bpl = EvenBytes(w);
  PcxImage s = Frame(w, h, 4, 1, bpl);
  for (int y = 0; y < h; ++y) {
    uint8_t* line = s.lines.data() + size_t(y) * 4 * bpl;
    for (int x = 0; x < w; ++x) {
      for (int p = 0; p < 4; ++p) {
        if (index[size_t(y) * w + x] & (1 << p)) SetBit(line + p * bpl, x);
      }
    }
  }
  return s;
}

PcxImage MonoPcx(int w, int h, const std::vector<uint8_t>& bit) {
  int bpl = EvenBytes(w);
  PcxImage s = Frame(w, h, 1, 1, bpl);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (bit[size_t(y) * w + x]) SetBit(s.lines.data() + size_t(y) * bpl, x);
    }
  }
  return s;
}
