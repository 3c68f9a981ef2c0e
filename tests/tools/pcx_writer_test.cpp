#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "contentgen/catalogue.h"
#include "contentgen/pcx_writer.h"
#include "contentgen/quantize.h"
#include "raster/pcx.h"
#include "raster/raster.h"
#include "support/temp_dir.h"
#include "util/little_endian.h"

using namespace contentgen;

namespace {

int U16(const std::vector<uint8_t>& f, size_t at) { return ReadLe16(f.data() + at); }

// A small independent PCX reader: run-length decoding and the four pixel layouts.
Image Decode(const std::vector<uint8_t>& f) {
  int w = U16(f, 8) - U16(f, 4) + 1, h = U16(f, 10) - U16(f, 6) + 1;
  int bits = f[3], planes = f[65], bpl = U16(f, 66);
  std::vector<uint8_t> data;
  size_t need = size_t(planes) * bpl * h;
  for (size_t i = 128; i < f.size() && data.size() < need;) {
    uint8_t b = f[i++];
    int count = 1;
    if (b >= 0xC0) count = b & 0x3F, b = f[i++];
    data.insert(data.end(), size_t(count), b);
  }
  auto palette = [&](int index) {
    if (planes == 1 && bits == 8) {
      size_t at = f.size() - 768 + size_t(index) * 3;
      return Rgb{f[at], f[at + 1], f[at + 2]};
    }
    return Rgb{f[16 + 3 * index], f[17 + 3 * index], f[18 + 3 * index]};
  };
  Image out(w, h);
  for (int y = 0; y < h; ++y) {
    const uint8_t* line = data.data() + size_t(y) * planes * bpl;
    for (int x = 0; x < w; ++x) {
      if (planes == 3) {
        out.at(x, y) = {line[x], line[bpl + x], line[2 * bpl + x]};
      } else if (bits == 8) {
        out.at(x, y) = palette(line[x]);
      } else {
        int index = 0;
        for (int p = 0; p < planes; ++p) index |= (line[p * bpl + x / 8] >> (7 - x % 8) & 1) << p;
        out.at(x, y) = palette(index);
      }
    }
  }
  return out;
}

// Stripes of long runs, values at and above 192, and single odd bytes.
Image TestPicture(int w, int h, int colours) {
  Image im(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      int k = (x / 7 + y * 3) % colours;
      if (y % 3 == 0) k = 0;  // long runs of one colour across the row
      im.at(x, y) = k == 0 ? kTransparent : Rgb{uint8_t(192 + k * 3), uint8_t(255 - k), uint8_t(k * 17)};
    }
  }
  return im;
}

std::vector<uint8_t> Rle(std::vector<uint8_t> bytes) {
  std::vector<uint8_t> out;
  AppendRle(bytes.data(), bytes.size(), out);
  return out;
}

}  // namespace

TEST(PcxWriter, RunLengthCodeLimitsRunsAndEscapesHighBytes) {
  // 130 equal bytes: runs of 63, 63 and 4.
  EXPECT_EQ(Rle(std::vector<uint8_t>(130, 7)), (std::vector<uint8_t>{0xFF, 7, 0xFF, 7, 0xC4, 7}));
  // A lone byte below 192 stands for itself; a lone byte of 192 or more becomes a run of one.
  EXPECT_EQ(Rle({5, 192, 255, 191}), (std::vector<uint8_t>{5, 0xC1, 192, 0xC1, 255, 191}));
  // Runs of high bytes are ordinary runs.
  EXPECT_EQ(Rle({200, 200, 200}), (std::vector<uint8_t>{0xC3, 200}));
  EXPECT_TRUE(Rle({}).empty());
}

TEST(PcxWriter, BytesPerLineAreEvenAndHoldTheRow) {
  EXPECT_EQ(iPcxBytesPerLine(4, 8), 4);
  EXPECT_EQ(iPcxBytesPerLine(5, 8), 6);
  EXPECT_EQ(iPcxBytesPerLine(17, 1), 4);
  EXPECT_EQ(iPcxBytesPerLine(16, 1), 2);
  EXPECT_EQ(iPcxBytesPerLine(1, 1), 2);
}

TEST(PcxWriter, HeaderDescribesEachVariant) {
  Image im = TestPicture(13, 5, 6);
  struct Case {
    PcxVariant variant;
    int version, bits, planes, bpl;
  } cases[] = {{PcxVariant::Rgb24, 5, 8, 3, 14}, {PcxVariant::Indexed256, 5, 8, 1, 14},
               {PcxVariant::Planar16, 2, 1, 4, 2}, {PcxVariant::Mono2, 2, 1, 1, 2}};
  for (const Case& c : cases) {
    std::vector<uint8_t> f = EncodePcx(im, c.variant);
    ASSERT_GE(f.size(), 128u);
    EXPECT_EQ(f[0], 10);
    EXPECT_EQ(f[1], c.version);
    EXPECT_EQ(f[2], 1);
    EXPECT_EQ(f[3], c.bits);
    EXPECT_EQ(U16(f, 4), 0);
    EXPECT_EQ(U16(f, 6), 0);
    EXPECT_EQ(U16(f, 8), 12);
    EXPECT_EQ(U16(f, 10), 4);
    EXPECT_EQ(f[65], c.planes);
    EXPECT_EQ(U16(f, 66), c.bpl);
  }
  std::vector<uint8_t> paletted = EncodePcx(im, PcxVariant::Indexed256);
  EXPECT_EQ(paletted[paletted.size() - 769], 12);
}

