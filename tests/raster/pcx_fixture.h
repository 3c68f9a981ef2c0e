#pragma once
// PCX tests run in a temporary folder and write their pictures there.
#include <random>
#include <string>

#include "pcx_writer.h"
#include "raster/pcx.h"
#include "raster/pcx_internal.h"
#include "raster_fixture.h"
#include "support/temp_dir.h"

class PcxTest : public RasterTest {
 protected:
  // Writes the picture and decodes it into the active buffer; chunk 0 means ShowPcx itself.
  static int Show(const std::string& bytes, int flags = kPcxAtPosition, size_t chunk = 0) {
    WriteWholeFile("pic.pcx", bytes);
    return chunk ? ShowPcxChunked("pic.pcx", flags, chunk) : ShowPcx("pic.pcx", flags);
  }
  static int Show(const PcxImage& image, int flags = kPcxAtPosition, size_t chunk = 0) {
    return Show(EncodePcx(image), flags, chunk);
  }

  // The pixel value the active buffer should hold for that colour (8 bits: the index).
  static uint32_t Want(int depth, uint32_t rgb, int index) {
    if (depth == 8) return static_cast<uint32_t>(index);
    return MakeColor(rgb >> 16 & 0xFF, rgb >> 8 & 0xFF, rgb & 0xFF);
  }

  static std::vector<uint8_t> RandomBytes(size_t n, unsigned seed, int modulo = 256) {
    std::mt19937 rng(seed);
    std::vector<uint8_t> v(n);
    for (auto& b : v) b = static_cast<uint8_t>(rng() % modulo);
    return v;
  }

  ScopedTempCwd cwd_;
};
