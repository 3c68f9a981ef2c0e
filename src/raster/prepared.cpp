// Blocks converted once to a buffer's pixel format, drawn as copies of their opaque runs.
#include <algorithm>
#include <cstring>

#include "raster/raster.h"
#include "raster/raster_internal.h"

namespace {
constexpr int kMaxPreparedSide = 65535;                // run positions are 16-bit
constexpr size_t kMaxPreparedBytes = size_t{1} << 30;  // pixel offsets are 32-bit

// A packed pixel of `Packed` bytes that is not black.
template <int Packed>
inline bool bOpaque(const uint8_t* p) {
  if constexpr (Packed == 2) return (p[0] | p[1]) != 0;
  return (p[0] | p[1] | p[2]) != 0;
}

// Calls emit(start, end) for every opaque run, columns start .. end - 1, of a packed row.
template <int Packed, typename Emit>
void vForEachRun(const uint8_t* row, int width, Emit&& emit) {
  int x = 0;
  while (x < width) {
    while (x < width && !bOpaque<Packed>(row + size_t(x) * Packed)) ++x;
    const int start = x;
    while (x < width && bOpaque<Packed>(row + size_t(x) * Packed)) ++x;
    if (x > start) emit(start, x);
  }
}

// Cuts every row into its runs and copies their pixels in the buffer format. The runs are
// counted first, so that the tables are allocated once at their final size.
template <int Packed>
void vAddRows(const uint8_t* packed, PreparedBlock& b) {
  const size_t rowBytes = size_t(b.width) * Packed;
  size_t runs = 0, opaque = 0;
  for (int r = 0; r < b.height; ++r) {
    vForEachRun<Packed>(packed + r * rowBytes, b.width, [&](int start, int end) {
      ++runs;
      opaque += size_t(end - start);
    });
  }
  b.runs.reserve(runs);
  b.pixels.resize(opaque * size_t(b.bytesPerPixel));
  uint8_t* out = b.pixels.data();
  for (int r = 0; r < b.height; ++r) {
    b.rowFirstRun.push_back(static_cast<uint32_t>(b.runs.size()));
    const uint8_t* row = packed + r * rowBytes;
    vForEachRun<Packed>(row, b.width, [&](int start, int end) {
      const int n = end - start;
      b.runs.push_back(PreparedRun{static_cast<uint16_t>(start), static_cast<uint16_t>(n),
                                   static_cast<uint32_t>(out - b.pixels.data())});
      // Packed pixels are the buffer's own, except at 32 bits, where they gain a fourth byte.
      if (b.bytesPerPixel == 4) {
        RasterExpandRow(row + size_t(start) * Packed, out, n);
      } else {
        std::memcpy(out, row + size_t(start) * Packed, size_t(n) * Packed);
      }
      out += size_t(n) * b.bytesPerPixel;
    });
  }
  b.rowFirstRun.push_back(static_cast<uint32_t>(b.runs.size()));
}

// True when rows a and b have their runs at the same columns.
bool bSameRuns(const PreparedBlock& b, int rowA, int rowB) {
  uint32_t a0 = b.rowFirstRun[rowA], a1 = b.rowFirstRun[rowA + 1];
  uint32_t b0 = b.rowFirstRun[rowB], b1 = b.rowFirstRun[rowB + 1];
  if (a1 - a0 != b1 - b0) return false;
  for (uint32_t i = 0; i < a1 - a0; ++i) {
    if (b.runs[a0 + i].x != b.runs[b0 + i].x || b.runs[a0 + i].length != b.runs[b0 + i].length) {
      return false;
    }
  }
  return true;
}

// Groups the rows into bands of equal run columns.
void vFindBands(PreparedBlock& b) {
  for (int r = 0; r < b.height;) {
    int end = r + 1;
    while (end < b.height && bSameRuns(b, r, end)) ++end;
    uint32_t first = b.rowFirstRun[r], count = b.rowFirstRun[r + 1] - first;
    uint32_t rowBytes = 0;
    for (uint32_t i = 0; i < count; ++i) rowBytes += b.runs[first + i].length * b.bytesPerPixel;
    b.bands.push_back(PreparedBand{uint32_t(r), uint32_t(end - r), first, count, rowBytes});
    r = end;
  }
}

// True when the block can be drawn into the active buffer.
bool bUsable(const PreparedBlock& b) {
  const RasterTarget& t = Raster().target;
  return b.depth != 0 && b.depth == t.depth && b.rowFirstRun.size() == size_t(b.height) + 1 &&
         b.rowFirstRun.back() <= b.runs.size() && !b.bands.empty();
}

// Copies n bytes (n >= 1) of pixels: the library copy for long runs; for short ones inlined
// moves (the last overlapping the previous), cheaper than a call.
inline void vCopyPixels(uint8_t* d, const uint8_t* s, size_t n) {
  if (n >= 64) {
    std::memcpy(d, s, n);
  } else if (n >= 16) {
    size_t i = 0;
    for (; i + 16 < n; i += 16) std::memcpy(d + i, s + i, 16);
    std::memcpy(d + n - 16, s + n - 16, 16);
  } else if (n >= 8) {
    std::memcpy(d, s, 8);
    std::memcpy(d + n - 8, s + n - 8, 8);
  } else if (n >= 4) {
    std::memcpy(d, s, 4);
    std::memcpy(d + n - 4, s + n - 4, 4);
  } else {
    for (size_t i = 0; i < n; ++i) d[i] = s[i];
  }
}

// Where a drawing lands: the buffer and the byte offset of block column 0 of the first drawn
// row. That column may lie left of the buffer, so the offset can point outside it; positions are
// kept as integer offsets and a pointer is formed only for bytes inside the buffer.
struct DrawPlace {
  uint8_t* pixels;
  ptrdiff_t stride;
  ptrdiff_t rowStart;

