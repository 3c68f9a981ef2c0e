// Packed block transfers between caller memory and the active buffer.
#include <cstring>

#include "raster/raster.h"
#include "raster/raster_internal.h"

namespace {
// Bytes of one pixel in a packed block of that depth.
int iPackedBytes(int depth) { return depth == 16 ? 2 : 3; }

uint32_t Load24(const uint8_t* p) {
  return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16);
}

void Store32(uint8_t* d, uint32_t v) {
  d[0] = static_cast<uint8_t>(v);
  d[1] = static_cast<uint8_t>(v >> 8);
  d[2] = static_cast<uint8_t>(v >> 16);
  d[3] = 0;
}

// n 4-byte pixels to packed 3-byte ones. All but the last are stored as 4 bytes at once (the
// extra byte lands on the next pixel, which then overwrites it), so no store passes the row.
void vShrinkRow(const uint8_t* src, uint8_t* dst, int n) {
  for (int i = 0; i + 1 < n; ++i) {
    uint32_t v;
    std::memcpy(&v, src + 4 * i, 4);
    std::memcpy(dst + 3 * i, &v, 4);
  }
  if (n > 0) std::memcpy(dst + 3 * (n - 1), src + 4 * (n - 1), 3);
}

// 3-byte pixels over 4-byte ones without a branch per pixel: a black pixel writes back what
// was there. All but the last pixel are read as 4 bytes (masked), never past the row's end.
void vTransparentRow32(const uint8_t* src, uint8_t* dst, int n) {
  for (int i = 0; i + 1 < n; ++i) {
    uint32_t v, old;
    std::memcpy(&v, src + 3 * i, 4);
    std::memcpy(&old, dst + 4 * i, 4);
    v &= 0x00FFFFFF;
    v = v != 0 ? v : old;
    std::memcpy(dst + 4 * i, &v, 4);
  }
  if (n > 0) {
    uint32_t v = Load24(src + 3 * (n - 1));
    if (v != 0) Store32(dst + 4 * (n - 1), v);
  }
}

template <int PackedBytes, int BufferBytes>
void vTransparentRow(const uint8_t* src, uint8_t* dst, int n) {
  for (int i = 0; i < n; ++i, src += PackedBytes, dst += BufferBytes) {
    if constexpr (PackedBytes == 2) {
      if (src[0] | src[1]) std::memcpy(dst, src, 2);
    } else {
      uint32_t v = Load24(src);
      if (v == 0) continue;
      if constexpr (BufferBytes == 4) {
        Store32(dst, v);
      } else {
        std::memcpy(dst, src, 3);
      }
    }
  }
}

using RowCopy = void (*)(const uint8_t* src, uint8_t* dst, int n);

void vCopyRow16(const uint8_t* src, uint8_t* dst, int n) { std::memcpy(dst, src, size_t(n) * 2); }
void vCopyRow24(const uint8_t* src, uint8_t* dst, int n) { std::memcpy(dst, src, size_t(n) * 3); }

// Calls `copy` (block row, buffer row, pixels) for every visible row of a block placed at the
// graphics position, clipped to `area`; both pointers are at the first visible column.
template <typename Byte, typename Fn>
void vForEachBlockRow(Byte* packed, int width, int height, const RasterRect& area, Fn&& copy) {
  const RasterState& st = Raster();
  const RasterTarget& t = st.target;
  BlockSpan span = RasterClipBlock(st.posX, st.posY, width, height, area);
  if (span.Empty()) return;
  int packedBytes = iPackedBytes(t.depth);
  size_t packedRow = size_t(width) * packedBytes;
  int n = span.lastCol - span.firstCol + 1;
  for (int r = span.firstRow; r <= span.lastRow; ++r) {
    Byte* src = packed + packedRow * r + size_t(span.firstCol) * packedBytes;
    copy(src, t.At(st.posX + span.firstCol, st.posY - r), n);
  }
}

bool bBlockTarget(const void* packed, int width, int height) {
  const RasterTarget& t = Raster().target;
  return t.pixels && t.depth != 8 && packed && width > 0 && height > 0;
}

RasterRect WholeBuffer(const RasterTarget& t) {
  return RasterRect{0, t.width - 1, 0, t.height - 1};
}
}  // namespace

// All but the last pixel read 4 bytes at once (the extra byte is the next pixel's and is masked
// off), so the read never passes the last pixel.
void RasterExpandRow(const uint8_t* src, uint8_t* dst, int n) {
  for (int i = 0; i + 1 < n; ++i) {
    uint32_t v;
    std::memcpy(&v, src + 3 * i, 4);
    v &= 0x00FFFFFF;
    std::memcpy(dst + 4 * i, &v, 4);
  }
  if (n > 0) Store32(dst + 4 * (n - 1), Load24(src + 3 * (n - 1)));
}

int GetBlock(uint8_t* packed, int width, int height) {
  if (!bBlockTarget(packed, width, height)) return 0;
  const RasterTarget& t = Raster().target;
  int packedBytes = iPackedBytes(t.depth);
  vForEachBlockRow(packed, width, height, WholeBuffer(t),
                   [&](uint8_t* out, const uint8_t* in, int n) {
                     if (t.depth == 32) {
                       vShrinkRow(in, out, n);
                     } else {
                       std::memcpy(out, in, size_t(n) * packedBytes);
                     }
                   });
  return 0;
}

int PutBlock(const uint8_t* packed, int width, int height) {
  if (!bBlockTarget(packed, width, height)) return 0;
  const RasterTarget& t = Raster().target;
  RowCopy copy = t.depth == 32 ? RasterExpandRow : t.depth == 24 ? vCopyRow24 : vCopyRow16;
  vForEachBlockRow(packed, width, height, WholeBuffer(t), copy);
  return 0;
}

int PutBlockTransparent(const uint8_t* packed, int width, int height) {
  if (!bBlockTarget(packed, width, height)) return 0;
  const RasterTarget& t = Raster().target;
  RowCopy copy = t.depth == 32   ? vTransparentRow32
                 : t.depth == 24 ? vTransparentRow<3, 3>
                                 : vTransparentRow<2, 2>;
  vForEachBlockRow(packed, width, height, RasterClipInsideBuffer(t), copy);
  return 0;
}
