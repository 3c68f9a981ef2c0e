#pragma once
// A copy of the frame as it was last presented, so that presenting a new frame sends only the
// rectangles whose pixels changed. A screen whose picture did not change presents nothing.
#include <cstdint>
#include <vector>

#include "platform/picture_memory.h"
#include "raster/raster.h"
#include "util/pixel_rect.h"

class PresentedCopy {
 public:
  // The rectangles in which `frame` differs from the copy, which is brought up to date. A frame
  // of another buffer, size or format than the copy comes back whole. With `within`, the caller
  // knows nothing outside it changed, and only that rectangle is compared.
  std::vector<PixelRect> TakeChanges(const BufferView& frame, int slot,
                                       const PixelRect* within = nullptr);
  // Forgets the copy: the next frame is presented whole.
  void Forget() { slot_ = -1; }

 private:
  // Rows are compared in bands of this many; changed bands that touch merge into one rectangle.
  static constexpr int kBandRows = 16;
  bool Matches(const BufferView& frame, int slot) const;
  void CopyRows(const BufferView& frame, const PixelRect& r);
  // The changed columns of a row among columns x0..x1 - 1, in pixels; false when they are the
  // same.
  bool ChangedSpan(const BufferView& frame, int y, int x0, int x1, int& first, int& last) const;

  std::vector<uint8_t, PictureAllocator<uint8_t>> bytes_;
  int slot_ = -1;
  int width_ = 0, height_ = 0, bytesPerPixel_ = 0;
};
