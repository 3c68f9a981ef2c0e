#include "png_out.h"

#include <cairo.h>

#include <cstdint>
#include <cstdio>

#include "gfx/frame_stack.h"
#include "raster/raster.h"

bool bWriteActiveBufferPng(const char* path) {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, kFrameWidth, kFrameHeight);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "cannot make an image of %d x %d\n", kFrameWidth, kFrameHeight);
    cairo_surface_destroy(surface);
    return false;
  }
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < kFrameHeight; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < kFrameWidth; ++x) {
      int r = 0, g = 0, b = 0;
      SplitColor(GetPixel(x, y), &r, &g, &b);  // whatever the buffer's depth
      row[x] = uint32_t(r) << 16 | uint32_t(g) << 8 | uint32_t(b);
    }
  }
  cairo_surface_mark_dirty(surface);
  cairo_status_t status = cairo_surface_write_to_png(surface, path);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) {
    std::fprintf(stderr, "cannot write %s: %s\n", path, cairo_status_to_string(status));
    return false;
  }
  return true;
}
