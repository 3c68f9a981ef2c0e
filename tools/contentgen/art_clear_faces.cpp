// The clear tile set: every face keeps its classic symbol, drawn smaller towards the lower right,
// and carries a large dark mark in the upper left corner: its number or letter over its suit
// sign. The mark is ink on ivory, so two faces are always told apart by shape, never by colour
// alone (colour_vision.h checks it).
#include <cmath>

#include "art_tiles.h"
#include "theme.h"

namespace contentgen {
namespace {

constexpr double kSymbolScale = 0.76;           // the symbol, shrunk towards the face's lower right
constexpr double kMarkCx = kFaceX + 11.5;       // the mark's column
constexpr double kLabelCy = 13;                 // the number or letter
constexpr double kSignCy = 33;                  // the suit sign beneath it
constexpr Colour kMarkInk{18, 20, 32};

// Fills the current path in ink with an ivory halo, so that the mark stays legible where the
// symbol reaches under it.
void FillMark(cairo_t* cr, double halo) {
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_width(cr, halo);
  SetColour(cr, palette::kIvory);
  cairo_stroke_preserve(cr);
  SetColour(cr, kMarkInk);
  cairo_fill(cr);
}

void Label(cairo_t* cr, const char* label) {
  SelectFont(cr, Face::Sans, true, 22);
  TextPathCentred(cr, label, kMarkCx, kLabelCy);
  FillMark(cr, 3);
}

void Circle(cairo_t* cr, double x, double y, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
}

// Dots: a ring with a heart.
void DotsSign(cairo_t* cr) {
  Circle(cr, kMarkCx, kSignCy, 6.5);
  Circle(cr, kMarkCx, kSignCy, 3.8);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  Circle(cr, kMarkCx, kSignCy, 1.8);
  FillMark(cr, 2);
}

// Bamboo: an upright stick with two nodes.
void BambooSign(cairo_t* cr) {
  RoundedRect(cr, kMarkCx - 3, kSignCy - 8.5, 6, 17, 2.5);
  FillMark(cr, 2);
  for (double y : {kSignCy - 2.5, kSignCy + 3}) {
    cairo_move_to(cr, kMarkCx - 5, y);
    cairo_line_to(cr, kMarkCx + 5, y);
  }
  cairo_set_line_width(cr, 1.6);
  SetColour(cr, kMarkInk);
  cairo_stroke(cr);
}

// Characters: the character for ten thousand.
void CharactersSign(cairo_t* cr) {
  SelectFont(cr, Face::CjkSans, true, 16);
  TextPathCentred(cr, "萬", kMarkCx, kSignCy);
  FillMark(cr, 2);
}

// Winds: a four-pointed compass star.
void WindsSign(cairo_t* cr) {
  for (int k = 0; k < 8; ++k) {
    const double a = k * M_PI / 4 - M_PI / 2, r = k % 2 ? 2.6 : 8;
    const double x = kMarkCx + std::cos(a) * r, y = kSignCy + std::sin(a) * r;
    if (k == 0) cairo_move_to(cr, x, y);
    else cairo_line_to(cr, x, y);
  }
  cairo_close_path(cr);
  FillMark(cr, 2);
}

// Dragons: a diamond with an open heart.
void DragonsSign(cairo_t* cr) {
  const double r = 8;
  cairo_move_to(cr, kMarkCx, kSignCy - r);
  cairo_line_to(cr, kMarkCx + r * 0.8, kSignCy);
  cairo_line_to(cr, kMarkCx, kSignCy + r);
  cairo_line_to(cr, kMarkCx - r * 0.8, kSignCy);
  cairo_close_path(cr);
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  Circle(cr, kMarkCx, kSignCy, 2.2);
  FillMark(cr, 2);
}

// Flowers: five round petals.
void FlowersSign(cairo_t* cr) {
  for (int k = 0; k < 5; ++k) {
    const double a = -M_PI / 2 + k * 2 * M_PI / 5;
    Circle(cr, kMarkCx + std::cos(a) * 4.4, kSignCy + std::sin(a) * 4.4, 3.1);
  }
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  FillMark(cr, 2);
  Circle(cr, kMarkCx, kSignCy, 1.6);
  SetColour(cr, palette::kIvory);
  cairo_fill(cr);
}

void SuitSign(cairo_t* cr, Suit suit) {
  switch (suit) {
    case Suit::Dots: DotsSign(cr); break;
    case Suit::Bamboo: BambooSign(cr); break;
    case Suit::Characters: CharactersSign(cr); break;
    case Suit::Winds: WindsSign(cr); break;
    case Suit::Dragons: DragonsSign(cr); break;
    case Suit::Flowers: FlowersSign(cr); break;
  }
}

}  // namespace

void PaintClearFaceSymbol(cairo_t* cr, int face) {
  if (face < 1 || face > kTileFaces) return;
  cairo_save(cr);
  cairo_translate(cr, kFaceX + kFaceWidth, kFaceHeight);
  cairo_scale(cr, kSymbolScale, kSymbolScale);
  cairo_translate(cr, -(kFaceX + kFaceWidth), -kFaceHeight);
  PaintFaceSymbol(cr, face, false);  // the mark names the wind
  cairo_restore(cr);
  const FaceMark mark = MarkOfFace(face);
  cairo_save(cr);
  Label(cr, mark.label);
  SuitSign(cr, mark.suit);
  cairo_restore(cr);
}

}  // namespace contentgen
