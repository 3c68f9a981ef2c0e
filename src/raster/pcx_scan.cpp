// Run-length decoding of PCX scan lines.
#include <algorithm>
#include <cstring>
#include <new>
#include <type_traits>

#include "raster/pcx_internal.h"

namespace {
// Writes `count` (0..63) copies of a byte, exactly: runs are mostly a few bytes long, where a
// library call would cost more than the writing.
inline void vFill(uint8_t* d, uint8_t value, size_t count) {
  uint64_t pattern = value * 0x0101010101010101ull;
  if (count >= 8) {
    for (size_t i = 0; i + 8 < count; i += 8) std::memcpy(d + i, &pattern, 8);
    std::memcpy(d + count - 8, &pattern, 8);
  } else if (count >= 4) {
    std::memcpy(d, &pattern, 4);
    std::memcpy(d + count - 4, &pattern, 4);
  } else {
    for (size_t i = 0; i < count; ++i) d[i] = value;
  }
}

// `count` 32-bit pixels of one colour, exactly, in 16-byte stores (the last overlapping).
inline void vFill32(uint8_t* d, uint32_t colour, size_t count) {
  const uint32_t four[4] = {colour, colour, colour, colour};
  if (count >= 4) {
    for (size_t i = 0; i + 4 < count; i += 4) std::memcpy(d + 4 * i, four, 16);
    std::memcpy(d + 4 * (count - 4), four, 16);
  } else {
    for (size_t i = 0; i < count; ++i) std::memcpy(d + 4 * i, &colour, 4);
  }
}

// Receivers of the decoded bytes beside the line buffer.
struct NoSink {
  static constexpr bool kStoresLine = true;
  void Literal(size_t, uint8_t) {}
  void Run(size_t, uint8_t, size_t) {}
};

// Writes indices as 32-bit colours to a row of `count` pixels that persists from line to line,
// so it always holds palette[index] of what the line buffer would hold: the line itself need
// not be stored, except a run's surplus past its end, which starts the next line.
struct Indexed32Sink {
  static constexpr bool kStoresLine = false;
  const uint32_t* palette;
  uint8_t* out;
  size_t count;
  void Literal(size_t at, uint8_t index) {
    if (at < count) std::memcpy(out + 4 * at, &palette[index], 4);
  }
  void Run(size_t at, uint8_t index, size_t n) {
    if (at < count) vFill32(out + 4 * at, palette[index], std::min(n, count - at));
  }
  // Pixels whose bytes came from elsewhere: a carried run, or the old line after the file end.
  void Convert(const uint8_t* line, size_t from, size_t to) {
    for (size_t i = from; i < std::min(to, count); ++i) Literal(i, line[i]);
  }
};

// A run into the line buffer: all of it, or only its surplus past the line's end.
template <bool kWhole>
inline void vStoreRun(uint8_t* line, size_t lineBytes, size_t at, uint8_t value, size_t n) {
  if (kWhole) {
    vFill(line + at, value, n);
  } else if (at + n > lineBytes) {
    vFill(line + lineBytes, value, at + n - lineBytes);
  }
}

constexpr size_t kSlack = 1024;               // room for a run passing the end of a line
constexpr size_t kSkipThreshold = 64 * 1024;  // unused line bytes worth not storing
}  // namespace

bool PcxScanLines::bInit(FILE* file, size_t chunkBytes, size_t lineBytes, size_t keepBytes) {
  file_ = file;
  chunkBytes_ = std::max<size_t>(chunkBytes, 1);
  chunk_.reset(new (std::nothrow) uint8_t[chunkBytes_]);
  return bInitLine(lineBytes, keepBytes) && chunk_;
}

bool PcxScanLines::bInit(const uint8_t* data, size_t size, size_t lineBytes, size_t keepBytes) {
  file_ = nullptr;
  cur_ = data;
  end_ = data + size;
  return bInitLine(lineBytes, keepBytes);
}

bool PcxScanLines::bInitLine(size_t lineBytes, size_t keepBytes) {
  lineBytes_ = lineBytes;
  keepBytes_ = keepBytes;
  skipping_ = lineBytes > keepBytes + kSkipThreshold;
  size_t bufferBytes = (skipping_ ? keepBytes : std::max(lineBytes, keepBytes)) + kSlack;
  line_.reset(new (std::nothrow) uint8_t[bufferBytes]());
  return line_ != nullptr;
}

