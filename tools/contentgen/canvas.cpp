#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace contentgen {

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {
  cairo_set_antialias(cr_, CAIRO_ANTIALIAS_BEST);
  cairo_font_options_t* fo = cairo_font_options_create();
  cairo_font_options_set_antialias(fo, CAIRO_ANTIALIAS_GRAY);
  cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
  cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
  cairo_set_font_options(cr_, fo);
  cairo_font_options_destroy(fo);
}

Canvas::~Canvas() {
  cairo_destroy(cr_);
  cairo_surface_destroy(surface_);
}

Rgb Colour::ToRgb() const {
  auto b8 = [](double v) { return uint8_t(std::clamp(v + 0.5, 0.0, 255.0)); };
  return {b8(r), b8(g), b8(b)};
}

void SetColour(cairo_t* cr, Colour c, double alpha) {
  cairo_set_source_rgba(cr, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

void AddStop(cairo_pattern_t* p, double offset, Colour c, double alpha) {
  cairo_pattern_add_color_stop_rgba(p, offset, c.r / 255.0, c.g / 255.0, c.b / 255.0, alpha);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
  double r = std::min({radius, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

const char* FamilyName(Face face) {
  switch (face) {
    case Face::Serif: return "DejaVu Serif";
    case Face::CjkSerif: return "Noto Serif CJK SC";
    case Face::CjkSans: return "Noto Sans CJK SC";
    case Face::Sans: break;
  }
  return "DejaVu Sans";
}

void SelectFont(cairo_t* cr, Face face, bool bold, double size) {
  cairo_select_font_face(cr, FamilyName(face), CAIRO_FONT_SLANT_NORMAL,
                         bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr, size);
}

cairo_text_extents_t MeasureText(cairo_t* cr, const std::string& text) {
  cairo_text_extents_t e;
  cairo_text_extents(cr, text.c_str(), &e);
  return e;
}

void TextPathCentred(cairo_t* cr, const std::string& text, double cx, double cy) {
  cairo_text_extents_t e = MeasureText(cr, text);
  cairo_move_to(cr, cx - e.x_bearing - e.width / 2, cy - e.y_bearing - e.height / 2);
  cairo_text_path(cr, text.c_str());
}

void TextPathOnBaseline(cairo_t* cr, const std::string& text, double cx, double baseline) {
  cairo_text_extents_t e = MeasureText(cr, text);
  cairo_move_to(cr, cx - e.x_advance / 2, baseline);
  cairo_text_path(cr, text.c_str());
}

void FillGoldPath(cairo_t* cr, double top, double bottom, double outline) {
  cairo_save(cr);
  if (outline > 0) {
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, outline * 2);
    SetColour(cr, {38, 20, 6});
    cairo_stroke_preserve(cr);
  }
  cairo_pattern_t* g = cairo_pattern_create_linear(0, top, 0, bottom);
  AddStop(g, 0.0, {255, 244, 190});
  AddStop(g, 0.45, {236, 190, 84});
  AddStop(g, 0.55, {200, 140, 44});
  AddStop(g, 1.0, {246, 206, 110});
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

}  // namespace contentgen
