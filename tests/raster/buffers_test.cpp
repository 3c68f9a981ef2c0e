#include "platform/clock.h"
#include "platform/display.h"
#include "platform/virtual_clock.h"
#include "raster_fixture.h"

TEST_F(RasterTest, WidthIsRoundedUpToFourPixelsAndClipCoversIt) {
  Activate(32, 1021, 3);
  SetColor(MakeColor(1, 2, 3));
  PutPixel(1023, 2);
  PutPixel(1024, 2);
  EXPECT_EQ(GetPixel(1023, 2), 0x010203u);
  EXPECT_EQ(GetPixel(1024, 2), 0u);
}

TEST_F(RasterTest, BufferSizesIncludeTheHeader) {
  SetBufferDepth(32);
  EXPECT_EQ(VirtualBufferSize(10, 2), 40 * 2 + 108);
  SetBufferDepth(16);
  EXPECT_EQ(VirtualBufferSize(3, 1), 8 + 108);
  SetBufferDepth(24);
  EXPECT_EQ(VirtualBufferSize(5, 1), 16 + 40);
  SetBufferDepth(8);
  EXPECT_EQ(VirtualBufferSize(3, 2), 8 + 1064);
  EXPECT_GT(VirtualBufferSize(1 << 20, 1 << 20), 0);  // no overflow into negatives
}

TEST_F(RasterTest, SlotTableHoldsTwoHundredFiftySixBuffers) {
  SetBufferDepth(16);
  for (int i = 0; i < kRasterMaxBuffers; ++i) ASSERT_EQ(CreateVirtualBuffer(4, 1), i);
  EXPECT_EQ(CreateVirtualBuffer(4, 1), -1);
  CloseVirtualBuffer(17);
  EXPECT_EQ(CreateVirtualBuffer(4, 1), 17);  // the first free slot is reused
}

TEST_F(RasterTest, SizesThatCannotBeBuiltFailWithoutMemory) {
  SetBufferDepth(32);
  EXPECT_EQ(CreateVirtualBuffer(0, 10), -2);
  EXPECT_EQ(CreateVirtualBuffer(10, -1), -2);
  EXPECT_EQ(CreateVirtualBuffer(1 << 30, 1 << 30), -2);
  SetBufferDepth(12);
  EXPECT_EQ(CreateVirtualBuffer(4, 4), -2);
}

TEST_F(RasterTest, ActivationAndClosingRules) {
  int a = Activate(24, 4, 4);
  SetBufferDepth(24);
  int b = CreateVirtualBuffer(4, 4);
  EXPECT_EQ(ActivateBuffer(256), -1);
  EXPECT_EQ(ActivateBuffer(-3), -1);
  EXPECT_EQ(ActivateBuffer(200), -2);
  EXPECT_EQ(GetActiveBuffer(), a);  // a bad handle leaves the active buffer alone

  CloseVirtualBuffer(a);   // the active buffer is not closed
  CloseVirtualBuffer(-1);  // nor is anything while a buffer is active
  CloseVirtualBuffer(300);
  EXPECT_EQ(ActivateBuffer(b), 0);
  EXPECT_EQ(ActivateBuffer(a), 0);

  CloseRasterLibrary();  // buffers still open: does nothing
  EXPECT_EQ(GetActiveBuffer(), a);
  DeactivateBuffers();
  EXPECT_EQ(GetActiveBuffer(), -1);
  CloseVirtualBuffer(-1);
  EXPECT_EQ(ActivateBuffer(a), -2);
  EXPECT_EQ(ActivateBuffer(b), -2);
  EXPECT_EQ(CloseRasterLibrary(), 0);
}

TEST_F(RasterTest, DisplayModeChangesWaitTwoHundredMilliseconds) {
  VirtualClockSet(1000);
  EXPECT_EQ(SetDisplayMode(1024, 768, 32, 1), 0);
  EXPECT_EQ(timeGetTime(), 1200u);
  EXPECT_EQ(SetDisplayMode(0, 0, 0, 0), 0);
  EXPECT_EQ(timeGetTime(), 1400u);
  int depth = GetDisplayDepth();
  EXPECT_TRUE(depth == 16 || depth == 24 || depth == 32) << depth;
}

namespace {
std::vector<uint32_t> Presented() {
  std::vector<uint32_t> rgb;
  int w = 0, h = 0;
  EXPECT_TRUE(PlatformLastPresented(rgb, w, h));
  return rgb;
}
uint32_t FrameAt(const std::vector<uint32_t>& f, int x, int y) { return f[size_t(y) * 1024 + x]; }
}  // namespace

TEST_F(RasterTest, PresentedRectanglesLandByTheirLowerLeftCorner) {
  for (int depth : kBlockDepths) {
    Activate(depth, 1024, 768);
    FillPattern(1024, 768);
    PresentRect(0, 1023, 0, 767, 0, 767);
    std::vector<uint32_t> frame = Presented();
    int r, g, b;
    for (auto [x, y] : {std::pair{0, 0}, {1023, 767}, {517, 300}}) {
      SplitColor(GetPixel(x, y), &r, &g, &b);
      EXPECT_EQ(FrameAt(frame, x, y), uint32_t(r << 16 | g << 8 | b)) << depth << " " << x;
    }
  }
  // A 10 x 10 rectangle whose lower-left corner goes to (100, 209): top-left at (100, 200).
  SetColor(MakeColor(200, 100, 50));
  PutPixel(10, 20);
  PutPixel(19, 29);
  PresentRect(10, 19, 20, 29, 100, 209);
  std::vector<uint32_t> frame = Presented();
  EXPECT_EQ(FrameAt(frame, 100, 200), 0xC86432u);
  EXPECT_EQ(FrameAt(frame, 109, 209), 0xC86432u);
}

TEST_F(RasterTest, PresentingClipsToBufferAndWindow) {
  Activate(32, 64, 32);
  SetColor(MakeColor(9, 9, 9));
  PutPixel(0, 0);
  uint64_t count = PlatformPresentCount();
  // Overhangs the buffer on all sides and the window at the left and bottom: buffer row 0 and
  // column 0 land at (5, 740).
  PresentRect(-10, 80, -10, 40, -5, 780);
  EXPECT_EQ(FrameAt(Presented(), 5, 740), 0x090909u);
  PresentRect(0, 63, 0, 31, 2000, 31);  // wholly off the window
  PresentRect(70, 80, 0, 10, 0, 10);    // wholly off the buffer
  EXPECT_EQ(PlatformPresentCount(), count + 1);
  DeactivateBuffers();
  PresentRect(0, 63, 0, 31, 0, 31);
  EXPECT_EQ(PlatformPresentCount(), count + 1);
}
