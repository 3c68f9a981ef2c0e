#include "pcx_fixture.h"

namespace {
struct Picture {
  const char* name;
  PcxImage image;
  std::vector<uint32_t> rgb;  // the colour of each pixel
  std::vector<int> index;     // its palette index (empty for 24-bit pictures)
};

uint32_t EntryOf(const uint8_t* palette, int i) {
  return uint32_t{palette[3 * i]} << 16 | uint32_t{palette[3 * i + 1]} << 8 | palette[3 * i + 2];
}

// One picture of each variant, w x h, with random contents.
std::vector<Picture> AllVariants(int w, int h) {
  size_t n = size_t(w) * h;
  std::mt19937 rng(7);
  std::vector<Picture> out;

  std::vector<uint32_t> colours(n);
  for (auto& c : colours) c = rng() & 0xFFFFFF;
  out.push_back({"rgb", RgbPcx(w, h, colours), colours, {}});

  for (int variant = 0; variant < 3; ++variant) {
    int range = variant == 0 ? 256 : variant == 1 ? 16 : 2;
    std::vector<uint8_t> idx(n);
    for (auto& i : idx) i = static_cast<uint8_t>(rng() % range);
    PcxImage image = variant == 0   ? IndexedPcx(w, h, idx)
                     : variant == 1 ? Planar16Pcx(w, h, idx)
                                    : MonoPcx(w, h, idx);
    for (auto& b : image.palette) b = static_cast<uint8_t>(rng());
    for (auto& b : image.headerPalette) b = static_cast<uint8_t>(rng());
    image.tailPalette = variant == 0;
    image.version = variant == 0 ? 5 : 3;
    const uint8_t* palette = variant == 0 ? image.palette.data() : image.headerPalette.data();
    Picture p{variant == 0 ? "256" : variant == 1 ? "16" : "2", image, {}, {}};
    for (uint8_t i : idx) {
      p.rgb.push_back(EntryOf(palette, i));
      p.index.push_back(i);
    }
    out.push_back(p);
  }
  return out;
}

void Clear(int w, int h) {
  SetColor(0);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) PutPixel(x, y);
  }
}
}  // namespace

// Each variant at each depth, with an odd width, runs inside or across scan lines, and input
// chunks of every size down to one byte: pixels land exactly at the graphics position.
TEST_F(PcxTest, EveryVariantDecodesExactlyAtEveryDepth) {
  const int w = 13, h = 5, bw = 16, bh = 8, left = 1, top = 2;
  for (int depth : {8, 16, 24, 32}) {
    Activate(depth, bw, bh);
    for (Picture& pic : AllVariants(w, h)) {
      for (bool across : {false, true}) {
        for (size_t chunk : {size_t{0}, size_t{1}, size_t{7}}) {
          Clear(bw, bh);
          pic.image.runsCrossLines = across;
          MoveTo(left, top);
          int result = Show(pic.image, kPcxAtPosition, chunk);
          SCOPED_TRACE(testing::Message() << pic.name << " depth " << depth << " chunk " << chunk
                                          << (across ? " across" : ""));
          if (pic.index.empty() && depth == 8) {
            EXPECT_EQ(result, kPcxUnsupported);
            continue;
          }
          ASSERT_EQ(result, kPcxOk);
          for (int y = 0; y < bh; ++y) {
            for (int x = 0; x < bw; ++x) {
              bool inside = x >= left && x < left + w && y >= top && y < top + h;
              size_t i = size_t(y - top) * w + (x - left);
              uint32_t want =
                  inside ? Want(depth, pic.rgb[i], pic.index.empty() ? 0 : pic.index[i]) : 0;
              ASSERT_EQ(GetPixel(x, y), want) << x << "," << y;
            }
          }
        }
      }
    }
  }
}

TEST_F(PcxTest, FullScreenColourPictureFillsA16BitBuffer) {
  std::vector<uint32_t> colours(640 * 480);
  for (size_t i = 0; i < colours.size(); ++i) colours[i] = (i % 640 < 320) ? 0xFF8040 : 0x102030;
  Activate(16, 640, 480);
  ASSERT_EQ(Show(RgbPcx(640, 480, colours)), kPcxOk);
  EXPECT_EQ(GetPixel(0, 0), (31u << 11) | (32u << 5) | 8u);
  EXPECT_EQ(GetPixel(639, 479), MakeColor(0x10, 0x20, 0x30));
  EXPECT_EQ(GetPixel(319, 479), GetPixel(0, 0));
}

