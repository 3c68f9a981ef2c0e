#include "art_small.h"

#include <cmath>
#include <string>

#include "layout_constants.h"
#include "theme.h"

namespace contentgen {

using namespace palette;

Image MakeDigit(int index) {
  bool comma = index == 10;
  Canvas c(comma ? kCommaWidth : kDigitWidth, kDigitHeight);
  cairo_t* cr = c.cr();
  SelectFont(cr, Face::Serif, true, 29);
  std::string text = comma ? "," : std::string(1, char('0' + index));
  // Digits share one baseline; narrowed a little so that every digit fits an 18 px cell.
  cairo_text_extents_t e = MeasureText(cr, text);
  double sx = comma ? 1.0 : 0.86;
  cairo_translate(cr, c.width() / 2.0, 0);
  cairo_scale(cr, sx, 1.0);
  cairo_move_to(cr, -(e.x_bearing + e.width / 2), 24);
  cairo_text_path(cr, text.c_str());
  FillGoldPath(cr, 3, 24, 1.0);
  return c.Masked(kFieldBg.ToRgb(), 0.04);
}

Image MakeTick(Tick tick) {
  Canvas c(kTickSize, kTickSize);
  cairo_t* cr = c.cr();
  if (tick == Tick::Empty) {
    RoundedRect(cr, 1.5, 1.5, 14, 14, 3);
    SetColour(cr, {18, 44, 40});
    cairo_fill_preserve(cr);
    cairo_set_line_width(cr, 1);
    SetColour(cr, {34, 74, 66});
    cairo_stroke(cr);
    return c.Masked(kColumn.ToRgb());
  }
  Colour base = tick == Tick::Red ? Colour{214, 40, 30} : tick == Tick::Yellow ? Colour{236, 180, 30} : Colour{30, 178, 104};
  RoundedRect(cr, 1, 1, 15, 15, 3.5);
  cairo_pattern_t* g = cairo_pattern_create_radial(6, 5, 1, 8.5, 8.5, 11);
  AddStop(g, 0.0, base.Mix({255, 255, 255}, 0.55));
  AddStop(g, 0.6, base);
  AddStop(g, 1.0, base.Scaled(0.55));
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_set_line_width(cr, 1);
  SetColour(cr, base.Scaled(0.4));
  cairo_stroke(cr);
  RoundedRect(cr, 4, 3, 6, 3, 1.5);
  SetColour(cr, {255, 255, 255}, 0.55);
  cairo_fill(cr);
  return c.Masked(kColumn.ToRgb());
}

Image MakeHintMark(int frame) {
  Canvas c(kHintMarkSize, kHintMarkSize);
  cairo_t* cr = c.cr();
  double cx = 16, cy = 16;
  double pulse = frame / 3.0;
  // Rays that grow with the frame.
  cairo_save(cr);
  cairo_translate(cr, cx, cy);
  cairo_rotate(cr, pulse * M_PI / 8);
  double outer = 11 + pulse * 4.5, inner = 4.2 + pulse * 0.8;
  for (int k = 0; k < 16; ++k) {
    double a = k * M_PI / 8;
    double r = (k % 2 == 0) ? outer : outer * 0.62;
    if (k == 0) cairo_move_to(cr, std::cos(a) * r, std::sin(a) * r);
    cairo_line_to(cr, std::cos(a) * r, std::sin(a) * r);
    double b = a + M_PI / 16;
    cairo_line_to(cr, std::cos(b) * inner, std::sin(b) * inner);
  }
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, 1.8);
  SetColour(cr, {150, 72, 8});
  cairo_stroke_preserve(cr);
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 1, 0, 0, outer);
  AddStop(g, 0.0, {255, 255, 236});
  AddStop(g, 0.45, Colour{255, 214, 90}.Mix({255, 255, 220}, pulse * 0.4));
  AddStop(g, 1.0, {226, 132, 20});
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
  // The bright heart.
  cairo_arc(cr, cx, cy, 3.2 + pulse * 0.8, 0, 2 * M_PI);
  SetColour(cr, {255, 255, 246});
  cairo_fill(cr);
  return c.Masked({150, 72, 8});
}

Image MakeHelpButton() {
  Canvas c(kHelpButtonSize, kHelpButtonSize);
  cairo_t* cr = c.cr();
  double m = kHelpButtonSize / 2.0;
  cairo_arc(cr, m, m, m - 1, 0, 2 * M_PI);
  cairo_pattern_t* rim = cairo_pattern_create_linear(0, 0, 0, kHelpButtonSize);
  AddStop(rim, 0.0, kGoldLight);
  AddStop(rim, 1.0, kGoldDark);
  cairo_set_source(cr, rim);
  cairo_fill(cr);
  cairo_pattern_destroy(rim);
  cairo_arc(cr, m, m, m - 4.5, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(m - 5, m - 7, 2, m, m, m);
  AddStop(g, 0.0, kCinnabar.Mix({255, 160, 120}, 0.4));
  AddStop(g, 1.0, kCinnabarDark);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  PaintGoldText(cr, Untranslated("?", Face::Serif, true, 27), m, m + 1, 1.2);
  return c.Masked(kLacquerDeep.ToRgb());
}

Image MakeTimeWarning(const Language& language) {
  Canvas c(kTimeWarningWidth, kTimeWarningHeight);
  cairo_t* cr = c.cr();
  RoundedRect(cr, 1, 1, kTimeWarningWidth - 2, kTimeWarningHeight - 2, 9);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 0, kTimeWarningHeight);
  AddStop(g, 0.0, {236, 70, 40});
  AddStop(g, 1.0, {130, 14, 10});
  cairo_set_source(cr, g);
  cairo_fill_preserve(cr);
  cairo_pattern_destroy(g);
  cairo_set_line_width(cr, 2.5);
  SetColour(cr, kGold);
  cairo_stroke(cr);
  // An hourglass on the left.
  double hx = 22, hy = 22;
  cairo_move_to(cr, hx - 8, hy - 13);
  cairo_line_to(cr, hx + 8, hy - 13);
  cairo_line_to(cr, hx + 1.5, hy);
  cairo_line_to(cr, hx + 8, hy + 13);
  cairo_line_to(cr, hx - 8, hy + 13);
  cairo_line_to(cr, hx - 1.5, hy);
  cairo_close_path(cr);
  SetColour(cr, kIvory);
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 1.6);
  SetColour(cr, kGoldDark);
  cairo_stroke(cr);
  cairo_move_to(cr, hx - 5, hy + 11);
  cairo_line_to(cr, hx + 5, hy + 11);
  cairo_line_to(cr, hx, hy + 4);
  cairo_close_path(cr);
  SetColour(cr, kGold);
  cairo_fill(cr);
  // Right of the hourglass, centred on x 100.
  const double room = 2 * (100 - hx - 12);
  PaintGoldText(cr, language.Fit("HURRY!", Face::Serif, true, 19, room), 100, 17, 1.2);
  cairo_save(cr);
  const Lettering line = language.Fit("TIME RUNNING OUT", Face::Sans, true, 10.5, room);
  SelectFont(cr, line);
  TextPathCentred(cr, line.text, 100, 34);
  SetColour(cr, kIvory);
  cairo_fill(cr);
  cairo_restore(cr);
  return c.Masked({60, 10, 6});
}

}  // namespace contentgen
