// The glyphs the game writes names and the score table with: gold serif letters matted against
// the flat field of the score panel, one picture per character, as wide as its advance.
#include <algorithm>
#include <cmath>
#include <string>

#include "art_screens.h"
#include "layout_constants.h"
#include "theme.h"

namespace contentgen {

using namespace palette;

namespace {
std::string Utf8Of(char32_t c) {
  if (c < 0x80) return std::string(1, char(c));
  return {char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};  // Latin-1 needs two bytes at most
}

// A gold-edged box with a question mark: the character has no glyph.
Image MakeReplacementMark() {
  Canvas c(16, kGlyphHeight);
  cairo_t* cr = c.cr();
  RoundedRect(cr, 2, kGlyphBaseline - 17, 12, 19, 2.5);
  cairo_set_line_width(cr, 1.5);
  SetColour(cr, kGold);
  cairo_stroke(cr);
  SelectFont(cr, Face::Sans, true, 12);
  TextPathCentred(cr, "?", 8, kGlyphBaseline - 7.5);
  SetColour(cr, kIvory);
  cairo_fill(cr);
  return c.Masked(kPanelInner.ToRgb(), 0.04);
}
}  // namespace

Image MakeGlyph(int slot) {
  if (slot == kReplacementGlyph) return MakeReplacementMark();
  std::string text = Utf8Of(GlyphCharacter(slot));
  int width = 0;
  {
    Canvas probe(1, 1);
    SelectFont(probe.cr(), Face::Serif, true, kGlyphFontSize);
    width = std::max(1, int(std::lround(MeasureText(probe.cr(), text).x_advance)) + 1);
  }
  Canvas c(width, kGlyphHeight);
  cairo_t* cr = c.cr();
  SelectFont(cr, Face::Serif, true, kGlyphFontSize);
  cairo_move_to(cr, 0.5, kGlyphBaseline);
  cairo_text_path(cr, text.c_str());
  FillGoldPath(cr, kGlyphBaseline - kGlyphFontSize * 0.74, kGlyphBaseline, 0.9);
  return c.Masked(kPanelInner.ToRgb(), 0.04);
}

}  // namespace contentgen
