#include "platform/frame_fit.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {
// Floor of a / b for b > 0, also for negative a.
int64_t FloorDiv(int64_t a, int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }

PixelRect Intersect(const PixelRect& a, const PixelRect& b) {
  const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
  const int x1 = std::min(a.x + a.w, b.x + b.w), y1 = std::min(a.y + a.h, b.y + b.h);
  if (x1 <= x0 || y1 <= y0) return PixelRect{};
  return PixelRect{x0, y0, x1 - x0, y1 - y0};
}

// Where each output column or row samples the frame: the first source index and the weight
// (0..256) of the next one, in 1/256ths. Pixel centres are mapped onto pixel centres.
struct Sample {
  int index;
  int next;
  uint32_t weight;
};

std::vector<Sample> Samples(int from, int count, int fitStart, int fitSize, int frameSize) {
  std::vector<Sample> samples(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const int64_t d = from + i - fitStart;
    // Source position in 1/256ths: (d + 0.5) * frameSize / fitSize - 0.5.
    int64_t pos = FloorDiv((2 * d + 1) * frameSize * 256, 2 * int64_t{fitSize}) - 128;
    pos = std::clamp<int64_t>(pos, 0, int64_t{frameSize - 1} * 256);
    const int index = static_cast<int>(pos >> 8);
    samples[static_cast<size_t>(i)] = {index, std::min(index + 1, frameSize - 1),
                                       static_cast<uint32_t>(pos & 255)};
  }
  return samples;
}

uint32_t Blend(uint32_t a, uint32_t b, uint32_t w) {
  const uint32_t rb = (((a & 0xFF00FF) * (256 - w) + (b & 0xFF00FF) * w) >> 8) & 0xFF00FF;
  const uint32_t g = (((a & 0x00FF00) * (256 - w) + (b & 0x00FF00) * w) >> 8) & 0x00FF00;
  return rb | g;
}
}  // namespace

PixelRect FitFrame(int drawW, int drawH, int frameW, int frameH) {
  if (drawW <= 0 || drawH <= 0) return PixelRect{};
  int w = drawW, h = drawH;
  if (int64_t{drawW} * frameH > int64_t{drawH} * frameW) {
    w = static_cast<int>(int64_t{drawH} * frameW / frameH);
  } else {
    h = static_cast<int>(int64_t{drawW} * frameH / frameW);
  }
  return PixelRect{(drawW - w) / 2, (drawH - h) / 2, std::max(w, 1), std::max(h, 1)};
}

void FirstWindowSize(int usableW, int usableH, int frameW, int frameH, int& w, int& h) {
  if (usableW >= frameW && usableH >= frameH) {
    w = frameW;
    h = frameH;
    return;
  }
  const PixelRect fit = FitFrame(usableW, usableH, frameW, frameH);
  w = fit.w;
  h = fit.h;
}

void WindowPointToFrame(int winX, int winY, int winW, int winH, int drawW, int drawH,
                        int frameW, int frameH, int& frameX, int& frameY) {
  const PixelRect fit = FitFrame(drawW, drawH, frameW, frameH);
  if (winW <= 0 || winH <= 0 || fit.w <= 0 || fit.h <= 0) {  // no window area (minimised)
    frameX = winX;
    frameY = winY;
    return;
  }
  // The centre of the point in drawable pixels, in halves: (2 * win + 1) * draw / (2 * winSize).
  const int64_t px2 = FloorDiv((2 * int64_t{winX} + 1) * drawW, winW);
  const int64_t py2 = FloorDiv((2 * int64_t{winY} + 1) * drawH, winH);
  frameX = static_cast<int>(FloorDiv((px2 - 2 * fit.x) * frameW, 2 * int64_t{fit.w}));
  frameY = static_cast<int>(FloorDiv((py2 - 2 * fit.y) * frameH, 2 * int64_t{fit.h}));
}

