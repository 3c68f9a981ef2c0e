#pragma once
// 24-bit uncompressed BMP files (the window icon).
#include <cstdint>
#include <vector>

#include "image.h"

namespace contentgen {

std::vector<uint8_t> EncodeBmp24(const Image& image);

// The icon's picture, a tile with the red dragon, drawn into a size x size square.
void PaintIcon(cairo_t* cr, int size);

// The window icon: that picture on black.
Image MakeIcon(int size);

}  // namespace contentgen