  uint8_t* At(ptrdiff_t offset) const { return pixels + offset; }
};

// Transparent drawing of whole rows (no column clipped), band by band. Within a band the
// copies' places follow from the first row's, with no lookups: the processor can run ahead
// over several rows' copies.
template <int Bpp>
void vDrawWholeRows(const PreparedBlock& b, const BlockSpan& span, const DrawPlace& place) {
  const PreparedRun* runs = b.runs.data();
  const uint8_t* pixels = b.pixels.data();
  for (const PreparedBand& band : b.bands) {
    int first = std::max<int>(int(band.firstRow), span.firstRow);
    int last = std::min<int>(int(band.firstRow + band.rows) - 1, span.lastRow);
    if (first > last || band.runCount == 0) continue;
    const PreparedRun* proto = runs + band.firstRun;
    const uint8_t* src =
        pixels + proto->offset + size_t(first - int(band.firstRow)) * band.rowBytes;
    ptrdiff_t row = place.rowStart - ptrdiff_t(first - span.firstRow) * place.stride;
    if (band.runCount == 1) {
      const ptrdiff_t x = ptrdiff_t(proto->x) * Bpp;
      const size_t n = size_t(proto->length) * Bpp;
      for (int r = first; r <= last; ++r, row -= place.stride, src += n) {
        vCopyPixels(place.At(row + x), src, n);
      }
      continue;
    }
    for (int r = first; r <= last; ++r, row -= place.stride) {
      for (uint32_t i = 0; i < band.runCount; ++i) {
        size_t n = size_t(proto[i].length) * Bpp;
        vCopyPixels(place.At(row + ptrdiff_t(proto[i].x) * Bpp), src, n);
        src += n;
      }
    }
  }
}

// Draws the block rows and columns of `span`; each next block row lies one buffer row up.
// Opaque drawing also writes the black gaps as zeros.
template <int Bpp, bool Opaque>
void vDrawRows(const PreparedBlock& b, const BlockSpan& span, const DrawPlace& place) {
  if (!Opaque && span.firstCol == 0 && span.lastCol == b.width - 1) {
    vDrawWholeRows<Bpp>(b, span, place);
    return;
  }
  const PreparedRun* runs = b.runs.data();
  const uint8_t* pixels = b.pixels.data();
  ptrdiff_t row = place.rowStart;
  for (int r = span.firstRow; r <= span.lastRow; ++r, row -= place.stride) {
    int next = span.firstCol;  // first column not yet written (opaque drawing)
    const PreparedRun* end = runs + b.rowFirstRun[r + 1];
    for (const PreparedRun* run = runs + b.rowFirstRun[r]; run != end; ++run) {
      int start = std::max<int>(run->x, span.firstCol);
      int last = std::min(run->x + run->length - 1, span.lastCol);
      if (start > last) continue;
      if (Opaque && start > next) {
        std::memset(place.At(row + ptrdiff_t(next) * Bpp), 0, size_t(start - next) * Bpp);
      }
      vCopyPixels(place.At(row + ptrdiff_t(start) * Bpp),
                  pixels + run->offset + (start - run->x) * Bpp, size_t(last - start + 1) * Bpp);
      next = last + 1;
    }
    if (Opaque && next <= span.lastCol) {
      std::memset(place.At(row + ptrdiff_t(next) * Bpp), 0,
                  size_t(span.lastCol - next + 1) * Bpp);
    }
  }
}

// Darkens n buffer pixels to keep/256 of their light.
template <int Bpp>
void vShadePixels(uint8_t* p, size_t n, uint32_t keep) {
  if constexpr (Bpp == 2) {
    for (size_t i = 0; i < n; ++i, p += 2) {
      const uint32_t v = uint32_t(p[0]) | uint32_t(p[1]) << 8;
      const uint32_t r = ((v >> 11) * keep) >> 8, g = (((v >> 5) & 63) * keep) >> 8;
      const uint32_t b = ((v & 31) * keep) >> 8;
      const uint32_t out = r << 11 | g << 5 | b;
      p[0] = uint8_t(out);
      p[1] = uint8_t(out >> 8);
    }
  } else if constexpr (Bpp == 4) {
    // Two fields per multiplication: red and blue apart, green alone.
    for (size_t i = 0; i < n; ++i, p += 4) {
      uint32_t v;
      std::memcpy(&v, p, 4);
      v = (((v & 0xFF00FFu) * keep >> 8) & 0xFF00FFu) | (((v & 0xFF00u) * keep >> 8) & 0xFF00u);
      std::memcpy(p, &v, 4);
    }
  } else {
    for (size_t i = 0; i < n * Bpp; ++i) p[i] = uint8_t((p[i] * keep) >> 8);
  }
}

// The buffer pixels under the block's opaque runs, in `span`, darkened.
template <int Bpp>
void vShadeRows(const PreparedBlock& b, const BlockSpan& span, const DrawPlace& place,
                uint32_t keep) {
  const PreparedRun* runs = b.runs.data();
  ptrdiff_t row = place.rowStart;
  for (int r = span.firstRow; r <= span.lastRow; ++r, row -= place.stride) {
    const PreparedRun* end = runs + b.rowFirstRun[r + 1];
    for (const PreparedRun* run = runs + b.rowFirstRun[r]; run != end; ++run) {
      int start = std::max<int>(run->x, span.firstCol);
      int last = std::min(run->x + run->length - 1, span.lastCol);
      if (start <= last) {
        vShadePixels<Bpp>(place.At(row + ptrdiff_t(start) * Bpp), size_t(last - start + 1), keep);
      }
    }
  }
}

template <bool Opaque>
int iDraw(const PreparedBlock& block, const RasterRect& area) {
  const RasterState& st = Raster();
  const RasterTarget& t = st.target;
  BlockSpan span = RasterClipBlock(st.posX, st.posY, block.width, block.height, area);
  if (span.Empty()) return 0;
  DrawPlace place{t.pixels, t.stride,
                  ptrdiff_t(st.posY - span.firstRow) * t.stride +
                      ptrdiff_t(st.posX) * t.bytesPerPixel};
  if (t.depth == 32) vDrawRows<4, Opaque>(block, span, place);
  if (t.depth == 24) vDrawRows<3, Opaque>(block, span, place);
  if (t.depth == 16) vDrawRows<2, Opaque>(block, span, place);
  return 0;
}
}  // namespace

