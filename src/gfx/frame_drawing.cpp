// The frame stack's own drawing: darkening a rectangle, showing a picture, the colour.
#include <algorithm>
#include <string>

#include "gfx/frame_stack.h"
#include "raster/pcx.h"
#include "raster/raster.h"

namespace {
int iClampComponent(int value) { return std::clamp(value, 0, 255); }

// A component that is 0 stays 0, so black areas never take a tint.
int iShifted(int component, int offset) {
  return iClampComponent(component == 0 ? 0 : component + offset);
}
}  // namespace

void FrameStack::FadeFrame(int x, int y, int w, int h, int dr, int dg, int db) {
  const SlotRecord* record = ActiveRecord();
  if (record == nullptr) return;
  int64_t x0 = x, y0 = y, cw = w, ch = h;
  const int64_t bufW = record->width, bufH = record->height;
  if (x0 + cw > bufW) cw = bufW - x0;
  if (y0 + ch > bufH) ch = bufH - y0;
  if (x0 < 0) { cw += x0; x0 = 0; }
  if (y0 < 0) { ch += y0; y0 = 0; }
  if (cw < 1 || ch < 1) return;
  for (int64_t row = y0; row < y0 + ch; ++row) {
    for (int64_t col = x0; col < x0 + cw; ++col) {
      int px = static_cast<int>(col), py = static_cast<int>(row);
      int r = 0, g = 0, b = 0;
      SplitColor(GetPixel(px, py), &r, &g, &b);
      SetColorRGB(iShifted(r, dr), iShifted(g, dg), iShifted(b, db));
      PutPixel(px, py);
    }
  }
}

int FrameStack::ShowPcxAt(const char* name, int x, int y) {
  if (GetActiveBuffer() < 0) return -1;
  std::string file = std::string(name) + ".pcx";
  MoveTo(x, y);
  return ShowPcx(file.c_str(), kPcxAtPosition);
}

int FrameStack::ShowPcxMemoryAt(const uint8_t* bytes, size_t size, int x, int y) {
  if (GetActiveBuffer() < 0) return -1;
  MoveTo(x, y);
  return ShowPcxMemory(bytes, size, kPcxAtPosition);
}

void FrameStack::SetColorRGB(int red, int green, int blue) { SetColor(MakeColor(red, green, blue)); }
