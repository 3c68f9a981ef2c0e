#pragma once
// The raster library: off-screen pixel buffers in the game's own memory, pixel and block drawing,
// colour conversion, presentation to the window and the display mode. Free functions over one
// module-wide state; call from one thread at a time.
//
// Coordinates: x to the right from column 0, y down from row 0. Blocks are placed by their
// lower-left corner (left column, bottom row). Rectangles are (minx, maxx, miny, maxy), inclusive.
//
// Pixel values by buffer depth:
//   32 bits: 0x00RRGGBB (bytes B, G, R, 0)   24 bits: 0xRRGGBB (bytes B, G, R)
//   16 bits: RGB 5-6-5 in one word           8 bits:  index into the library palette
//
// Packed block (GetBlock, PutBlock, PutBlockTransparent): width x height pixels without padding,
// bottom row first, each row left to right; 3 bytes (B, G, R) per pixel at 24 and 32 bits, the
// 16-bit word at 16 bits. Pixels whose stored bytes are all 0 (black) are transparent.
//
// Results are 0 for success unless stated. Every operation that draws, reads or presents does
// nothing and returns 0 while no buffer is active.
#include <cstdint>
#include <vector>

#include "platform/picture_memory.h"

constexpr int kRasterMaxBuffers = 256;  // buffer handles are 0..255; -1 means none

// Bits per pixel of the desktop (16, 24 or 32).
int GetDisplayDepth();

// Resets the library: no buffer active, colour 0, position (0, 0), new buffers of 8 bits, all
// slots free. Returns 0.
int OpenRasterLibrary();

// Shuts the library down; does nothing while any buffer is still open. Returns 0.
int CloseRasterLibrary();

// Remembers the window presentation goes to (an opaque pointer; the platform shows the frame).
int BindWindowDC(void* windowDC);

// Full-screen mode of that size and depth, or with depth 0 the desktop's mode back. Waits
// 200 ms around a real change. Returns the platform's result, 0 = success.
int SetDisplayMode(int width, int height, int depth, int fullScreen);

// Depth (8, 16, 24 or 32) of the buffers created from now on. Returns 0.
int SetBufferDepth(int depth);

// A new zeroed (black) buffer of the current depth, its width rounded up to a multiple of 4 and
// its clip rectangle the whole buffer. Handle 0..255; -1 no free slot; -2 no memory (also for a
// size below 1 x 1 or too large to address).
int CreateVirtualBuffer(int width, int height);

// Bytes a buffer of that size at the current depth takes, header included.
int VirtualBufferSize(int width, int height);

// Frees that buffer; -1 frees every open buffer, but only while none is active. The active
// buffer, a free slot or an unknown handle is left alone. Returns 0.
int CloseVirtualBuffer(int handle);

// Makes the buffer the target of all drawing and loads its clip rectangle. 0; -1 for a handle
// outside 0..255; -2 for a free slot (the previous buffer then stays active).
int ActivateBuffer(int handle);

// No buffer is active any more. Returns 0.
int DeactivateBuffers();

// The active handle, or -1.
int GetActiveBuffer();

// Clip rectangle of the active buffer, kept in its slot too. Any values are accepted; drawing
// always stays inside the buffer as well.
int SetClipRect(int minx, int maxx, int miny, int maxy);

// Sets the graphics position used by the block operations and PCX placement. Returns 0.
int MoveTo(int x, int y);

// Pixel value of a colour at the active depth (components clamped to 0..255). 8 bits: the
// nearest palette entry by squared distance, the lowest index on a tie. Without an active
// buffer the depth for new buffers is used.
uint32_t MakeColor(int red, int green, int blue);

// Colour components of a pixel value at the active depth. 16 bits widens each field to 0..255
// rounded to nearest; 8 bits writes nothing. Returns 0.
int SplitColor(uint32_t pixel, int* red, int* green, int* blue);

// Sets the current colour (a pixel value of the active depth). Returns 0.
int SetColor(uint32_t pixel);

// The pixel value at (x, y) of the active buffer; 0 without one or outside the buffer.
uint32_t GetPixel(int x, int y);

// Sets (x, y) to the current colour when it lies inside the clip rectangle. Returns 0.
int PutPixel(int x, int y);

