// Buffer table, activation, presentation and the display mode.
#include "raster/raster.h"

#include <algorithm>
#include <climits>
#include <new>

#include "platform/clock.h"
#include "platform/display.h"
#include "raster/raster_internal.h"

namespace {
// Largest buffer we hand out: far beyond any picture of the game, small enough that every
// offset fits comfortably in an int.
constexpr int64_t kMaxBufferBytes = int64_t{1} << 30;
constexpr int kMaxBufferSide = 1 << 16;

bool bValidDepth(int depth) { return depth == 8 || depth == 16 || depth == 24 || depth == 32; }

void vFreeSlot(RasterSlot& slot) { slot = RasterSlot{}; }

void vRebuildPaletteTable() {
  RasterState& st = Raster();
  int depth = st.target.depth;
  for (int i = 0; i < 256; ++i) {
    const uint8_t* e = st.palette[i];
    st.paletteTable[i] =
        depth == 8 ? static_cast<uint32_t>(i) : RasterPackRgb(depth, e[0], e[1], e[2]);
  }
}

// Fills a slot with a fresh zeroed buffer; false when the memory is not there.
bool bAllocateSlot(RasterSlot& slot, int width, int height, int depth) {
  int bpp = RasterBytesPerPixel(depth);
  int64_t stride = int64_t{width} * bpp;
  // Rows a power-of-two apart (1024 pixels at 32 bits are 4096 bytes) fall into the same few
  // cache sets, so drawing down a column of them thrashes the cache; one extra cache line per
  // row spreads them out.
  if (stride % 256 == 0) stride += 64;
  int64_t bytes = stride * height;
  if (bytes > kMaxBufferBytes) return false;
  slot.memory = MakePictureBytes(static_cast<size_t>(bytes));
  if (!slot.memory) return false;
  slot.depth = depth;
  slot.bytesPerPixel = bpp;
  slot.stride = static_cast<int>(stride);
  slot.width = width;
  slot.height = height;
  slot.clipMinX = 0;
  slot.clipMaxX = width - 1;
  slot.clipMinY = 0;
  slot.clipMaxY = height - 1;
  return true;
}
}  // namespace

RasterState& Raster() {
  static RasterState state;
  return state;
}

int RasterBytesPerPixel(int depth) { return depth / 8; }

RasterRect RasterClipInsideBuffer(const RasterTarget& t) {
  return RasterRect{std::max(t.clipMinX, 0), std::min(t.clipMaxX, t.width - 1),
                    std::max(t.clipMinY, 0), std::min(t.clipMaxY, t.height - 1)};
}

BlockSpan RasterClipBlock(int px, int py, int width, int height, const RasterRect& area) {
  // Block row r lies at y = py - r; block column c at x = px + c. 64-bit sums: no overflow.
  int64_t firstRow = std::max<int64_t>(0, int64_t{py} - area.maxY);
  int64_t lastRow = std::min<int64_t>(height - 1, int64_t{py} - area.minY);
  int64_t firstCol = std::max<int64_t>(0, int64_t{area.minX} - px);
  int64_t lastCol = std::min<int64_t>(width - 1, int64_t{area.maxX} - px);
  if (area.Empty() || firstRow > lastRow || firstCol > lastCol) return BlockSpan{0, -1, 0, -1};
  return BlockSpan{static_cast<int>(firstRow), static_cast<int>(lastRow),
                   static_cast<int>(firstCol), static_cast<int>(lastCol)};
}

void RasterSetPaletteEntries(int first, int count, const uint8_t* rgb) {
  RasterState& st = Raster();
  for (int i = 0; i < count && first + i < 256; ++i) {
    for (int c = 0; c < 3; ++c) st.palette[first + i][c] = rgb[3 * i + c];
  }
  vRebuildPaletteTable();
}

int GetDisplayDepth() { return PlatformDesktopBitsPerPixel(); }

int OpenRasterLibrary() {
  RasterState& st = Raster();
  for (RasterSlot& slot : st.slots) vFreeSlot(slot);
  st.active = -1;
  st.target = RasterTarget{};
  st.color = 0;
  st.posX = 0;
  st.posY = 0;
  st.newBufferDepth = 8;
  // With 8 bits or fewer on the desktop, 8-bit buffers would carry system palette indices.
  st.lowColorDesktop = GetDisplayDepth() < 9;
  return 0;
}

int CloseRasterLibrary() {
  RasterState& st = Raster();
  for (const RasterSlot& slot : st.slots) {
    if (slot.memory) return 0;
  }
  st.active = -1;
  st.target = RasterTarget{};
  return 0;
}

int BindWindowDC(void* windowDC) {
  Raster().windowDC = windowDC;
  return 0;
}

