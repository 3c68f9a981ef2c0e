#pragma once
// Pieces of the PCX decoder: the run-length scan-line reader and the row converters.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>

// Reads run-length coded scan lines from a file in fixed-size chunks. A run that passes the end
// of a scan line carries its surplus into the next line. When the file ends, the line buffer
// keeps whatever it held and later lines come back unchanged. Only the first `keepBytes` of a
// line are needed by the caller; of a line far longer than that (a hostile header) the rest is
// decoded but not stored, so memory stays bounded by what is drawn.
class PcxScanLines {
 public:
  // False when the memory is not there.
  bool bInit(FILE* file, size_t chunkBytes, size_t lineBytes, size_t keepBytes);
  // The same over image data already in memory (`size` bytes from `data`, which must outlive
  // the reader): the data is read in place, as one chunk.
  bool bInit(const uint8_t* data, size_t size, size_t lineBytes, size_t keepBytes);

  // Decodes the next scan line; the pointer is to the line buffer, at least keepBytes long.
  const uint8_t* Next();

  // The same for a picture of one byte per pixel whose first `count` pixels (none clipped at
  // the left) are kept as 32-bit colours in `out`: each pixel is written as palette[index]
  // while it is decoded, a run as one colour, sparing a second pass over the line. `out` must
  // be the same row for every line of a picture, starting as palette[0] (the line buffer
  // starts zeroed), and these calls must not be mixed with Next().
  void vNextIndexed32(const uint32_t* palette, uint8_t* out, size_t count);

 private:
  template <typename Sink>
  const uint8_t* DecodeStored(Sink& sink);
  const uint8_t* NextSkipping();
  bool bRefill();
  int iReadByte();  // -1 at the end of the file
  // Reads one run-length code into value and count; false (and exhausted) at the end of the file.
  bool bReadCode(uint8_t& value, size_t& count);
  void vEmit(size_t at, uint8_t value, size_t count);

  bool bInitLine(size_t lineBytes, size_t keepBytes);

  FILE* file_ = nullptr;  // null when the data is in memory
  std::unique_ptr<uint8_t[]> chunk_;
  std::unique_ptr<uint8_t[]> line_;
  uint8_t surplus_[64] = {};  // a run's bytes past the line end, in skipping mode
  size_t chunkBytes_ = 0;
  size_t lineBytes_ = 0;
  size_t keepBytes_ = 0;
  size_t carry_ = 0;
  bool skipping_ = false;
  const uint8_t* cur_ = nullptr;
  const uint8_t* end_ = nullptr;
  bool exhausted_ = false;
};

// What a row converter gets: the scan line, the bytes of one plane, the first source column and
// how many pixels to write from `dst` on, with the palette converted to the buffer's depth.
struct PcxRow {
  const uint8_t* line;
  size_t bytesPerLine;
  int firstColumn;
  int count;
  const uint32_t* palette;
  uint8_t* dst;
};
using PcxRowConverter = void (*)(const PcxRow& row);

// The converter for a variant (planes, bits per pixel per plane) into a buffer of `depth`
// bits, or null when that pair is not supported.
PcxRowConverter PcxPickConverter(int planes, int bitsPerPixel, int depth);

// True for the variants whose colours come from the palette.
bool bPcxUsesPalette(int planes);

// Planes a converter reads (3 or 4 for the planar variants, else 1).
int iPcxPlanesRead(int planes);

// Bytes of one plane a converter reads for columns 0 .. lastColumn.
size_t PcxPlaneBytesRead(int planes, int bitsPerPixel, int lastColumn);

// ShowPcx reading the file in chunks of `chunkBytes` (tests use tiny chunks to cross their
// edges often).
int ShowPcxChunked(const char* fileName, int flags, size_t chunkBytes);
