#pragma once
// Reduces a picture to a palette of at most N colours for the paletted PCX variants. Pure black,
// the transparent colour, keeps its own entry (index 0) and no other colour is mapped onto it.
#include <cstdint>
#include <vector>

#include "image.h"

namespace contentgen {

struct PalettedImage {
  int width = 0;
  int height = 0;
  std::vector<Rgb> palette;      // at most the requested number of entries
  std::vector<uint8_t> indices;  // one per pixel, row by row
};

// Exact when the picture has no more than `maxColours` colours; otherwise a median cut.
PalettedImage Quantize(const Image& image, int maxColours);

}  // namespace contentgen
