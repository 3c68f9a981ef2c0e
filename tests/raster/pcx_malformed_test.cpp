// Damaged and hostile files: each decodes inside its buffers or fails with its code. Out-of-
// bounds access shows up under the sanitizer build and the fuzz target.
#include "pcx_fixture.h"

TEST_F(PcxTest, ScanLinesShorterThanThePictureStayInBounds) {
  for (int depth : {8, 16, 24, 32}) {
    Activate(depth, 64, 8);
    for (int planes : {1, 3, 4}) {
      for (int bytesPerLine : {0, 1, 3}) {
        PcxImage pic = planes == 3 ? RgbPcx(60, 6, std::vector<uint32_t>(360, 0x405060))
                                   : IndexedPcx(60, 6, std::vector<uint8_t>(360, 1));
        pic.planes = planes;
        pic.bitsPerPixel = planes == 4 ? 1 : 8;
        pic.bytesPerLine = bytesPerLine;
        pic.lines.resize(size_t(planes) * bytesPerLine * 6);
        int want = planes == 3 && depth == 8 ? kPcxUnsupported : kPcxOk;
        EXPECT_EQ(Show(pic), want) << depth << " " << planes << " " << bytesPerLine;
      }
    }
  }
}

TEST_F(PcxTest, EmptyAndHugeSizes) {
  Activate(32, 32, 16);
  PcxImage pic = IndexedPcx(4, 2, {5, 5, 5, 5, 5, 5, 5, 5});
  pic.xmin = 10;
  pic.xmax = 2;  // xmax below xmin: nothing to draw
  EXPECT_EQ(Show(pic), kPcxOk);
  uint8_t header[kPcxHeaderBytes];
  ASSERT_EQ(ReadPcxHeader("pic.pcx", header), 0);
  int w = 0, h = 0;
  PcxHeaderSize(header, &w, &h);
  EXPECT_EQ(w, -7);
  EXPECT_EQ(h, 2);
  EXPECT_EQ(GetPixel(0, 0), 0u);

  // 65536 x 65536 with 65535-byte planes and almost no data: clipped to the buffer, and the
  // rows past the data keep the line buffer's contents.
  PcxImage huge = RgbPcx(2, 1, {0x0A0B0C, 0x0A0B0C});
  huge.xmax = huge.ymax = 0xFFFF;
  huge.bytesPerLine = 0xFFFF;
  huge.runsCrossLines = true;  // encode the few bytes there are as one stream
  EXPECT_EQ(Show(huge), kPcxOk);
  EXPECT_EQ(GetPixel(0, 15), 0x0A0000u);  // green and blue planes were never reached
}

TEST_F(PcxTest, TruncatedDataRepeatsWhatTheLineBufferHolds) {
  Activate(24, 8, 4);
  PcxImage pic = IndexedPcx(4, 3, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
  pic.version = 3;
  for (int i = 0; i < 16; ++i) SetEntry(pic.headerPalette.data(), i, 0x100000u * i);
  std::string bytes = EncodePcx(pic);
  // Row 0, then half of row 1 and a count byte with no value after it.
  std::string cut = bytes.substr(0, 128 + 4) + std::string("\x05\x06\xC3", 3);
  ASSERT_EQ(Show(cut), kPcxOk);
  uint32_t row[3][4];
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) row[y][x] = GetPixel(x, y) >> 20;
  }
  EXPECT_EQ((std::vector<uint32_t>{row[0][0], row[0][3], row[1][0], row[1][1], row[1][2]}),
            (std::vector<uint32_t>{1, 4, 5, 6, 3}));
  EXPECT_EQ((std::vector<uint32_t>(row[2], row[2] + 4)),
            (std::vector<uint32_t>(row[1], row[1] + 4)));
}

TEST_F(PcxTest, OddRunsDecodeLikeTheirPlainBytes) {
  Activate(32, 8, 4);
  PcxImage pic = IndexedPcx(4, 2, {1, 2, 4, 4, 4, 4, 4, 4});
  pic.tailPalette = true;
  for (int i = 0; i < 256; ++i) SetEntry(pic.palette.data(), i, 0x000100u * i + 1);
  std::string plain = EncodePcx(pic);
  std::string head = plain.substr(0, 128), tail = plain.substr(plain.size() - 769);
  ASSERT_EQ(Show(plain), kPcxOk);
  std::vector<uint32_t> want = Snapshot(8, 4);
  ASSERT_EQ(GetPixel(2, 1), 0x000401u);
  // One run of six 4s from the end of line 0 into line 1, then the rest of line 1.
  std::string crossed = head + std::string("\x01\x02\xC6\x04\x04\x04", 6) + tail;
  // Zero-length runs between the codes, and a last run longer than the picture.
  std::string zeros =
      head + std::string("\xC0\x63\x01\xC0\x09\x02\xC2\x04\xC0\x00\xCF\x04", 12) + tail;
  for (const std::string& bytes : {crossed, zeros}) {
    ASSERT_EQ(Show(bytes), kPcxOk);
    EXPECT_EQ(Snapshot(8, 4), want);
  }
}