bool PcxScanLines::bRefill() {
  if (file_ == nullptr) return false;  // data in memory is read whole from the start
  size_t n = std::fread(chunk_.get(), 1, chunkBytes_, file_);
  cur_ = chunk_.get();
  end_ = cur_ + n;
  return n > 0;
}

int PcxScanLines::iReadByte() {
  if (cur_ == end_ && !bRefill()) return -1;
  return *cur_++;
}

const uint8_t* PcxScanLines::Next() {
  if (skipping_) return NextSkipping();
  NoSink none;
  return DecodeStored(none);
}

void PcxScanLines::vNextIndexed32(const uint32_t* palette, uint8_t* out, size_t count) {
  if (skipping_) {
    Indexed32Sink{palette, out, count}.Convert(NextSkipping(), 0, count);
    return;
  }
  Indexed32Sink sink{palette, out, count};
  DecodeStored(sink);
}

// The whole line is stored; a run's surplus lies past its end until the next line. Every byte
// also goes to the sink, at its place in the line.
template <typename Sink>
const uint8_t* PcxScanLines::DecodeStored(Sink& sink) {
  // Members in locals: stores through the byte pointer could otherwise alias them.
  uint8_t* line = line_.get();
  const size_t lineBytes = lineBytes_;
  if (carry_ > 0) std::memmove(line, line + lineBytes, carry_);
  if constexpr (!std::is_same_v<Sink, NoSink>) sink.Convert(line, 0, carry_);
  size_t filled = carry_;
  while (filled < lineBytes && !exhausted_) {
    // Fast path: a count and its value byte are both in the chunk.
    const uint8_t* p = cur_;
    const uint8_t* const end = end_;
    while (filled < lineBytes && end - p >= 2) {
      uint8_t b = *p++;
      if (b < 0xC0) {
        sink.Literal(filled, b);
        if constexpr (Sink::kStoresLine) line[filled] = b;
        ++filled;
      } else {
        size_t n = b & 0x3F;
        uint8_t value = *p++;
        sink.Run(filled, value, n);
        vStoreRun<Sink::kStoresLine>(line, lineBytes, filled, value, n);
        filled += n;
      }
    }
    cur_ = p;
    if (filled >= lineBytes) break;
    // One code across the chunk's edge, or the end of the file.
    uint8_t value;
    size_t n;
    if (!bReadCode(value, n)) break;
    sink.Run(filled, value, n);
    vStoreRun<Sink::kStoresLine>(line, lineBytes, filled, value, n);
    filled += n;
  }
  carry_ = filled > lineBytes ? filled - lineBytes : 0;
  return line;
}

// Writes a run at line position `at`: the kept part into the line, the part past the line's
// end into the surplus; what lies between is dropped.
void PcxScanLines::vEmit(size_t at, uint8_t value, size_t count) {
  if (at < keepBytes_) vFill(line_.get() + at, value, std::min(count, keepBytes_ - at));
  if (at + count > lineBytes_) {
    size_t from = std::max(at, lineBytes_);
    vFill(surplus_ + (from - lineBytes_), value, at + count - from);
  }
}

bool PcxScanLines::bReadCode(uint8_t& value, size_t& count) {
  int b = iReadByte();
  int v = b >= 0xC0 ? iReadByte() : b;
  if (v < 0) {
    exhausted_ = true;
    return false;
  }
  value = static_cast<uint8_t>(v);
  count = b >= 0xC0 ? size_t(b & 0x3F) : 1;
  return true;
}

const uint8_t* PcxScanLines::NextSkipping() {
  // Lines here are longer than any run, so the carry is always shorter than one line.
  std::memcpy(line_.get(), surplus_, std::min(carry_, keepBytes_));
  size_t filled = carry_;
  while (filled < lineBytes_ && !exhausted_) {
    uint8_t value;
    size_t n;
    if (!bReadCode(value, n)) break;
    vEmit(filled, value, n);
    filled += n;
  }
  carry_ = filled > lineBytes_ ? filled - lineBytes_ : 0;
  return line_.get();
}
