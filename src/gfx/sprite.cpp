// Sprites: packed pixel blocks grabbed from a buffer and drawn opaque, transparent or tinted.
#include "gfx/sprite.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <new>

#include "gfx/frame_stack.h"

uint8_t* pTintScratch = new uint8_t[kTintScratchBytes];

namespace {
// Bytes of one pixel of a packed block at that depth.
int iPackedBytes(int depth) { return depth == 16 ? 2 : 3; }

uint32_t LoadPacked(const uint8_t* p, int bytes) {
  if (bytes == 2) return uint32_t{p[0]} | (uint32_t{p[1]} << 8);
  return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16);
}

void StorePacked(uint8_t* p, int bytes, uint32_t value) {
  p[0] = static_cast<uint8_t>(value);
  p[1] = static_cast<uint8_t>(value >> 8);
  if (bytes == 3) p[2] = static_cast<uint8_t>(value >> 16);
}

// The recolouring of one DrawTinted call as three lookups, one per colour field of a pixel
// value: split the field (SplitColor), add the offset, clamp to 8..255, pack it (MakeColor).
// Fields convert independently at 16, 24 and 32 bits, so the tables give exactly what a
// per-pixel SplitColor and MakeColor would, at a fraction of the calls.
class TintTable {
 public:
  TintTable(int depth, int dr, int dg, int db) {
    const int offsets[3] = {dr, dg, db};
    const int shifts16[3] = {11, 5, 0}, bits16[3] = {5, 6, 5};
    for (int c = 0; c < 3; ++c) {
      shift_[c] = depth == 16 ? shifts16[c] : 16 - 8 * c;
      mask_[c] = (1u << (depth == 16 ? bits16[c] : 8)) - 1;
      for (uint32_t field = 0; field <= mask_[c]; ++field) {
        int rgb[3] = {0, 0, 0};
        SplitColor(field << shift_[c], &rgb[0], &rgb[1], &rgb[2]);
        // The floor of 8 keeps a recoloured pixel from turning into the transparent black.
        int tinted[3] = {0, 0, 0};
        tinted[c] = std::clamp(rgb[c] + offsets[c], 8, 255);
        out_[c][field] = MakeColor(tinted[0], tinted[1], tinted[2]);
      }
    }
  }
  // Black stays black (transparent).
  uint32_t operator()(uint32_t pixel) const {
    if (pixel == 0) return 0;
    return out_[0][(pixel >> shift_[0]) & mask_[0]] | out_[1][(pixel >> shift_[1]) & mask_[1]] |
           out_[2][(pixel >> shift_[2]) & mask_[2]];
  }

  // Recolours `count` packed pixels of `Bytes` bytes each from src into dst.
  template <int Bytes>
  void Apply(const uint8_t* src, uint8_t* dst, size_t count) const {
    for (size_t i = 0; i < count; ++i, src += Bytes, dst += Bytes) {
      StorePacked(dst, Bytes, (*this)(LoadPacked(src, Bytes)));
    }
  }

 private:
  int shift_[3];
  uint32_t mask_[3];
  uint32_t out_[3][256];
};
}  // namespace

Sprite::~Sprite() { delete[] pixels; }

void Sprite::Init(int16_t w, int16_t h, int16_t d, FrameStack* frames, bool bTransparent,
                  bool bFromArchive, ContentCatalogue* catalogueIn) {
  depth = d;
  transparent = bTransparent ? 1 : 0;
  frameStack = frames;
  archive = bFromArchive ? 1 : 0;
  catalogue = catalogueIn;
  Resize(w, h);
}

void Sprite::Resize(int16_t w, int16_t h) { Allocate(w, h, 0); }

void Sprite::ResizeForGrab(int16_t w, int16_t h) {
  // The grab writes every packed pixel; only the rest of the block is cleared.
  Allocate(w, h, size_t(std::max<int16_t>(w, 0)) * size_t(std::max<int16_t>(h, 0)) *
                     size_t(iPackedBytes(depth)));
}

void Sprite::Allocate(int16_t w, int16_t h, size_t uncleared) {
  width = w;
  height = h;
  delete[] pixels;
  pixels = nullptr;
  prepared_ = PreparedBlock{};
  if (w <= 0 || h <= 0 || depth < 8) return;
  // Sized by the depth, as the game always did: at 32 bits a quarter is never used.
  const size_t bytes = size_t(w) * size_t(h) * size_t(depth / 8);
  pixels = new (std::nothrow) uint8_t[bytes];
  uncleared = std::min(uncleared, bytes);
  if (pixels != nullptr) std::memset(pixels + uncleared, 0, bytes - uncleared);
}

void Sprite::Grab(int x, int y) {
  if (pixels == nullptr || int64_t{y} + height - 1 < 0) return;
  // A block of another depth than the buffers' would not fit the memory it was sized for.
  if (frameStack != nullptr && frameStack->Depth() != depth) return;
  MoveTo(x, y + height - 1);
  GetBlock(pixels, width, height);
  Prepare();
}

void Sprite::Prepare() { prepared_ = PrepareBlock(pixels, width, height, depth); }

void Sprite::Draw(int x, int y) const {
  if (int64_t{y} + height - 1 < 0 || prepared_.depth == 0) return;
  MoveTo(x, y + height - 1);
  if (transparent != 0) {
    PutPreparedTransparent(prepared_);
  } else {
    PutPrepared(prepared_);
  }
}

void Sprite::DrawShade(int x, int y, int keep) const {
  if (int64_t{y} + height - 1 < 0 || prepared_.depth == 0) return;
  MoveTo(x, y + height - 1);
  PutPreparedShade(prepared_, keep);
}

void Sprite::DrawWithinClip(int x, int y) const {
  if (transparent != 0) {
    Draw(x, y);
    return;
  }
  if (int64_t{y} + height - 1 < 0 || prepared_.depth == 0) return;
  MoveTo(x, y + height - 1);
  PutPreparedClipped(prepared_);
}

void Sprite::DrawTinted(int x, int y, int dr, int dg, int db, uint8_t* scratch) const {
  if (pixels == nullptr || scratch == nullptr || GetActiveBuffer() < 0) return;
  // Only the rows not above the top of the buffer; the block's first rows are the bottom ones.
  int64_t rows = std::min<int64_t>(height, int64_t{y} + height);
  if (rows < 1) return;
  const int bytes = iPackedBytes(depth);
  const size_t total = size_t(width) * size_t(rows) * size_t(bytes);
  if (total > size_t(kTintScratchBytes)) return;
  const TintTable tint(depth, dr, dg, db);
  if (bytes == 2) {
    tint.Apply<2>(pixels, scratch, total / 2);
  } else {
    tint.Apply<3>(pixels, scratch, total / 3);
  }
  MoveTo(x, y + height - 1);
  PutBlockTransparent(scratch, width, static_cast<int>(rows));
}
