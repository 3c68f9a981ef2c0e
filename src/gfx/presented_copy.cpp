#include "gfx/presented_copy.h"

#include <algorithm>
#include <cstddef>
#include <cstring>

bool PresentedCopy::Matches(const BufferView& frame, int slot) const {
  return slot == slot_ && frame.width == width_ && frame.height == height_ &&
         frame.bytesPerPixel == bytesPerPixel_;
}

bool PresentedCopy::ChangedSpan(const BufferView& frame, int y, int x0, int x1, int& first,
                                int& last) const {
  const size_t rowBytes = static_cast<size_t>(width_) * bytesPerPixel_;
  const size_t begin = static_cast<size_t>(x0) * bytesPerPixel_;
  const size_t end = static_cast<size_t>(x1) * bytesPerPixel_;
  const uint8_t* now = frame.pixels + static_cast<std::ptrdiff_t>(y) * frame.stride;
  const uint8_t* was = bytes_.data() + static_cast<size_t>(y) * rowBytes;
  if (std::memcmp(now + begin, was + begin, end - begin) == 0) return false;
  size_t a = begin, b = end - 1;
  while (now[a] == was[a]) ++a;
  while (now[b] == was[b]) --b;
  first = static_cast<int>(a / bytesPerPixel_);
  last = static_cast<int>(b / bytesPerPixel_);
  return true;
}

void PresentedCopy::CopyRows(const BufferView& frame, const PixelRect& r) {
  const size_t rowBytes = static_cast<size_t>(width_) * bytesPerPixel_;
  const size_t offset = static_cast<size_t>(r.x) * bytesPerPixel_;
  const size_t bytes = static_cast<size_t>(r.w) * bytesPerPixel_;
  for (int y = r.y; y < r.y + r.h; ++y) {
    std::memcpy(bytes_.data() + static_cast<size_t>(y) * rowBytes + offset,
                frame.pixels + static_cast<std::ptrdiff_t>(y) * frame.stride + offset, bytes);
  }
}

std::vector<PixelRect> PresentedCopy::TakeChanges(const BufferView& frame, int slot,
                                                    const PixelRect* within) {
  std::vector<PixelRect> changes;
  if (frame.pixels == nullptr || frame.width < 1 || frame.height < 1) return changes;
  PixelRect whole{0, 0, frame.width, frame.height};
  if (!Matches(frame, slot)) {
    slot_ = slot;
    width_ = frame.width;
    height_ = frame.height;
    bytesPerPixel_ = frame.bytesPerPixel;
    bytes_.assign(static_cast<size_t>(width_) * height_ * bytesPerPixel_, 0);
    CopyRows(frame, whole);
    changes.push_back(whole);
    return changes;
  }
  // The rectangle compared: the whole frame, or `within` cut to it (nothing when outside).
  int x0 = 0, x1 = width_, y0 = 0, y1 = height_;
  if (within != nullptr) {
    x0 = std::clamp(within->x, 0, width_);
    x1 = std::clamp(within->x + within->w, x0, width_);
    y0 = std::clamp(within->y, 0, height_);
    y1 = std::clamp(within->y + within->h, y0, height_);
    if (x0 == x1) y1 = y0;
  }
  for (int band = y0 - y0 % kBandRows; band < y1; band += kBandRows) {
    int minX = width_, maxX = -1;
    for (int y = std::max(band, y0); y < std::min(band + kBandRows, y1); ++y) {
      int first, last;
      if (!ChangedSpan(frame, y, x0, x1, first, last)) continue;
      minX = std::min(minX, first);
      maxX = std::max(maxX, last);
    }
    if (maxX < 0) continue;
    int bandEnd = std::min(band + kBandRows, height_);
    PixelRect r{minX, band, maxX - minX + 1, bandEnd - band};
    if (!changes.empty() && changes.back().y + changes.back().h == band) {
      PixelRect& prev = changes.back();  // touches the band above: one rectangle for both
      int left = std::min(prev.x, r.x), right = std::max(prev.x + prev.w, r.x + r.w);
      prev = {left, prev.y, right - left, bandEnd - prev.y};
    } else {
      changes.push_back(r);
    }
  }
  for (const PixelRect& r : changes) CopyRows(frame, r);
  return changes;
}
