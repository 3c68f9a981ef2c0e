// Writes the seed pictures of the PCX fuzz target: pcx_seeds <folder>.
#include <cstdio>
#include <random>
#include <string>

#include "pcx_writer.h"
#include "support/temp_dir.h"

namespace {
std::vector<uint8_t> Bytes(size_t n, unsigned seed, int modulo) {
  std::mt19937 rng(seed);
  std::vector<uint8_t> v(n);
  // Short runs of equal bytes, so the coder makes runs as well as plain bytes.
  for (size_t i = 0; i < n; ++i) v[i] = (i > 0 && rng() % 3 == 0) ? v[i - 1] : rng() % modulo;
  return v;
}

void Write(const std::string& folder, const char* name, const std::string& bytes) {
  WriteWholeFile(folder + "/" + name, bytes);
}
}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: pcx_seeds <folder>\n");
    return 2;
  }
  std::string dir = argv[1];
  std::vector<uint32_t> rgb;
  for (uint8_t b : Bytes(13 * 5, 1, 256)) rgb.push_back(0x010203u * b);
  PcxImage colour = RgbPcx(13, 5, rgb);
  colour.runsCrossLines = true;
  Write(dir, "rgb_13x5.pcx", EncodePcx(colour));

  PcxImage indexed = IndexedPcx(9, 4, Bytes(36, 2, 256));
  indexed.tailPalette = true;
  for (size_t i = 0; i < indexed.palette.size(); ++i) indexed.palette[i] = uint8_t(i * 7);
  Write(dir, "indexed_9x4.pcx", EncodePcx(indexed));
  indexed.tailMarker = 0;
  Write(dir, "indexed_no_marker.pcx", EncodePcx(indexed));

  PcxImage planar = Planar16Pcx(11, 3, Bytes(33, 3, 16));
  for (size_t i = 0; i < 48; ++i) planar.headerPalette[i] = uint8_t(i * 5);
  Write(dir, "planar16_11x3.pcx", EncodePcx(planar));
  Write(dir, "mono_17x2.pcx", EncodePcx(MonoPcx(17, 2, Bytes(34, 4, 2))));

  std::string whole = EncodePcx(IndexedPcx(8, 6, Bytes(48, 5, 200)));
  Write(dir, "truncated.pcx", whole.substr(0, 128 + 20) + "\xC7");

  PcxImage narrow = IndexedPcx(40, 3, Bytes(120, 6, 256));
  narrow.bytesPerLine = 3;
  narrow.lines.resize(9);
  Write(dir, "short_lines.pcx", EncodePcx(narrow));

  PcxImage huge = RgbPcx(2, 2, {1, 2, 3, 4});
  huge.xmax = huge.ymax = 0xFFFF;
  huge.runsCrossLines = true;
  Write(dir, "huge_size.pcx", EncodePcx(huge));

  PcxImage overlong = IndexedPcx(6, 3, Bytes(18, 7, 8));  // lines far longer than drawn
  overlong.planes = 2;
  overlong.bytesPerLine = 40000;
  overlong.lines.assign(size_t(2) * 40000 + 100, 5);  // one line and the start of the next
  overlong.runsCrossLines = true;
  Write(dir, "overlong_lines.pcx", EncodePcx(overlong));

  std::string runs = EncodePcx(IndexedPcx(4, 2, {1, 2, 4, 4, 4, 4, 4, 4})).substr(0, 128);
  Write(dir, "odd_runs.pcx", runs + std::string("\xC0\x05\x01\x02\xC6\x04\xC0\x00\xFF\x04", 10));
  return 0;
}
