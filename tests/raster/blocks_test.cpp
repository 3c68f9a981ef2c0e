#include <random>

#include "raster_fixture.h"

namespace {
constexpr int kW = 40, kH = 30;

int PackedBytes(int depth) { return depth == 16 ? 2 : 3; }

// A packed block with roughly a quarter of its pixels black.
std::vector<uint8_t> RandomBlock(int depth, int w, int h, unsigned seed) {
  std::mt19937 rng(seed);
  int bytes = PackedBytes(depth);
  std::vector<uint8_t> block(size_t(w) * h * bytes, 0);
  for (size_t i = 0; i < block.size(); i += bytes) {
    if (rng() % 4 == 0) continue;
    for (int k = 0; k < bytes; ++k) block[i + k] = static_cast<uint8_t>(rng());
    block[i + rng() % bytes] |= 1;  // never black by chance
  }
  return block;
}

// The pixel value a packed pixel stands for.
uint32_t ValueOf(int depth, const uint8_t* p) {
  if (depth == 16) return uint32_t{p[0]} | uint32_t{p[1]} << 8;
  return uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16;
}

// What the buffer should hold after drawing the block at (px, py) over `before`, only inside
// the rectangle, skipping black pixels when transparent.
std::vector<uint32_t> Expected(std::vector<uint32_t> before, int depth,
                               const std::vector<uint8_t>& block, int w, int h, int px, int py,
                               int minX, int maxX, int minY, int maxY, bool transparent) {
  for (int r = 0; r < h; ++r) {
    for (int c = 0; c < w; ++c) {
      int x = px + c, y = py - r;
      if (x < minX || x > maxX || y < minY || y > maxY) continue;
      uint32_t v = ValueOf(depth, block.data() + (size_t(r) * w + c) * PackedBytes(depth));
      if (!transparent || v != 0) before[size_t(y) * kW + x] = v;
    }
  }
  return before;
}
}  // namespace

// A block whose rows come in groups with the same black columns, as sprite shapes do: two
// runs per row at the bottom, one further up, a black row between.
std::vector<uint8_t> ShapedBlock(int depth, int w, int h) {
  std::vector<uint8_t> block = RandomBlock(depth, w, h, 99);
  int bytes = PackedBytes(depth);
  for (int r = 0; r < h; ++r) {
    for (int c = 0; c < w; ++c) {
      uint8_t* p = block.data() + (size_t(r) * w + c) * bytes;
      bool black = r < 3 ? c % 4 == 1 : r == 3 || c < 2;
      for (int k = 0; k < bytes; ++k) p[k] = black ? 0 : uint8_t(p[k] | 0x10);
    }
  }
  return block;
}

// Every way of drawing a block, at places that cross each edge of the clip rectangle and of
// the buffer, against a pixel-by-pixel model.
TEST_F(RasterTest, BlocksLandByLowerLeftCornerClippedAtEveryEdge) {
  const int bw = 9, bh = 7;
  for (int shape = 0; shape < 2 * 3; ++shape) {
    int depth = kBlockDepths[shape % 3];
    Activate(depth, kW, kH);
    std::vector<uint8_t> block =
        shape < 3 ? RandomBlock(depth, bw, bh, depth) : ShapedBlock(depth, bw, bh);
    PreparedBlock prepared = PrepareBlock(block.data(), bw, bh, depth);
    for (int px : {-20, -4, 1, 10, 26, 35, 50}) {
      for (int py : {-5, 2, 4, 10, 25, 33, 40}) {
        for (int way = 0; way < 4; ++way) {
          bool transparent = way >= 2;
          SetClipRect(0, kW - 1, 0, kH - 1);
          FillPattern(kW, kH);
          SetClipRect(5, 30, 4, 22);
          std::vector<uint32_t> want =
              transparent
                  ? Expected(Snapshot(kW, kH), depth, block, bw, bh, px, py, 5, 30, 4, 22, true)
                  : Expected(Snapshot(kW, kH), depth, block, bw, bh, px, py, 0, kW - 1, 0, kH - 1,
                             false);
          MoveTo(px, py);
          int result = way == 0   ? PutBlock(block.data(), bw, bh)
                       : way == 1 ? PutPrepared(prepared)
                       : way == 2 ? PutBlockTransparent(block.data(), bw, bh)
                                  : PutPreparedTransparent(prepared);
          EXPECT_EQ(result, 0);
          ASSERT_EQ(Snapshot(kW, kH), want) << depth << " at " << px << "," << py << " way " << way;
        }
      }
    }
  }
}

