// PCX header reading and decoding into the active buffer.
#include "raster/pcx.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/files.h"
#include "raster/pcx_internal.h"
#include "raster/raster_internal.h"
#include "util/little_endian.h"

namespace {
constexpr uint8_t kPcxManufacturer = 10;
constexpr uint8_t kPaletteMarker = 12;
constexpr long kTailPaletteBytes = 769;
constexpr size_t kChunkBytes = 64 * 1024;

struct FileCloser {
  FILE* file;
  ~FileCloser() {
    if (file) std::fclose(file);
  }
};

// The fields of the header the decoder uses.
struct PcxHeader {
  int version, bitsPerPixel, planes;
  int xmin, ymin, width, height;
  size_t bytesPerLine;
};

PcxHeader ParseHeader(const uint8_t* h) {
  PcxHeader p;
  p.version = h[1];
  p.bitsPerPixel = h[3];
  p.xmin = static_cast<int>(ReadLe16(h + 4));
  p.ymin = static_cast<int>(ReadLe16(h + 6));
  p.width = static_cast<int>(ReadLe16(h + 8)) - p.xmin + 1;
  p.height = static_cast<int>(ReadLe16(h + 10)) - p.ymin + 1;
  p.planes = h[65];
  p.bytesPerLine = ReadLe16(h + 66);
  return p;
}

// The part of the picture that lands inside the buffer, in picture rows and columns, and where
// its top-left corner lands. Empty when lastRow < firstRow or lastColumn < firstColumn.
struct Visible {
  int firstRow, lastRow, firstColumn, lastColumn;
  int left, top;
  bool Empty() const { return lastRow < firstRow || lastColumn < firstColumn; }
};

// Clips the picture at the buffer's edges. Pictures placed above or left of the buffer lose the
// rows and columns outside it.
Visible ClipToBuffer(const PcxHeader& p, int64_t left, int64_t top, const RasterTarget& t) {
  int64_t firstRow = std::max<int64_t>(0, -top);
  int64_t lastRow = std::min<int64_t>(p.height - 1, t.height - 1 - top);
  int64_t firstColumn = std::max<int64_t>(0, -left);
  int64_t lastColumn = std::min<int64_t>(p.width - 1, t.width - 1 - left);
  if (lastRow < firstRow || lastColumn < firstColumn) return Visible{0, -1, 0, -1, 0, 0};
  return Visible{static_cast<int>(firstRow),    static_cast<int>(lastRow),
                 static_cast<int>(firstColumn), static_cast<int>(lastColumn),
                 static_cast<int>(left),        static_cast<int>(top)};
}

// Installs the picture's 256-colour palette (version 5 with the marker at the start of `tail`,
// the last 769 bytes of the file, null when the file is shorter) or else the header's 16 colours.
void vInstallPalette(const uint8_t* tail, const uint8_t* header) {
  if (header[1] == 5 && tail != nullptr && tail[0] == kPaletteMarker) {
    RasterSetPaletteEntries(0, 256, tail + 1);
  } else {
    RasterSetPaletteEntries(0, 16, header + 16);
  }
}

// Bytes of each scan line the converter reads for the visible columns. A header whose bytes
// per line is too small for the picture makes this reach past the decoded line; those bytes
// then come from whatever the line buffer holds.
size_t KeptLineBytes(const PcxHeader& p, int lastColumn) {
  return size_t(iPcxPlanesRead(p.planes) - 1) * p.bytesPerLine +
         PcxPlaneBytesRead(p.planes, p.bitsPerPixel, lastColumn);
}

// What decoding a picture needs once its header is read: where it lands and how its rows
// convert. Without a converter there is nothing to decode and `result` is what ShowPcx returns.
struct PcxPlan {
  PcxHeader p;
  Visible v;
  PcxRowConverter convert;
  int result;
  bool bInstallPalette;
};

PcxPlan Plan(const uint8_t* header, int flags) {
  const RasterState& st = Raster();
  PcxPlan plan{};
  plan.p = ParseHeader(header);
  bool atPosition = (flags & kPcxAtPosition) != 0;
  int64_t left = atPosition ? st.posX : plan.p.xmin;
  int64_t top = atPosition ? st.posY : plan.p.ymin;
  plan.v = ClipToBuffer(plan.p, left, top, st.target);
  plan.result = kPcxOk;
  if (plan.v.Empty()) return plan;
  plan.convert = PcxPickConverter(plan.p.planes, plan.p.bitsPerPixel, st.target.depth);
  if (!plan.convert) plan.result = kPcxUnsupported;
  plan.bInstallPalette = !(flags & kPcxKeepPalette) && bPcxUsesPalette(plan.p.planes);
  return plan;
}

// Bytes of one decoded scan line: every plane.
size_t LineBytes(const PcxPlan& plan) { return size_t(plan.p.planes) * plan.p.bytesPerLine; }

int iDecodeRows(PcxScanLines& lines, const PcxPlan& plan) {
  const RasterState& st = Raster();
  const RasterTarget& t = st.target;
  const PcxHeader& p = plan.p;
  const Visible& v = plan.v;
  PcxRow row{nullptr,         p.bytesPerLine, v.firstColumn, v.lastColumn - v.firstColumn + 1,
             st.paletteTable, nullptr};
  // 256-colour pictures into 32-bit buffers, the common case, are converted while decoding
  // into a row kept in the cache, which is then copied to the buffer.
  bool fused =
      t.depth == 32 && iPcxPlanesRead(p.planes) == 1 && p.bitsPerPixel == 8 && v.firstColumn == 0;
  std::vector<uint32_t> staged(fused ? size_t(row.count) : 0, st.paletteTable[0]);
  for (int r = 0; r <= v.lastRow; ++r) {
    bool visible = r >= v.firstRow;  // rows above the buffer are decoded only to pass them
    if (fused) {
      lines.vNextIndexed32(st.paletteTable, reinterpret_cast<uint8_t*>(staged.data()),
                           staged.size());
      if (visible) std::memcpy(t.At(v.left, v.top + r), staged.data(), size_t(row.count) * 4);
      continue;
    }
    row.line = lines.Next();
    if (!visible) continue;
    row.dst = t.At(v.left + v.firstColumn, v.top + r);
    plan.convert(row);
  }
  return kPcxOk;
}
}  // namespace

