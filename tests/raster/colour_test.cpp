#include "raster/raster_internal.h"
#include "raster_fixture.h"

TEST_F(RasterTest, MakeAndSplitColourAtEachDepth) {
  int r = -1, g = -1, b = -1;
  for (int depth : {24, 32}) {
    Activate(depth, 4, 1);
    EXPECT_EQ(MakeColor(255, 255, 255), 0xFFFFFFu);
    EXPECT_EQ(MakeColor(0x12, 0x34, 0x56), 0x123456u);
    SplitColor(0xAB12CD, &r, &g, &b);
    EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{0xAB, 0x12, 0xCD}));
  }
  Activate(16, 4, 1);
  EXPECT_EQ(MakeColor(255, 255, 255), 0xFFFFu);
  EXPECT_EQ(MakeColor(255, 128, 64), (31u << 11) | (32u << 5) | 8u);
  SplitColor(0xFFFF, &r, &g, &b);
  EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{255, 255, 255}));
  SplitColor(MakeColor(100, 150, 200), &r, &g, &b);
  EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{99, 150, 206}));
  SplitColor(0, &r, &g, &b);
  EXPECT_EQ((std::vector<int>{r, g, b}), (std::vector<int>{0, 0, 0}));
}

TEST_F(RasterTest, EightBitColoursPickTheNearestPaletteEntryLowestOnATie) {
  uint8_t rgb[4 * 3] = {0, 0, 0, 100, 100, 100, 120, 100, 100, 110, 100, 100};
  RasterSetPaletteEntries(0, 4, rgb);
  Activate(8, 4, 1);
  EXPECT_EQ(MakeColor(101, 99, 100), 1u);
  // Ties (distance 25 to both entries) go to the lower index.
  EXPECT_EQ(MakeColor(115, 100, 100), 2u);
  EXPECT_EQ(MakeColor(105, 100, 100), 1u);
  int r = 7, g = 7, b = 7;
  SplitColor(2, &r, &g, &b);
  EXPECT_EQ(r + g + b, 21);  // nothing written at 8 bits
}

TEST_F(RasterTest, PixelsRespectTheClipRectangleAndTheBufferEdges) {
  for (int depth : {8, 16, 24, 32}) {
    Activate(depth, 8, 6);
    SetColor(depth == 8 ? 5 : MakeColor(10, 20, 30));
    uint32_t colour = depth == 8 ? 5 : MakeColor(10, 20, 30);
    SetClipRect(2, 5, 1, 3);
    PutPixel(1, 2);
    PutPixel(2, 1);
    PutPixel(5, 4);
    EXPECT_EQ(GetPixel(1, 2), 0u);
    EXPECT_EQ(GetPixel(2, 1), colour);
    EXPECT_EQ(GetPixel(5, 4), 0u);
    // A clip rectangle reaching past the buffer still keeps pixels inside it.
    SetClipRect(-100, 100, -100, 100);
    PutPixel(-1, 0);
    PutPixel(8, 0);
    PutPixel(0, 6);
    PutPixel(7, 5);
    EXPECT_EQ(GetPixel(7, 5), colour);
    EXPECT_EQ(GetPixel(-1, 0), 0u);
    EXPECT_EQ(GetPixel(0, 6), 0u);
    EXPECT_EQ(GetPixel(8, 0), 0u);
  }
  DeactivateBuffers();
  EXPECT_EQ(GetPixel(2, 1), 0u);
}
