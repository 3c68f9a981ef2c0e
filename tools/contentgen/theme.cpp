#include "theme.h"

#include <cmath>

namespace contentgen {

using namespace palette;

namespace {

// A small deterministic generator for ornament placement.
struct Lcg {
  uint32_t state;
  double Next() {
    state = state * 1664525u + 1013904223u;
    return double(state >> 8) / double(1u << 24);
  }
};

}  // namespace

void AddCloudScroll(cairo_t* cr, double x, double y, double size, bool mirrored) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  if (mirrored) cairo_scale(cr, -1, 1);
  cairo_scale(cr, size / 40.0, size / 40.0);
  // Two linked spirals with a sweeping tail: the classic auspicious cloud.
  cairo_new_sub_path(cr);
  cairo_arc(cr, -8, 0, 8, M_PI, 3 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc(cr, -8, 0, 4, 0, 1.6 * M_PI);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 8, -3, 10, M_PI * 0.9, M_PI * 2.6);
  cairo_new_sub_path(cr);
  cairo_arc(cr, 8, -3, 5, M_PI * 1.2, M_PI * 2.5);
  cairo_move_to(cr, -16, 0);
  cairo_curve_to(cr, -16, 10, 0, 12, 30, 10);
  cairo_restore(cr);
}

void PaintLacquer(cairo_t* cr, double w, double h, uint32_t seed) {
  cairo_save(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(w * 0.5, h * 0.42, 10, w * 0.5, h * 0.5, std::hypot(w, h) * 0.62);
  AddStop(g, 0.0, kLacquer.Mix(kLacquerLight, 0.35));
  AddStop(g, 0.55, kLacquer);
  AddStop(g, 1.0, kLacquerDeep);
  cairo_set_source(cr, g);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_fill(cr);
  cairo_pattern_destroy(g);

  // Faint cloud scrolls on a staggered grid, slightly jittered.
  Lcg rng{seed * 2654435761u + 17};
  double step = 118;
  cairo_set_line_width(cr, 2.2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (int row = -1; row * step * 0.62 < h + step; ++row) {
    for (int col = -1; col * step < w + step; ++col) {
      double x = col * step + (row & 1 ? step / 2 : 0) + (rng.Next() - 0.5) * 14;
      double y = row * step * 0.62 + (rng.Next() - 0.5) * 10;
      AddCloudScroll(cr, x, y, 30 + rng.Next() * 10, ((row + col) & 1) != 0);
      SetColour(cr, kLacquerLight, 0.16);
      cairo_stroke(cr);
    }
  }
  cairo_restore(cr);
}

void PaintGoldFrame(cairo_t* cr, double x, double y, double w, double h, double radius, double width) {
  cairo_save(cr);
  RoundedRect(cr, x, y, w, h, radius);
  cairo_set_line_width(cr, width + 2);
  SetColour(cr, kGoldDark.Scaled(0.5));
  cairo_stroke_preserve(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x + w * 0.3, y + h);
  AddStop(g, 0.0, kGoldLight);
  AddStop(g, 0.5, kGold);
  AddStop(g, 1.0, kGoldDark.Mix(kGold, 0.4));
  cairo_set_source(cr, g);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
  cairo_pattern_destroy(g);
  double inset = width + 4;
  RoundedRect(cr, x + inset, y + inset, w - 2 * inset, h - 2 * inset, std::max(2.0, radius - inset));
  cairo_set_line_width(cr, 1.2);
  SetColour(cr, kGold, 0.85);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void PaintPanel(cairo_t* cr, double w, double h, uint32_t seed, bool roundOverBackdrop) {
  if (roundOverBackdrop) {
    // What was painted beforehand shows around the rounded frame, under a soft shadow.
    for (int k = 4; k >= 1; --k) {
      RoundedRect(cr, 5 - k * 0.5, 7 + k * 0.5, w - 10 + k, h - 10 + k * 0.5, 14 + k);
      SetColour(cr, {0, 0, 0}, 0.08);
      cairo_fill(cr);
    }
    cairo_save(cr);
    RoundedRect(cr, 5, 5, w - 10, h - 10, 14);
    cairo_clip(cr);
    PaintLacquer(cr, w, h, seed);
    cairo_restore(cr);
  } else {
    // Opaque panels are rectangles: the lacquer fills the corners too, edged by a dark line.
    PaintLacquer(cr, w, h, seed);
    cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
    cairo_set_line_width(cr, 1);
    SetColour(cr, kLacquerDeep.Scaled(0.5));
    cairo_stroke(cr);
  }
  PaintGoldFrame(cr, 5, 5, w - 10, h - 10, 14, 4);
  // Corner ornaments: small gold cloud scrolls just inside the frame.
  cairo_save(cr);
  cairo_set_line_width(cr, 2.0);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  double m = 34;
  AddCloudScroll(cr, m, m - 6, 30, false);
  AddCloudScroll(cr, w - m, m - 6, 30, true);
  AddCloudScroll(cr, m, h - m + 2, 30, false);
  AddCloudScroll(cr, w - m, h - m + 2, 30, true);
  SetColour(cr, kGold, 0.9);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void PaintButton(cairo_t* cr, const Language& language, double x, double y, double w, double h,
                 const std::string& label) {
  cairo_save(cr);
  // Drop shadow under the button.
  RoundedRect(cr, x + 2, y + 4, w, h, 14);
  SetColour(cr, {0, 0, 0}, 0.35);
  cairo_fill(cr);
  RoundedRect(cr, x, y, w, h, 14);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
  AddStop(g, 0.0, kCinnabar.Mix({240, 120, 90}, 0.35));
  AddStop(g, 0.5, kCinnabar);
  AddStop(g, 1.0, kCinnabarDark);
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_set_line_width(cr, 3);
  SetColour(cr, kGold);
  cairo_stroke(cr);
  RoundedRect(cr, x + 5, y + 5, w - 10, h - 10, 10);
  cairo_set_line_width(cr, 1);
  SetColour(cr, kGoldLight, 0.55);
  cairo_stroke(cr);
  // A soft highlight across the upper half.
  RoundedRect(cr, x + 8, y + 6, w - 16, h * 0.38, 9);
  cairo_pattern_t* hl = cairo_pattern_create_linear(0, y + 6, 0, y + 6 + h * 0.38);
  AddStop(hl, 0.0, {255, 255, 255}, 0.22);
  AddStop(hl, 1.0, {255, 255, 255}, 0.0);
  cairo_set_source(cr, hl);
  cairo_fill(cr);
  cairo_pattern_destroy(hl);
  cairo_restore(cr);
  if (label.empty()) return;
  // The rim and its inner line take 17 px on each side.
  PaintGoldText(cr, language.Fit(label, Face::Serif, true, h * 0.42, w - 34), x + w / 2, y + h / 2 + 1, 1.6);
}

void PaintNumberField(cairo_t* cr, double x, double y, double w, double h) {
  cairo_save(cr);
  RoundedRect(cr, x - 3, y - 3, w + 6, h + 6, 9);
  SetColour(cr, kGoldDark);
  cairo_fill(cr);
  RoundedRect(cr, x - 2, y - 2, w + 4, h + 4, 8);
  cairo_pattern_t* rim = cairo_pattern_create_linear(0, y - 2, 0, y + h + 2);
  AddStop(rim, 0.0, kGoldDark.Scaled(0.7));
  AddStop(rim, 1.0, kGoldLight);
  cairo_set_source(cr, rim);
  cairo_fill(cr);
  cairo_pattern_destroy(rim);
  RoundedRect(cr, x, y, w, h, 6);
  SetColour(cr, kFieldBg);
  cairo_fill(cr);
  cairo_restore(cr);
}

void PaintGoldText(cairo_t* cr, const Lettering& lettering, double cx, double cy, double outline) {
  const std::string& text = lettering.text;
  cairo_save(cr);
  SelectFont(cr, lettering);
  cairo_text_extents_t e = MeasureText(cr, text);
  double top = cy - e.height / 2, bottom = cy + e.height / 2;
  TextPathCentred(cr, text, cx + 1.5, cy + 2);
  SetColour(cr, {0, 0, 0}, 0.45);
  cairo_fill(cr);
  TextPathCentred(cr, text, cx, cy);
  FillGoldPath(cr, top, bottom, outline);
  cairo_restore(cr);
}

void PaintInkText(cairo_t* cr, const Lettering& text, double cx, double cy, Colour colour) {
  cairo_save(cr);
  SelectFont(cr, text);
  TextPathCentred(cr, text.text, cx, cy);
  SetColour(cr, colour);
  cairo_fill(cr);
  cairo_restore(cr);
}

}  // namespace contentgen