// Which palette a paletted picture installs: the file's 256 colours only for version 5 with
// the marker, else the header's 16 colours over entries 0..15; flag 1 installs none.
TEST_F(PcxTest, PaletteComesFromTheFileTailOrTheHeader) {
  Activate(32, 4, 1);
  PcxImage pic = IndexedPcx(2, 1, {3, 20});
  pic.tailPalette = true;
  for (int i = 0; i < 256; ++i) SetEntry(pic.palette.data(), i, 0x010101u * i);
  for (int i = 0; i < 16; ++i) SetEntry(pic.headerPalette.data(), i, 0xA00000u + i);
  ASSERT_EQ(Show(pic), kPcxOk);
  EXPECT_EQ(GetPixel(0, 0), 0x030303u);
  EXPECT_EQ(GetPixel(1, 0), 0x141414u);

  pic.tailMarker = 11;  // no marker: header colours for 0..15, 16..255 as they were
  SetEntry(pic.palette.data(), 20, 0x777777);
  ASSERT_EQ(Show(pic), kPcxOk);
  EXPECT_EQ(GetPixel(0, 0), 0xA00003u);
  EXPECT_EQ(GetPixel(1, 0), 0x141414u);

  pic.tailMarker = 12;
  pic.version = 3;  // a tail palette is only looked for in version 5 files
  SetEntry(pic.headerPalette.data(), 3, 0xB0B0B0);
  ASSERT_EQ(Show(pic), kPcxOk);
  EXPECT_EQ(GetPixel(0, 0), 0xB0B0B0u);

  pic.version = 5;
  ASSERT_EQ(Show(pic, kPcxAtPosition | kPcxKeepPalette), kPcxOk);
  EXPECT_EQ(GetPixel(0, 0), 0xB0B0B0u);
  EXPECT_EQ(GetPixel(1, 0), 0x141414u);
}

TEST_F(PcxTest, PlacementByHeaderOrGraphicsPosition) {
  Activate(24, 12, 12);
  PcxImage pic = RgbPcx(2, 2, {0x111111, 0x222222, 0x333333, 0x444444});
  pic.xmin = 5;
  pic.ymin = 3;
  pic.xmax = 6;
  pic.ymax = 4;
  MoveTo(1, 1);
  ASSERT_EQ(Show(pic, 0), kPcxOk);
  EXPECT_EQ(GetPixel(5, 3), 0x111111u);
  EXPECT_EQ(GetPixel(6, 4), 0x444444u);
  ASSERT_EQ(Show(pic, kPcxAtPosition), kPcxOk);
  EXPECT_EQ(GetPixel(1, 1), 0x111111u);
  EXPECT_EQ(GetPixel(2, 2), 0x444444u);
  // Above and left of the buffer: only the part inside is drawn.
  MoveTo(-1, -1);
  ASSERT_EQ(Show(pic, kPcxAtPosition), kPcxOk);
  EXPECT_EQ(GetPixel(0, 0), 0x444444u);
}

TEST_F(PcxTest, PicturesAreClippedAtTheBottomAndRight) {
  std::vector<uint32_t> colours(20 * 100);
  for (size_t i = 0; i < colours.size(); ++i) colours[i] = 0x010000u * (i / 20 + 1) + i % 20 + 1;
  PcxImage pic = RgbPcx(20, 100, colours);
  Activate(32, 16, 768);
  MoveTo(10, 700);
  ASSERT_EQ(Show(pic), kPcxOk);
  EXPECT_EQ(GetPixel(10, 700), 0x010001u);
  EXPECT_EQ(GetPixel(15, 767), 0x440006u);  // picture row 67, column 5
  EXPECT_EQ(GetPixel(9, 700), 0u);
  MoveTo(16, 0);  // nothing fits: success, even for a variant this buffer cannot take
  EXPECT_EQ(Show(pic), kPcxOk);
  pic.bitsPerPixel = 4;
  pic.planes = 1;
  MoveTo(0, 768);
  EXPECT_EQ(Show(pic), kPcxOk);
}

TEST_F(PcxTest, ResultCodesAndHeaders) {
  std::string good = EncodePcx(IndexedPcx(13, 5, std::vector<uint8_t>(65, 1)));
  uint8_t header[kPcxHeaderBytes];
  int w = 0, h = 0;
  EXPECT_EQ(ShowPcx("missing.pcx", kPcxAtPosition), kPcxOk);  // no active buffer
  Activate(16, 16, 16);
  EXPECT_EQ(ShowPcx("missing.pcx", kPcxAtPosition), kPcxCannotOpen);
  EXPECT_EQ(ReadPcxHeader("missing.pcx", header), -1);

  WriteWholeFile("art/pic.pcx", good);
  EXPECT_EQ(ShowPcx("art\\pic.pcx", kPcxAtPosition), kPcxOk);
  EXPECT_EQ(ReadPcxHeader("art\\pic.pcx", header), 0);
  PcxHeaderSize(header, &w, &h);
  EXPECT_EQ(w * 100 + h, 1305);

  std::string bad = good;
  bad[0] = 9;
  EXPECT_EQ(Show(bad), kPcxNotPcx);
  EXPECT_EQ(ReadPcxHeader("pic.pcx", header), -2);
  PcxHeaderSize(header, &w, &h);
  EXPECT_EQ(w + h, -2);
  EXPECT_EQ(Show(good.substr(0, 127)), kPcxNotPcx);
  EXPECT_EQ(ReadPcxHeader("pic.pcx", header), -2);

  PcxImage fourBit = IndexedPcx(4, 1, {1, 2, 3, 4});
  fourBit.bitsPerPixel = 4;
  EXPECT_EQ(Show(fourBit), kPcxUnsupported);
  fourBit.planes = 3;
  fourBit.bitsPerPixel = 1;
  EXPECT_EQ(Show(fourBit), kPcxUnsupported);
}
