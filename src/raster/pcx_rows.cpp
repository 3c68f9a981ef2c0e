// Conversion of decoded PCX scan lines into buffer rows, one function per variant and depth.
#include <bit>
#include <cstring>

#include "raster/pcx_internal.h"
#include "raster/raster_internal.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {
static_assert(std::endian::native == std::endian::little, "pixel stores assume little-endian");

template <int Bytes>
inline void vStore(uint8_t* d, uint32_t v) {
  if constexpr (Bytes == 4) {
    std::memcpy(d, &v, 4);
  } else if constexpr (Bytes == 3) {
    d[0] = static_cast<uint8_t>(v);
    d[1] = static_cast<uint8_t>(v >> 8);
    d[2] = static_cast<uint8_t>(v >> 16);
  } else if constexpr (Bytes == 2) {
    uint16_t w = static_cast<uint16_t>(v);
    std::memcpy(d, &w, 2);
  } else {
    d[0] = static_cast<uint8_t>(v);
  }
}

// Writes n 4-byte pixels, pixel i being colour(i). Ordinary stores, which leave the picture in
// the cache: the loader reads it back from the buffer at once.
template <typename Colour>
inline void vWriteRow32(uint8_t* d, int n, Colour&& colour) {
  for (int i = 0; i < n; ++i) vStore<4>(d + 4 * i, colour(i));
}

// Bit x of a plane, most significant bit first.
inline uint32_t Bit(const uint8_t* plane, int x) { return (plane[x >> 3] >> (7 - (x & 7))) & 1u; }

// Three planes into 4-byte pixels. With SSE2, sixteen pixels at a time: the planes' bytes are
// interleaved to B, G, R, 0 by unpacking.
void vRowRgb32(const uint8_t* red, const uint8_t* green, const uint8_t* blue, uint8_t* d,
               int count) {
  auto colour = [&](int i) { return uint32_t{red[i]} << 16 | uint32_t{green[i]} << 8 | blue[i]; };
  int i = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  for (; i + 16 <= count; i += 16) {
    __m128i r = _mm_loadu_si128(reinterpret_cast<const __m128i*>(red + i));
    __m128i g = _mm_loadu_si128(reinterpret_cast<const __m128i*>(green + i));
    __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(blue + i));
    __m128i bgLow = _mm_unpacklo_epi8(b, g), bgHigh = _mm_unpackhi_epi8(b, g);
    __m128i r0Low = _mm_unpacklo_epi8(r, zero), r0High = _mm_unpackhi_epi8(r, zero);
    auto* out = reinterpret_cast<__m128i*>(d + 4 * i);
    _mm_storeu_si128(out, _mm_unpacklo_epi16(bgLow, r0Low));
    _mm_storeu_si128(out + 1, _mm_unpackhi_epi16(bgLow, r0Low));
    _mm_storeu_si128(out + 2, _mm_unpacklo_epi16(bgHigh, r0High));
    _mm_storeu_si128(out + 3, _mm_unpackhi_epi16(bgHigh, r0High));
  }
#endif
  for (; i < count; ++i) vStore<4>(d + 4 * i, colour(i));
}

// Three planes of red, green and blue bytes.
template <int Bytes>
void vRowRgb(const PcxRow& row) {
  const uint8_t* red = row.line + row.firstColumn;
  const uint8_t* green = red + row.bytesPerLine;
  const uint8_t* blue = green + row.bytesPerLine;
  uint8_t* d = row.dst;
  const int count = row.count;
  if constexpr (Bytes == 4) {
    vRowRgb32(red, green, blue, d, count);
    return;
  }
  for (int i = 0; i < count; ++i, d += Bytes) {
    uint32_t r = red[i], g = green[i], b = blue[i];
    vStore<Bytes>(d, Bytes == 2 ? RasterPackRgb(16, r, g, b) : (r << 16) | (g << 8) | b);
  }
}

// Four planes of one bit each; plane p gives bit p of the palette index.
template <int Bytes>
void vRowPlanar16(const PcxRow& row) {
  const uint8_t* p0 = row.line;
  const size_t bpl = row.bytesPerLine;
  const uint32_t* palette = row.palette;
  uint8_t* d = row.dst;
  const int count = row.count;
  for (int i = 0; i < count; ++i, d += Bytes) {
    int x = row.firstColumn + i;
    uint32_t index = Bit(p0, x) | (Bit(p0 + bpl, x) << 1) | (Bit(p0 + 2 * bpl, x) << 2) |
                     (Bit(p0 + 3 * bpl, x) << 3);
    vStore<Bytes>(d, palette[index]);
  }
}

// One byte per pixel, the palette index.
template <int Bytes>
void vRowIndexed(const PcxRow& row) {
  const uint8_t* s = row.line + row.firstColumn;
  const uint32_t* palette = row.palette;
  uint8_t* d = row.dst;
  const int count = row.count;
  if constexpr (Bytes == 4) {
    vWriteRow32(d, count, [&](int i) { return palette[s[i]]; });
    return;
  }
  for (int i = 0; i < count; ++i, d += Bytes) vStore<Bytes>(d, palette[s[i]]);
}

// One bit per pixel: palette entry 0 or 1.
template <int Bytes>
void vRowMono(const PcxRow& row) {
  const uint8_t* line = row.line;
  const uint32_t* palette = row.palette;
  uint8_t* d = row.dst;
  const int first = row.firstColumn, count = row.count;
  for (int i = 0; i < count; ++i, d += Bytes) vStore<Bytes>(d, palette[Bit(line, first + i)]);
}

enum class Variant { kRgb, kPlanar16, kIndexed, kMono, kNone };

Variant VariantOf(int planes, int bitsPerPixel) {
  if (planes == 4) return Variant::kPlanar16;
  if (planes == 3) return bitsPerPixel == 8 ? Variant::kRgb : Variant::kNone;
  if (bitsPerPixel == 8) return Variant::kIndexed;
  if (bitsPerPixel == 1) return Variant::kMono;
  return Variant::kNone;
}

template <int Bytes>
PcxRowConverter ForVariant(Variant v) {
  switch (v) {
    case Variant::kRgb:
      return Bytes == 1 ? nullptr : vRowRgb<Bytes>;
    case Variant::kPlanar16:
      return vRowPlanar16<Bytes>;
    case Variant::kIndexed:
      return vRowIndexed<Bytes>;
    case Variant::kMono:
      return vRowMono<Bytes>;
    case Variant::kNone:
      break;
  }
  return nullptr;
}
}  // namespace

PcxRowConverter PcxPickConverter(int planes, int bitsPerPixel, int depth) {
  Variant v = VariantOf(planes, bitsPerPixel);
  switch (depth) {
    case 8:
      return ForVariant<1>(v);
    case 16:
      return ForVariant<2>(v);
    case 24:
      return ForVariant<3>(v);
    case 32:
      return ForVariant<4>(v);
    default:
      return nullptr;
  }
}

bool bPcxUsesPalette(int planes) { return planes != 3; }

int iPcxPlanesRead(int planes) { return planes == 3 || planes == 4 ? planes : 1; }

size_t PcxPlaneBytesRead(int planes, int bitsPerPixel, int lastColumn) {
  Variant v = VariantOf(planes, bitsPerPixel);
  bool oneBit = v == Variant::kPlanar16 || v == Variant::kMono;
  return oneBit ? size_t(lastColumn) / 8 + 1 : size_t(lastColumn) + 1;
}
