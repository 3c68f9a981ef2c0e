#pragma once
// A small PCX writer for tests: 24-bit pictures (three planes of 8 bits), run-length encoded.
#include <cstdint>
#include <functional>
#include <string>

// The colour of pixel (x, y) as 0xRRGGBB.
using PixelColour = std::function<uint32_t(int x, int y)>;

// A whole PCX file of that size; (xmin, ymin) in the header may be moved away from (0, 0).
std::string EncodePcx24(int width, int height, const PixelColour& colour, int xmin = 0,
                        int ymin = 0);

// A picture of one colour.
std::string SolidPcx(int width, int height, uint32_t rgb);