TEST_F(RasterTest, TransparentBlockPartlyLeftOfTheBufferDrawsItsVisibleColumns) {
  for (int depth : kBlockDepths) {
    Activate(depth, 16, 16);
    std::vector<uint8_t> white(size_t(10) * 5 * PackedBytes(depth), 0xFF);
    MoveTo(-3, 10);
    PutBlockTransparent(white.data(), 10, 5);
    uint32_t w = MakeColor(255, 255, 255);
    EXPECT_EQ(GetPixel(0, 6), w);
    EXPECT_EQ(GetPixel(6, 10), w);
    EXPECT_EQ(GetPixel(7, 10), 0u);
    EXPECT_EQ(GetPixel(0, 5), 0u);
    EXPECT_EQ(GetPixel(0, 11), 0u);
  }
}

TEST_F(RasterTest, GetBlockThenPutBlockLeavesTheBufferAsItWas) {
  for (int depth : kBlockDepths) {
    Activate(depth, kW, kH);
    FillPattern(kW, kH);
    std::vector<uint32_t> before = Snapshot(kW, kH);
    std::vector<uint8_t> block(size_t(11) * 9 * PackedBytes(depth), 0);
    std::vector<uint8_t> black = block;
    MoveTo(3, 20);
    GetBlock(block.data(), 11, 9);
    PutBlock(black.data(), 11, 9);
    EXPECT_EQ(GetPixel(3, 20), 0u);
    PutBlock(block.data(), 11, 9);
    EXPECT_EQ(Snapshot(kW, kH), before) << depth;

    // Partly outside the buffer: only the inside is read; the rest of the block is untouched.
    std::vector<uint8_t> edge(size_t(4) * 4 * PackedBytes(depth), 0xEE);
    MoveTo(kW - 2, 1);
    GetBlock(edge.data(), 4, 4);
    EXPECT_EQ(ValueOf(depth, edge.data()), GetPixel(kW - 2, 1));
    EXPECT_EQ(edge[2 * PackedBytes(depth)], 0xEE);  // column 2 is past the right edge
    EXPECT_EQ(edge.back(), 0xEE);                   // the top row is above the buffer
  }
}

TEST_F(RasterTest, BlocksDoNothingOnEightBitBuffersOrWithoutOne) {
  std::vector<uint8_t> block(12, 0x55);
  Activate(8, 8, 8);
  MoveTo(0, 3);
  PutBlock(block.data(), 2, 2);
  PutBlockTransparent(block.data(), 2, 2);
  EXPECT_EQ(GetPixel(0, 3), 0u);
  EXPECT_EQ(PutPrepared(PrepareBlock(block.data(), 2, 2, 8)), -1);
  DeactivateBuffers();
  EXPECT_EQ(PutBlock(block.data(), 2, 2), 0);
}

TEST_F(RasterTest, PreparedBlocksDrawOnlyOnTheirOwnDepth) {
  std::vector<uint8_t> block(12, 0x55);
  PreparedBlock prepared = PrepareBlock(block.data(), 2, 2, 24);
  Activate(32, 8, 8);
  MoveTo(0, 3);
  EXPECT_EQ(PutPreparedTransparent(prepared), -1);
  EXPECT_EQ(GetPixel(0, 3), 0u);
  EXPECT_EQ(PrepareBlock(block.data(), 0, 2, 32).depth, 0);
  EXPECT_EQ(PrepareBlock(nullptr, 2, 2, 32).depth, 0);
}

// A shade keeps keep/256 of each colour field under the block's opaque pixels, inside the clip
// rectangle, and touches nothing else.
TEST_F(RasterTest, AShadeDarkensOnlyUnderTheBlocksShapeWithinTheClip) {
  const int bw = 9, bh = 7;
  for (int depth : kBlockDepths) {
    Activate(depth, kW, kH);
    const uint32_t light = MakeColor(248, 252, 248);
    SetColor(light);
    for (int y = 0; y < kH; ++y)
      for (int x = 0; x < kW; ++x) PutPixel(x, y);
    const uint32_t dark = depth == 16 ? MakeColor(120, 124, 120) : MakeColor(124, 126, 124);
    std::vector<uint8_t> block = ShapedBlock(depth, bw, bh);
    std::vector<uint32_t> drawn = Expected(Snapshot(kW, kH), depth, block, bw, bh, 1, 10, 5, 30,
                                           4, 22, true);
    SetClipRect(5, 30, 4, 22);
    MoveTo(1, 10);
    EXPECT_EQ(PutPreparedShade(PrepareBlock(block.data(), bw, bh, depth), 128), 0);
    std::vector<uint32_t> shaded = Snapshot(kW, kH);
    for (size_t i = 0; i < shaded.size(); ++i) {
      ASSERT_EQ(shaded[i], drawn[i] != light ? dark : light) << depth << " at " << i;
    }
  }
}
