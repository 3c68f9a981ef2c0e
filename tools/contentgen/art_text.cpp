// The glyphs the game writes names and the score table with: gold serif letters matted against
// the flat field of the score panel, one picture per character, as wide as its advance.
#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "art_screens.h"
#include "layout_constants.h"
#include "lettering.h"
#include "rules/score_table.h"
#include "theme.h"

namespace contentgen {

using namespace palette;

namespace {
std::string Utf8Of(char32_t c) {
  if (c < 0x80) return std::string(1, char(c));
  if (c < 0x800) return {char(0xC0 | (c >> 6)), char(0x80 | (c & 0x3F))};
  if (c < 0x10000) return {char(0xE0 | (c >> 12)), char(0x80 | ((c >> 6) & 0x3F)), char(0x80 | (c & 0x3F))};
  return {char(0xF0 | (c >> 18)), char(0x80 | ((c >> 12) & 0x3F)), char(0x80 | ((c >> 6) & 0x3F)),
          char(0x80 | (c & 0x3F))};
}

bool bHangul(char32_t c) {
  return (c >= 0x1100 && c <= 0x11FF) || (c >= 0x3130 && c <= 0x318F) || (c >= 0xAC00 && c <= 0xD7AF);
}

// The serif of the rest of the art, and for Chinese, Japanese and Korean characters the Noto
// CJK serif that has them (Korean's for Hangul, Japanese's for kana and Han).
std::string GlyphFamily(char32_t c) {
  if (bHangul(c)) return "Noto Serif CJK KR";
  if (c >= 0x2E80) return "Noto Serif CJK JP";
  return FamilyName(Face::Serif);
}

// A gold-edged box with a question mark: the character has no glyph.
Image MakeReplacementMark() {
  Canvas c(kReplacementMarkWidth, kGlyphHeight);
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
  return MakeCharacterGlyph(GlyphCharacter(slot));
}

int GlyphWidth(char32_t character) {
  if (character < 0x20 || (character >= 0x7F && character < 0xA0)) return kReplacementMarkWidth;
  static std::map<char32_t, int> measured;
  auto [at, added] = measured.emplace(character, 0);
  if (added) {
    const std::string text = Utf8Of(character);
    Canvas probe(1, 1);
    SelectFont(probe.cr(), Lettering{text, GlyphFamily(character), true, kGlyphFontSize});
    at->second = std::max(1, int(std::lround(MeasureText(probe.cr(), text).x_advance)) + 1);
  }
  return at->second;
}

int GlyphTextWidth(const std::string& utf8) {
  int width = 0;
  for (size_t pos = 0; pos < utf8.size();) width += GlyphWidth(NextCharacter(utf8, pos));
  return width;
}

Image MakeCharacterGlyph(char32_t character) {
  const std::string text = Utf8Of(character);
  const Lettering font{text, GlyphFamily(character), true, kGlyphFontSize};
  Canvas c(GlyphWidth(character), kGlyphHeight);
  cairo_t* cr = c.cr();
  SelectFont(cr, font);
  cairo_move_to(cr, 0.5, kGlyphBaseline);
  cairo_text_path(cr, text.c_str());
  FillGoldPath(cr, kGlyphBaseline - kGlyphFontSize * 0.74, kGlyphBaseline, 0.9);
  return c.Masked(kPanelInner.ToRgb(), 0.04);
}

}  // namespace contentgen