TEST_F(PcxTest, ShortFilesFallBackToTheHeaderPalette) {
  Activate(32, 4, 1);
  PcxImage pic = IndexedPcx(1, 1, {2});
  SetEntry(pic.headerPalette.data(), 2, 0x123456);
  std::string bytes = EncodePcx(pic);  // version 5, far shorter than a tail palette
  ASSERT_EQ(Show(bytes), kPcxOk);
  EXPECT_EQ(GetPixel(0, 0), 0x123456u);
  // A marker where the palette would start, but the file ends early: still the header's.
  std::string shortTail = bytes + "\x0C" + std::string(600, '\x7F');
  ASSERT_EQ(Show(shortTail), kPcxOk);
  EXPECT_EQ(GetPixel(0, 0), 0x123456u);
}

TEST_F(PcxTest, PlaneAndBitCombinations) {
  Activate(16, 8, 2);
  struct Combo {
    int planes, bits, result;
  } combos[] = {{0, 8, kPcxOk},          {2, 8, kPcxOk},          {7, 8, kPcxOk},
                {255, 1, kPcxOk},        {4, 8, kPcxOk},          {4, 2, kPcxOk},
                {1, 2, kPcxUnsupported}, {1, 4, kPcxUnsupported}, {3, 1, kPcxUnsupported},
                {3, 4, kPcxUnsupported}, {2, 0, kPcxUnsupported}, {1, 255, kPcxUnsupported}};
  for (const Combo& c : combos) {
    PcxImage pic = IndexedPcx(8, 2, RandomBytes(16, 3));
    pic.planes = c.planes;
    pic.bitsPerPixel = c.bits;
    pic.lines = RandomBytes(size_t(c.planes) * pic.bytesPerLine * 2, 4);
    EXPECT_EQ(Show(pic), c.result) << c.planes << " planes " << c.bits << " bits";
  }
}

// Lines far longer than the picture (here 2 planes of 40000 bytes for 5 pixels) are decoded
// without being stored; runs of the unused bytes cross into the next line's pixels.
TEST_F(PcxTest, OverlongLinesDecodeTheirVisiblePart) {
  Activate(8, 8, 4);
  const std::vector<uint8_t> index = {0, 0, 3, 4, 5, 6, 6, 0, 0, 9, 6, 0, 0, 2, 1};
  PcxImage pic = IndexedPcx(5, 3, index);
  pic.planes = 2;
  pic.bytesPerLine = 40000;
  pic.lines.assign(size_t(2) * 40000 * 3, 0);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 5; ++x) pic.lines[size_t(y) * 80000 + x] = index[size_t(y) * 5 + x];
    for (int x = 79990; x < 80000; ++x) pic.lines[size_t(y) * 80000 + x] = 6;  // run into y + 1
  }
  pic.runsCrossLines = true;
  for (size_t chunk : {size_t{0}, size_t{3}}) {
    ASSERT_EQ(Show(pic, kPcxAtPosition, chunk), kPcxOk);
    std::vector<uint32_t> got;
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 5; ++x) got.push_back(GetPixel(x, y));
    }
    EXPECT_EQ(got, std::vector<uint32_t>(index.begin(), index.end()));
  }
}

// 256-colour pictures take a faster road into 32-bit buffers than into 24-bit ones; on every
// kind of damage both must come out the same.
TEST_F(PcxTest, TwoDecodingRoadsAgreeOnDamagedPictures) {
  std::vector<std::string> files;
  PcxImage pic = IndexedPcx(21, 9, RandomBytes(21 * 9, 11, 6));  // few colours: many runs
  pic.tailPalette = true;
  for (int i = 0; i < 256; ++i) SetEntry(pic.palette.data(), i, 0x030507u * (i + 1));
  pic.runsCrossLines = true;
  files.push_back(EncodePcx(pic));
  std::string whole = files.back();
  files.push_back(whole.substr(0, 128 + 60));  // cut inside a line
  pic.bytesPerLine = 15;                       // shorter than the picture is wide
  pic.lines = RandomBytes(15 * 9, 12, 3);
  files.push_back(EncodePcx(pic));
  pic.planes = 2;  // a second plane that is decoded and ignored
  pic.lines = RandomBytes(30 * 9, 13, 3);
  files.push_back(EncodePcx(pic));
  for (size_t f = 0; f < files.size(); ++f) {
    for (int top : {0, -3}) {
      std::vector<uint32_t> seen[2];
      for (int k = 0; k < 2; ++k) {
        Activate(k == 0 ? 32 : 24, 24, 10);
        MoveTo(0, top);
        ASSERT_EQ(Show(files[f], kPcxAtPosition, f == 0 ? 5 : 0), kPcxOk);
        seen[k] = Snapshot(24, 10);
      }
      EXPECT_EQ(seen[0], seen[1]) << "file " << f << " top " << top;
    }
  }
}