// Copies the width x height area whose lower-left corner is the graphics position into the
// packed block. Parts outside the buffer are left as they were in the block. Nothing at 8 bits.
int GetBlock(uint8_t* packed, int width, int height);

// Writes every pixel of the packed block with its lower-left corner at the graphics position,
// ignoring the clip rectangle; parts outside the buffer are dropped. Nothing at 8 bits.
int PutBlock(const uint8_t* packed, int width, int height);

// As PutBlock, but clipped to the clip rectangle and skipping black (all-zero) pixels.
int PutBlockTransparent(const uint8_t* packed, int width, int height);

// Copies that rectangle of the active buffer to the window; its lower-left corner lands at
// (destx, desty), so its top-left at (destx, desty - (maxy - miny)). Parts outside the buffer
// or the 1024 x 768 window are dropped.
int PresentRect(int minx, int maxx, int miny, int maxy, int destx, int desty);

// A read-only view of the active buffer's rows, top row first, for comparing frames.
struct BufferView {
  const uint8_t* pixels = nullptr;
  int width = 0;
  int height = 0;
  int stride = 0;  // bytes from one row to the next
  int bytesPerPixel = 0;
};
// False (and the view empty) when no buffer is active.
bool ViewActiveBuffer(BufferView& view);

// ---------------------------------------------------------------------------------------------
// Prepared blocks: a packed block converted once into a buffer's own pixel format and cut into
// the opaque runs of its rows, stored one after the other (black pixels are not stored). Sprites
// drawn every frame are prepared once at load time; drawing one is then a copy of whole runs,
// with no per-pixel test or conversion. PutPrepared and PutPreparedTransparent draw exactly what
// PutBlock and PutBlockTransparent draw with the packed block the prepared one was made from.
// A prepared block is a copy: after the packed pixels change (a grab), prepare it again; blocks
// that change on every draw (a tinted copy) are drawn with PutBlockTransparent instead. The
// fields are the drawing code's; callers only prepare and draw.

// One opaque stretch of a row: columns x .. x + length - 1 of the block, whose pixels start at
// byte `offset` of the block's pixels.
struct PreparedRun {
  uint16_t x;
  uint16_t length;
  uint32_t offset;
};

// Consecutive rows whose runs lie at the same columns: drawing them needs no per-row lookups.
struct PreparedBand {
  uint32_t firstRow;
  uint32_t rows;
  uint32_t firstRun;  // the runs of the band's first row; the other rows repeat them
  uint32_t runCount;
  uint32_t rowBytes;  // pixel bytes of one row of the band
};

struct PreparedBlock {
  int width = 0;
  int height = 0;
  int depth = 0;                      // 16, 24 or 32; 0 = empty (draws nothing)
  int bytesPerPixel = 0;              // in the buffer's format: 2, 3 or 4
  std::vector<uint8_t, PictureAllocator<uint8_t>> pixels;  // the runs' pixels, bottom row first
  std::vector<PreparedRun> runs;      // the opaque runs of all rows, row by row
  std::vector<uint32_t> rowFirstRun;  // height + 1 entries: row r's runs are [r] .. [r + 1) - 1
  std::vector<PreparedBand> bands;    // all rows, bottom first, grouped
};

// Prepares a packed block for buffers of `depth` (16, 24 or 32); the packed block is in the
// format of that depth. Any other depth, a size below 1 x 1, a side above 65535 or more than
// 1 GiB of pixels gives an empty block.
PreparedBlock PrepareBlock(const uint8_t* packed, int width, int height, int depth);

// PutBlock of a prepared block at the graphics position. Draws nothing and returns -1 when the
// active buffer's depth is not the block's.
int PutPrepared(const PreparedBlock& block);
// PutPrepared kept inside the clip rectangle, for redrawing a part of an opaque picture.
int PutPreparedClipped(const PreparedBlock& block);

// PutBlockTransparent of a prepared block at the graphics position. Draws nothing and returns -1
// when the active buffer's depth is not the block's.
int PutPreparedTransparent(const PreparedBlock& block);

// A shadow of the block's shape: the buffer's pixels where the block is opaque keep keep/256 of
// their light (0..256), inside the clip rectangle; the block's own colours do not matter. Draws
// nothing and returns -1 when the active buffer's depth is not the block's.
int PutPreparedShade(const PreparedBlock& block, int keep);
