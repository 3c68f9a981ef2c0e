#include <gtest/gtest.h>

#include "contentgen/canvas.h"
#include "contentgen/quantize.h"

using namespace contentgen;

TEST(ImageConversion, MaskedPicturesCutAtTheShapeAndKeepDarkPixelsVisible) {
  Canvas c(4, 1);
  cairo_t* cr = c.cr();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  auto put = [&](int x, double r, double g, double b, double a) {
    cairo_set_source_rgba(cr, r, g, b, a);
    cairo_rectangle(cr, x, 0, 1, 1);
    cairo_fill(cr);
  };
  put(0, 1, 0, 0, 1.0);    // solid red
  put(1, 0, 0, 1, 0.75);   // three quarters blue over the matte
  put(2, 1, 1, 1, 0.25);   // too faint: transparent
  put(3, 0, 0, 0, 1.0);    // solid black must stay visible
  Image im = c.Masked({0, 200, 0});
  EXPECT_EQ(im.at(0, 0), (Rgb{255, 0, 0}));
  EXPECT_NEAR(im.at(1, 0).b, 191, 2);
  EXPECT_NEAR(im.at(1, 0).g, 50, 2);
  EXPECT_EQ(im.at(2, 0), kTransparent);
  EXPECT_EQ(im.at(3, 0), (Rgb{8, 8, 8}));
  EXPECT_FALSE(bVanishesIn565(im.at(3, 0)));
  EXPECT_TRUE(bVanishesIn565({7, 3, 7}));
  EXPECT_FALSE(bVanishesIn565({0, 4, 0}));
  // Opaque pictures keep black as it is.
  EXPECT_EQ(c.Opaque().at(3, 0), kTransparent);
}

TEST(ImageConversion, TransparentBlitSkipsBlackAndClipsAtTheEdges) {
  Image base(3, 3, {50, 50, 50});
  Image top(2, 2);
  top.at(1, 0) = {1, 2, 3};
  top.at(1, 1) = {4, 5, 6};
  BlitTransparent(base, top, 1, -1);
  EXPECT_EQ(base.at(2, 0), (Rgb{4, 5, 6}));
  EXPECT_EQ(base.at(1, 0), (Rgb{50, 50, 50}));  // black in the top picture lets the base show
  BlitOpaque(base, top, -1, 1);
  EXPECT_EQ(base.at(0, 1), (Rgb{1, 2, 3}));
  EXPECT_EQ(base.at(0, 2), (Rgb{4, 5, 6}));
  EXPECT_EQ(iCountColours(base, 10), 3);
  EXPECT_EQ(iCountColours(base, 1), 2);  // counting stops past the limit
}

TEST(Quantize, SmallPicturesKeepEveryColourExactly) {
  Image im(3, 2);
  im.at(0, 0) = {10, 20, 30};
  im.at(1, 0) = {10, 20, 30};
  im.at(2, 0) = {200, 100, 0};
  PalettedImage p = Quantize(im, 16);
  ASSERT_EQ(p.palette.size(), 3u);
  EXPECT_EQ(p.palette[0], kTransparent);
  EXPECT_EQ(p.palette[p.indices[0]], (Rgb{10, 20, 30}));
  EXPECT_EQ(p.indices[0], p.indices[1]);
  EXPECT_EQ(p.palette[p.indices[2]], (Rgb{200, 100, 0}));
  EXPECT_EQ(p.indices[3], 0);
  PalettedImage blank = Quantize(Image(4, 4), 2);
  EXPECT_EQ(blank.palette.size(), 1u);
}

TEST(Quantize, FewColoursLeftGoWhereMostPixelsAre) {
  // Mostly one green with a little red and a gradient of blues: three colours besides black.
  Image im(100, 10, {0, 180, 0});
  for (int x = 0; x < 10; ++x) im.at(x, 0) = {220, 0, 0};
  for (int x = 0; x < 50; ++x) im.at(x, 9) = {0, 0, uint8_t(150 + x)};
  PalettedImage p = Quantize(im, 4);
  ASSERT_EQ(p.palette.size(), 4u);
  EXPECT_EQ(p.palette[p.indices[size_t(5 * 100 + 50)]], (Rgb{0, 180, 0}));
  EXPECT_EQ(p.palette[p.indices[0]], (Rgb{220, 0, 0}));
  Rgb blue = p.palette[p.indices[size_t(9 * 100 + 20)]];
  EXPECT_EQ(blue.r + blue.g, 0);
  EXPECT_NEAR(blue.b, 174, 2);
  for (uint8_t index : p.indices) EXPECT_NE(index, 0);
}
