#include "desktop_icons.h"

#include <cstdio>

#include "bmp_writer.h"
#include "canvas.h"

namespace contentgen {

bool bWriteIcons(const std::string& folder, std::span<const int> sizes) {
  for (int size : sizes) {
    Canvas canvas(size, size);  // starts fully transparent
    PaintIcon(canvas.cr(), size);
    cairo_surface_flush(canvas.surface());
    std::string path = folder + "/" + std::to_string(size) + ".png";
    if (cairo_surface_write_to_png(canvas.surface(), path.c_str()) != CAIRO_STATUS_SUCCESS) {
      std::fprintf(stderr, "tavimora_contentgen: cannot write %s\n", path.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace contentgen
