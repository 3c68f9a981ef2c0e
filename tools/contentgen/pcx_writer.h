#pragma once
// ZSoft PCX files with run-length encoding, in the four variants the game's decoder reads:
// 24-bit colour (3 planes of 8 bits), 256 colours (1 plane of 8 bits, palette after the data),
// 16 colours (4 planes of 1 bit, palette in the header) and 2 colours (1 plane of 1 bit).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "image.h"
#include "pcx_rle.h"

namespace contentgen {

enum class PcxVariant { Rgb24, Indexed256, Planar16, Mono2 };

constexpr size_t kPcxHeaderSize = 128;

// Bytes of one plane of one scan line: at least the width in bytes, rounded up to even.
int iPcxBytesPerLine(int width, int bitsPerPixel);

// The complete file. Paletted variants reduce the picture to 256, 16 or 2 colours (black stays
// at index 0); the 2-colour variant keeps black and the most common other colour.
std::vector<uint8_t> EncodePcx(const Image& image, PcxVariant variant);

}  // namespace contentgen
