#pragma once
// PCX pictures (ZSoft format, run-length encoded) decoded into the raster library's active
// buffer. Four variants: 24-bit colour (3 planes of 8 bits), 16 colours (4 planes of 1 bit),
// 256 colours (1 plane of 8 bits) and 2 colours (1 plane of 1 bit). File names are game paths
// (backslashes, relative to the working directory).
#include <cstddef>
#include <cstdint>

constexpr int kPcxHeaderBytes = 128;

// Flags of ShowPcx.
constexpr int kPcxKeepPalette = 1;  // leave the library palette as it is
constexpr int kPcxAtPosition = 2;   // top-left corner at the graphics position, not (xmin, ymin)

// Results of ShowPcx.
constexpr int kPcxOk = 0;  // also when nothing was visible
constexpr int kPcxCannotOpen = 1;
constexpr int kPcxNotPcx = 2;       // first byte not 10, or a header shorter than 128 bytes
constexpr int kPcxUnsupported = 3;  // variant not decodable into the active buffer
constexpr int kPcxNoMemory = 4;

// Reads the first 128 bytes of the file. 0; -1 the file cannot be opened; -2 fewer than 128
// bytes or not a PCX file.
int ReadPcxHeader(const char* fileName, uint8_t header[kPcxHeaderBytes]);

// Width (xmax - xmin + 1) and height (ymax - ymin + 1) of the picture; both -1 when the header is
// not a PCX header. A header with xmax below xmin (or ymax below ymin) gives a size below 1.
// Returns 0.
int PcxHeaderSize(const uint8_t header[kPcxHeaderBytes], int* width, int* height);

// Decodes the file into the active buffer, clipped at the buffer's right and bottom edges.
// Returns one of the kPcx results.
int ShowPcx(const char* fileName, int flags);

// The same for a whole PCX file held in memory (`size` bytes from `bytes`): kPcxNotPcx when it
// is shorter than the header or not a PCX file; never kPcxCannotOpen.
int ShowPcxMemory(const uint8_t* bytes, size_t size, int flags);
