#pragma once
// 24-bit uncompressed BMP files (the window icon).
#include <cstdint>
#include <vector>

#include "image.h"

namespace contentgen {

std::vector<uint8_t> EncodeBmp24(const Image& image);

// The window icon: a small tile with the red dragon, on black.
Image MakeIcon(int size);

}  // namespace contentgen
