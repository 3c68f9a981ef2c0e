#pragma once
// An image held in memory and drawn into the active buffer, opaque or with black as the
// transparent colour. Sprites are loaded once at start-up and only read afterwards.
#include <cstddef>
#include <cstdint>

#include "raster/raster.h"

class FrameStack;
struct ContentCatalogue;

class Sprite {
 public:
  Sprite() = default;
  ~Sprite();
  Sprite(const Sprite&) = delete;
  Sprite& operator=(const Sprite&) = delete;

  void Init(int16_t w, int16_t h, int16_t d, FrameStack* frames, bool bTransparent,
            bool bFromArchive, ContentCatalogue* catalogue);
  // Records the size and replaces the pixel block (none for 0 x 0).
  void Resize(int16_t w, int16_t h);
  // Loads an image by name (without extension) from the archive, or the plain file.
  void Load(const char* name);
  // Copies the block of the sprite's size at (x, y) of the active buffer into the pixels.
  void Grab(int x, int y);
  // Draws the sprite with its top-left corner at (x, y).
  void Draw(int x, int y) const;
  // Draw, with an opaque sprite too kept inside the active buffer's clip rectangle (Draw writes
  // every pixel of an opaque sprite wherever the clip rectangle is).
  void DrawWithinClip(int x, int y) const;
  // Darkens the active buffer where the sprite is not black to keep/256 of its light: a
  // translucent shadow of the sprite's shape.
  void DrawShade(int x, int y, int keep) const;
  // Draws a recoloured copy, transparent, each component offset and clamped to 8..255.
  void DrawTinted(int x, int y, int dr, int dg, int db, uint8_t* scratch) const;

  int16_t width = 0;
  int16_t height = 0;
  int16_t depth = 0;
  uint8_t transparent = 0;
  uint8_t* pixels = nullptr;  // packed block, bottom row first
  FrameStack* frameStack = nullptr;
  ContentCatalogue* catalogue = nullptr;
  uint8_t archive = 0;

 private:
  // The pixels converted once into the buffer's format, so drawing copies whole runs.
  PreparedBlock prepared_;
  void Prepare();
  // Decodes "<base>.pcx" into the screen buffer and grabs it; empty when that fails.
  void DecodeAndGrab(const char* base);
  // The same for a PCX file held in memory.
  void DecodeAndGrab(const uint8_t* bytes, size_t size);
  // Grabs the decoded picture of that size (from its header); empty when it cannot be whole.
  void GrabDecoded(bool bDecoded, const uint8_t* header);
  // Resize for a grab that fills the packed pixels at once: only the rest is cleared.
  void ResizeForGrab(int16_t w, int16_t h);
  // Replaces the pixel block; all of it but its first `uncleared` bytes is cleared.
  void Allocate(int16_t w, int16_t h, size_t uncleared);
};

// The block DrawTinted writes its recoloured pixels into (large enough for a full screen).
constexpr int kTintScratchBytes = 6291456;
extern uint8_t* pTintScratch;
