#pragma once
// ZSoft PCX files with run-length encoding, in the four variants the game's decoder reads:
// 24-bit colour (3 planes of 8 bits), 256 colours (1 plane of 8 bits, palette after the data),
// 16 colours (4 planes of 1 bit, palette in the header) and 2 colours (1 plane of 1 bit).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "image.h"

namespace contentgen {

enum class PcxVariant { Rgb24, Indexed256, Planar16, Mono2 };

constexpr size_t kPcxHeaderSize = 128;
constexpr int kPcxMaxRun = 63;

// Appends the run-length code of `count` bytes: runs of at most 63, and a single byte of 192 or
// more (which would read as a count) written as a run of one.
void AppendRle(const uint8_t* bytes, size_t count, std::vector<uint8_t>& out);

// Bytes of one plane of one scan line: at least the width in bytes, rounded up to even.
int iPcxBytesPerLine(int width, int bitsPerPixel);

// The complete file. Paletted variants reduce the picture to 256, 16 or 2 colours (black stays
// at index 0); the 2-colour variant keeps black and the most common other colour.
std::vector<uint8_t> EncodePcx(const Image& image, PcxVariant variant);

}  // namespace contentgen