TEST(PcxWriter, EveryVariantDecodesToThePictureItWasGiven) {
  // Odd widths exercise the line padding; the colour counts fit each variant exactly.
  EXPECT_EQ(Decode(EncodePcx(TestPicture(301, 9, 40), PcxVariant::Rgb24)).pixels, TestPicture(301, 9, 40).pixels);
  EXPECT_EQ(Decode(EncodePcx(TestPicture(77, 6, 200), PcxVariant::Indexed256)).pixels, TestPicture(77, 6, 200).pixels);
  EXPECT_EQ(Decode(EncodePcx(TestPicture(45, 7, 16), PcxVariant::Planar16)).pixels, TestPicture(45, 7, 16).pixels);
  EXPECT_EQ(Decode(EncodePcx(TestPicture(19, 8, 2), PcxVariant::Mono2)).pixels, TestPicture(19, 8, 2).pixels);
}

TEST(PcxWriter, ReducedPalettesKeepTransparencyApart) {
  // Thousands of colours forced into 256 and into 16: black stays black, nothing else turns black,
  // and colours land near where they were.
  Image im(64, 64);
  for (int y = 0; y < 64; ++y) {
    for (int x = 0; x < 64; ++x) {
      im.at(x, y) = (x + y) % 9 == 0 ? kTransparent : Rgb{uint8_t(x * 4), uint8_t(y * 4), uint8_t(x + y)};
    }
  }
  for (auto [variant, tolerance] : {std::pair{PcxVariant::Indexed256, 40}, std::pair{PcxVariant::Planar16, 110}}) {
    Image back = Decode(EncodePcx(im, variant));
    for (size_t i = 0; i < im.pixels.size(); ++i) {
      const Rgb &a = im.pixels[i], &b = back.pixels[i];
      ASSERT_EQ(a == kTransparent, b == kTransparent) << "pixel " << i;
      EXPECT_FALSE(a != kTransparent && bVanishesIn565(b)) << "pixel " << i;
      EXPECT_LE(std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b), tolerance) << "pixel " << i;
    }
  }
  PalettedImage p = Quantize(im, 256);
  EXPECT_LE(p.palette.size(), 256u);
  EXPECT_EQ(p.palette[0], kTransparent);
}

TEST(PcxWriter, EveryArchiveImageSurvivesItsEncoding) {
  for (const CatalogueEntry& e : Catalogue()) {
    Image im = e.make();
    Image back = Decode(EncodePcx(im, e.variant));
    ASSERT_EQ(back.width, im.width) << e.name;
    ASSERT_EQ(back.height, im.height) << e.name;
    int fits = e.variant == PcxVariant::Rgb24 ? 1 << 24 : e.variant == PcxVariant::Indexed256 ? 256 : e.variant == PcxVariant::Planar16 ? 16 : 2;
    if (iCountColours(im, fits) <= fits) {
      EXPECT_EQ(back.pixels, im.pixels) << e.name;
      continue;
    }
    // Reduced to fewer colours: the transparent shape is kept exactly.
    for (size_t i = 0; i < im.pixels.size(); ++i) {
      ASSERT_EQ(im.pixels[i] == kTransparent, back.pixels[i] == kTransparent) << e.name << " pixel " << i;
    }
  }
}

TEST(PcxWriter, TheGamesDecoderReadsEveryVariant) {
  ScopedTempCwd cwd;
  struct Case {
    PcxVariant variant;
    int colours;
  } cases[] = {{PcxVariant::Rgb24, 50}, {PcxVariant::Indexed256, 120}, {PcxVariant::Planar16, 16}, {PcxVariant::Mono2, 2}};
  for (const Case& c : cases) {
    Image im = TestPicture(37, 11, c.colours);
    std::vector<uint8_t> bytes = EncodePcx(im, c.variant);
    WriteWholeFile("pic.pcx", std::string(bytes.begin(), bytes.end()));
    ASSERT_EQ(OpenRasterLibrary(), 0);
    SetBufferDepth(32);
    int vb = CreateVirtualBuffer(64, 16);
    ASSERT_GE(vb, 0);
    ActivateBuffer(vb);
    MoveTo(0, 0);
    EXPECT_EQ(ShowPcx("pic.pcx", kPcxAtPosition), kPcxOk);
    for (int y = 0; y < im.height; ++y) {
      for (int x = 0; x < im.width; ++x) {
        int r = -1, g = -1, b = -1;
        SplitColor(GetPixel(x, y), &r, &g, &b);
        const Rgb& want = im.at(x, y);
        ASSERT_EQ((Rgb{uint8_t(r), uint8_t(g), uint8_t(b)}), want) << "x " << x << " y " << y;
      }
    }
    DeactivateBuffers();
    CloseVirtualBuffer(-1);
    CloseRasterLibrary();
  }
}