int SetDisplayMode(int width, int height, int depth, int fullScreen) {
  if (depth == 0) {
    int result = PlatformSetDisplayMode(0, 0, 0, false);
    Sleep(200);
    return result;
  }
  Sleep(200);
  int result = PlatformSetDisplayMode(width, height, depth, fullScreen != 0);
  // A refused mode is asked for once more, as the permanent setting.
  if (result != 0) result = PlatformSetDisplayMode(width, height, depth, fullScreen != 0);
  return result;
}

int SetBufferDepth(int depth) {
  Raster().newBufferDepth = depth;
  return 0;
}

int CreateVirtualBuffer(int width, int height) {
  RasterState& st = Raster();
  int handle = 0;
  while (handle < kRasterMaxBuffers && st.slots[handle].memory) ++handle;
  if (handle == kRasterMaxBuffers) return -1;
  if (!bValidDepth(st.newBufferDepth)) return -2;
  if (width < 1 || height < 1 || width > kMaxBufferSide || height > kMaxBufferSide) return -2;
  int rounded = (width + 3) & ~3;
  if (!bAllocateSlot(st.slots[handle], rounded, height, st.newBufferDepth)) return -2;
  return handle;
}

int VirtualBufferSize(int width, int height) {
  const RasterState& st = Raster();
  int depth = st.newBufferDepth;
  int64_t rowBytes = (int64_t{std::max(width, 0)} * RasterBytesPerPixel(depth) + 3) & ~int64_t{3};
  int64_t header = 108;
  if (depth == 24) header = 40;
  if (depth == 8) header = st.lowColorDesktop ? 552 : 1064;
  int64_t total = rowBytes * std::max(height, 0) + header;
  return static_cast<int>(std::min<int64_t>(total, INT_MAX));
}

int CloseVirtualBuffer(int handle) {
  RasterState& st = Raster();
  if (handle == -1) {
    if (st.active != -1) return 0;
    for (RasterSlot& slot : st.slots) vFreeSlot(slot);
    return 0;
  }
  if (handle < 0 || handle >= kRasterMaxBuffers || handle == st.active) return 0;
  vFreeSlot(st.slots[handle]);
  return 0;
}

int ActivateBuffer(int handle) {
  RasterState& st = Raster();
  if (handle < 0 || handle >= kRasterMaxBuffers) return -1;
  const RasterSlot& slot = st.slots[handle];
  if (!slot.memory) return -2;
  st.active = handle;
  static_cast<RasterLayout&>(st.target) = slot;
  st.target.pixels = slot.memory.get();
  vRebuildPaletteTable();
  return 0;
}

int DeactivateBuffers() {
  RasterState& st = Raster();
  st.active = -1;
  st.target.pixels = nullptr;
  return 0;
}

int GetActiveBuffer() { return Raster().active; }

bool ViewActiveBuffer(BufferView& view) {
  const RasterTarget& t = Raster().target;
  view = BufferView{};
  if (!t.pixels) return false;
  view = BufferView{t.pixels, t.width, t.height, t.stride, t.bytesPerPixel};
  return true;
}

int SetClipRect(int minx, int maxx, int miny, int maxy) {
  RasterState& st = Raster();
  if (st.active < 0) return 0;
  RasterSlot& slot = st.slots[st.active];
  slot.clipMinX = st.target.clipMinX = minx;
  slot.clipMaxX = st.target.clipMaxX = maxx;
  slot.clipMinY = st.target.clipMinY = miny;
  slot.clipMaxY = st.target.clipMaxY = maxy;
  return 0;
}

int MoveTo(int x, int y) {
  Raster().posX = x;
  Raster().posY = y;
  return 0;
}

int PresentRect(int minx, int maxx, int miny, int maxy, int destx, int desty) {
  const RasterTarget& t = Raster().target;
  if (!t.pixels) return 0;
  // Work in 64 bits: any int arguments are accepted.
  int64_t sx = minx, sy = miny, w = int64_t{maxx} - minx + 1, h = int64_t{maxy} - miny + 1;
  int64_t dx = destx, dy = int64_t{desty} - (int64_t{maxy} - miny);
  auto clip = [&](int64_t& s, int64_t& d, int64_t& n, int64_t limitS, int64_t limitD) {
    if (s < 0) {
      n += s;
      d -= s;
      s = 0;
    }
    if (d < 0) {
      n += d;
      s -= d;
      d = 0;
    }
    n = std::min({n, limitS - s, limitD - d});
  };
  clip(sx, dx, w, t.width, kPlatformFrameWidth);
  clip(sy, dy, h, t.height, kPlatformFrameHeight);
  if (w < 1 || h < 1) return 0;
  PlatformFrame frame{t.pixels, t.width, t.height, t.stride, t.bytesPerPixel};
  PlatformPresent(frame, static_cast<int>(sx), static_cast<int>(sy), static_cast<int>(w),
                  static_cast<int>(h), static_cast<int>(dx), static_cast<int>(dy));
  return 0;
}