int ReadPcxHeader(const char* fileName, uint8_t header[kPcxHeaderBytes]) {
  FILE* file = PlatformOpen(fileName, "rb");
  if (!file) return -1;
  FileCloser closer{file};
  if (std::fread(header, 1, kPcxHeaderBytes, file) != size_t(kPcxHeaderBytes)) return -2;
  return header[0] == kPcxManufacturer ? 0 : -2;
}

int PcxHeaderSize(const uint8_t header[kPcxHeaderBytes], int* width, int* height) {
  int w = -1, h = -1;
  if (header && header[0] == kPcxManufacturer) {
    PcxHeader p = ParseHeader(header);
    w = p.width;
    h = p.height;
  }
  if (width) *width = w;
  if (height) *height = h;
  return 0;
}

int ShowPcx(const char* fileName, int flags) {
  return ShowPcxChunked(fileName, flags, kChunkBytes);
}

int ShowPcxChunked(const char* fileName, int flags, size_t chunkBytes) {
  if (!Raster().target.pixels) return kPcxOk;
  FILE* file = PlatformOpen(fileName, "rb");
  if (!file) return kPcxCannotOpen;
  FileCloser closer{file};
  uint8_t header[kPcxHeaderBytes];
  if (std::fread(header, 1, sizeof header, file) != sizeof header) return kPcxNotPcx;
  if (header[0] != kPcxManufacturer) return kPcxNotPcx;

  const PcxPlan plan = Plan(header, flags);
  if (!plan.convert) return plan.result;
  PcxScanLines lines;
  if (!lines.bInit(file, chunkBytes, LineBytes(plan), KeptLineBytes(plan.p, plan.v.lastColumn))) {
    return kPcxNoMemory;
  }
  if (plan.bInstallPalette) {
    uint8_t tail[kTailPaletteBytes];
    bool bTail = std::fseek(file, -kTailPaletteBytes, SEEK_END) == 0 &&
                 std::fread(tail, 1, sizeof tail, file) == sizeof tail;
    vInstallPalette(bTail ? tail : nullptr, header);
  }
  std::fseek(file, kPcxHeaderBytes, SEEK_SET);
  return iDecodeRows(lines, plan);
}

int ShowPcxMemory(const uint8_t* bytes, size_t size, int flags) {
  if (!Raster().target.pixels) return kPcxOk;
  if (bytes == nullptr || size < size_t(kPcxHeaderBytes) || bytes[0] != kPcxManufacturer) {
    return kPcxNotPcx;
  }
  const PcxPlan plan = Plan(bytes, flags);
  if (!plan.convert) return plan.result;
  PcxScanLines lines;
  if (!lines.bInit(bytes + kPcxHeaderBytes, size - kPcxHeaderBytes, LineBytes(plan),
                   KeptLineBytes(plan.p, plan.v.lastColumn))) {
    return kPcxNoMemory;
  }
  if (plan.bInstallPalette) {
    vInstallPalette(size >= size_t(kTailPaletteBytes) ? bytes + size - kTailPaletteBytes : nullptr,
                    bytes);
  }
  return iDecodeRows(lines, plan);
}