PixelRect FrameRectToWindow(const PixelRect& r, int winW, int winH, int drawW, int drawH, int frameW,
                            int frameH) {
  const PixelRect fit = FitFrame(drawW, drawH, frameW, frameH);
  if (drawW <= 0 || drawH <= 0 || frameW <= 0 || frameH <= 0) return r;
  const auto x = [&](int64_t fx) { return static_cast<int>((fit.x + fx * fit.w / frameW) * winW / drawW); };
  const auto y = [&](int64_t fy) { return static_cast<int>((fit.y + fy * fit.h / frameH) * winH / drawH); };
  return {x(r.x), y(r.y), x(int64_t{r.x} + r.w) - x(r.x), y(int64_t{r.y} + r.h) - y(r.y)};
}

PixelRect ScaledArea(const PixelRect& fit, int frameW, int frameH, const PixelRect& changed) {
  if (fit.w == frameW && fit.h == frameH) {
    return Intersect(fit, PixelRect{fit.x + changed.x, fit.y + changed.y, changed.w, changed.h});
  }
  // A frame pixel reaches the output pixels whose samples lie within one pixel of it.
  const int64_t x0 = fit.x + FloorDiv(int64_t{changed.x - 1} * fit.w, frameW);
  const int64_t y0 = fit.y + FloorDiv(int64_t{changed.y - 1} * fit.h, frameH);
  const int64_t x1 = fit.x + FloorDiv(int64_t{changed.x + changed.w + 1} * fit.w + frameW - 1, frameW);
  const int64_t y1 = fit.y + FloorDiv(int64_t{changed.y + changed.h + 1} * fit.h + frameH - 1, frameH);
  return Intersect(fit, PixelRect{static_cast<int>(x0), static_cast<int>(y0),
                                  static_cast<int>(x1 - x0), static_cast<int>(y1 - y0)});
}

void ScaleFrameArea(const uint32_t* frame, int frameW, int frameH, const PixelRect& fit,
                    const PixelRect& area, uint32_t* out, int outPitch) {
  if (area.w <= 0 || area.h <= 0) return;
  if (fit.w == frameW && fit.h == frameH) {
    for (int row = 0; row < area.h; ++row) {
      const uint32_t* src = frame + static_cast<size_t>(area.y - fit.y + row) * frameW + (area.x - fit.x);
      std::memcpy(out + static_cast<size_t>(row) * outPitch, src, static_cast<size_t>(area.w) * 4);
    }
    return;
  }
  const std::vector<Sample> columns = Samples(area.x, area.w, fit.x, fit.w, frameW);
  const std::vector<Sample> rows = Samples(area.y, area.h, fit.y, fit.h, frameH);
  // Each source row the area reads is scaled across once, then output rows blend two of them.
  const int firstRow = rows.front().index;
  const int rowCount = rows.back().next - firstRow + 1;
  thread_local std::vector<uint32_t> across;
  across.resize(static_cast<size_t>(rowCount) * area.w);
  for (int r = 0; r < rowCount; ++r) {
    const uint32_t* src = frame + static_cast<size_t>(firstRow + r) * frameW;
    uint32_t* dst = across.data() + static_cast<size_t>(r) * area.w;
    for (int col = 0; col < area.w; ++col) {
      const Sample& c = columns[static_cast<size_t>(col)];
      dst[col] = Blend(src[c.index], src[c.next], c.weight);
    }
  }
  for (int row = 0; row < area.h; ++row) {
    const Sample& r = rows[static_cast<size_t>(row)];
    const uint32_t* upper = across.data() + static_cast<size_t>(r.index - firstRow) * area.w;
    const uint32_t* lower = across.data() + static_cast<size_t>(r.next - firstRow) * area.w;
    uint32_t* dst = out + static_cast<size_t>(row) * outPitch;
    for (int col = 0; col < area.w; ++col) dst[col] = Blend(upper[col], lower[col], r.weight);
  }
}
