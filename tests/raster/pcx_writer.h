#pragma once
// Builds PCX files for the tests and the fuzz seed corpus.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct PcxImage {
  int version = 5;
  int bitsPerPixel = 8;
  int planes = 1;
  int xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  int bytesPerLine = 0;
  std::array<uint8_t, 48> headerPalette{};
  std::vector<uint8_t> lines;  // raw scan lines, planes * bytesPerLine bytes each (else one stream)
  bool runsCrossLines = false;  // encode the lines as one stream, so runs pass line ends
  bool tailPalette = false;
  uint8_t tailMarker = 12;
  std::array<uint8_t, 768> palette{};
};

// The file's bytes: header, run-length coded lines (coded as the content generator codes
// them), then the 769-byte palette if asked for.
std::string EncodePcx(const PcxImage& image);

// Ready-made pictures of w x h pixels. Colours are 0xRRGGBB; indices index the palette.
PcxImage RgbPcx(int w, int h, const std::vector<uint32_t>& rgb);
PcxImage IndexedPcx(int w, int h, const std::vector<uint8_t>& index);
PcxImage Planar16Pcx(int w, int h, const std::vector<uint8_t>& index);
PcxImage MonoPcx(int w, int h, const std::vector<uint8_t>& bit);

// Palette helpers: entry i of a 768-byte palette or a 48-byte header palette.
void SetEntry(uint8_t* palette, int i, uint32_t rgb);