PreparedBlock PrepareBlock(const uint8_t* packed, int width, int height, int depth) {
  PreparedBlock block;
  if (!packed || (depth != 16 && depth != 24 && depth != 32) || width < 1 || height < 1 ||
      width > kMaxPreparedSide || height > kMaxPreparedSide ||
      size_t(width) * height * (depth / 8) > kMaxPreparedBytes) {
    return block;
  }
  block.width = width;
  block.height = height;
  block.depth = depth;
  block.bytesPerPixel = depth / 8;
  block.rowFirstRun.reserve(size_t(height) + 1);
  if (depth == 16) {
    vAddRows<2>(packed, block);
  } else {
    vAddRows<3>(packed, block);
  }
  vFindBands(block);
  return block;
}

int PutPrepared(const PreparedBlock& block) {
  const RasterTarget& t = Raster().target;
  if (!t.pixels) return 0;
  if (!bUsable(block)) return -1;
  return iDraw<true>(block, RasterRect{0, t.width - 1, 0, t.height - 1});
}

int PutPreparedClipped(const PreparedBlock& block) {
  const RasterTarget& t = Raster().target;
  if (!t.pixels) return 0;
  if (!bUsable(block)) return -1;
  return iDraw<true>(block, RasterClipInsideBuffer(t));
}

int PutPreparedTransparent(const PreparedBlock& block) {
  const RasterTarget& t = Raster().target;
  if (!t.pixels) return 0;
  if (!bUsable(block)) return -1;
  return iDraw<false>(block, RasterClipInsideBuffer(t));
}

int PutPreparedShade(const PreparedBlock& block, int keep) {
  const RasterState& st = Raster();
  const RasterTarget& t = st.target;
  if (!t.pixels) return 0;
  if (!bUsable(block)) return -1;
  BlockSpan span = RasterClipBlock(st.posX, st.posY, block.width, block.height,
                                   RasterClipInsideBuffer(t));
  if (span.Empty()) return 0;
  DrawPlace place{t.pixels, t.stride,
                  ptrdiff_t(st.posY - span.firstRow) * t.stride +
                      ptrdiff_t(st.posX) * t.bytesPerPixel};
  const uint32_t k = uint32_t(std::clamp(keep, 0, 256));
  if (t.depth == 32) vShadeRows<4>(block, span, place, k);
  if (t.depth == 24) vShadeRows<3>(block, span, place, k);
  if (t.depth == 16) vShadeRows<2>(block, span, place, k);
  return 0;
}
