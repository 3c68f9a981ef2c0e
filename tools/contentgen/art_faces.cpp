// The 28 tile faces. The first five are the most unlike each other (one colour and shape each),
// because the first level deals only faces 1..5; neighbouring numbers of a suit come later.
#include <cmath>
#include <string>
#include <tuple>

#include "art_tiles.h"
#include "theme.h"

namespace contentgen {
namespace {

constexpr double kCx = kFaceX + kFaceWidth / 2.0;  // centre of the face
constexpr double kCy = kFaceHeight / 2.0;

constexpr Colour kRed{196, 32, 30};
constexpr Colour kGreen{18, 124, 66};
constexpr Colour kBlue{26, 70, 158};
constexpr Colour kNavy{22, 30, 70};
constexpr Colour kPink{236, 120, 156};

enum class Kind { Dot, Bamboo, Character, Wind, RedDragon, GreenDragon, WhiteDragon, Plum, Orchid, Chrysanthemum, Peony };

struct FaceSpec {
  Kind kind;
  int number;  // 1..6 for suits, 0..3 for winds (E, S, W, N)
};

const FaceSpec kFaces[kTileFaces + 1] = {
    {Kind::Dot, 0},
    {Kind::RedDragon, 0}, {Kind::GreenDragon, 0}, {Kind::Dot, 1}, {Kind::Wind, 0}, {Kind::Plum, 0},
    {Kind::Bamboo, 1}, {Kind::WhiteDragon, 0}, {Kind::Character, 1}, {Kind::Orchid, 0}, {Kind::Wind, 1},
    {Kind::Dot, 4}, {Kind::Chrysanthemum, 0}, {Kind::Bamboo, 3}, {Kind::Wind, 2}, {Kind::Character, 3},
    {Kind::Peony, 0}, {Kind::Wind, 3}, {Kind::Dot, 2}, {Kind::Bamboo, 2}, {Kind::Character, 2},
    {Kind::Dot, 5}, {Kind::Bamboo, 5}, {Kind::Character, 5}, {Kind::Dot, 3}, {Kind::Bamboo, 4},
    {Kind::Character, 4}, {Kind::Dot, 6}, {Kind::Bamboo, 6},
};

void Glyph(cairo_t* cr, const std::string& text, double cx, double cy, double size, Colour colour,
           Face face = Face::CjkSerif, bool bold = true) {
  cairo_save(cr);
  SelectFont(cr, face, bold, size);
  TextPathCentred(cr, text, cx + 0.8, cy + 0.9);
  SetColour(cr, {150, 130, 100}, 0.35);
  cairo_fill(cr);
  TextPathCentred(cr, text, cx, cy);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, cy - size / 2, 0, cy + size / 2);
  AddStop(g, 0.0, colour.Mix({255, 255, 255}, 0.18));
  AddStop(g, 1.0, colour.Scaled(0.78));
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void Disk(cairo_t* cr, double x, double y, double r, Colour c, double alpha = 1) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, r, 0, 2 * M_PI);
  SetColour(cr, c, alpha);
  cairo_fill(cr);
}

// One dot: a coloured disc with an ivory ring, a lighter core and a glint.
void Dot(cairo_t* cr, double x, double y, double r, Colour c) {
  Disk(cr, x + 0.6, y + 0.8, r, {120, 100, 70}, 0.35);
  Disk(cr, x, y, r, c.Scaled(0.8));
  Disk(cr, x, y, r * 0.80, palette::kIvory);
  cairo_pattern_t* g = cairo_pattern_create_radial(x - r * 0.25, y - r * 0.3, r * 0.05, x, y, r * 0.66);
  AddStop(g, 0.0, c.Mix({255, 255, 255}, 0.45));
  AddStop(g, 1.0, c);
  cairo_set_source(cr, g);
  cairo_new_sub_path(cr);
  cairo_arc(cr, x, y, r * 0.64, 0, 2 * M_PI);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  for (int k = 0; k < 8; ++k) {
    double a = k * M_PI / 4;
    Disk(cr, x + std::cos(a) * r * 0.42, y + std::sin(a) * r * 0.42, r * 0.09, palette::kIvory, 0.85);
  }
  Disk(cr, x, y, r * 0.16, palette::kIvory);
}

void BigDot(cairo_t* cr) {
  double r = 25;
  Disk(cr, kCx + 0.8, kCy + 1, r, {120, 100, 70}, 0.35);
  Disk(cr, kCx, kCy, r, kGreen);
  Disk(cr, kCx, kCy, r * 0.86, palette::kIvory);
  for (int k = 0; k < 16; ++k) {
    double a = k * M_PI / 8;
    cairo_save(cr);
    cairo_translate(cr, kCx + std::cos(a) * r * 0.72, kCy + std::sin(a) * r * 0.72);
    cairo_rotate(cr, a);
    cairo_scale(cr, 1.0, 0.55);
    Disk(cr, 0, 0, r * 0.12, kBlue);
    cairo_restore(cr);
  }
  Dot(cr, kCx, kCy, r * 0.56, kRed);
}

void Dots(cairo_t* cr, int n) {
  struct P { double x, y; Colour c; };
  const double l = kCx - 13, rr = kCx + 13, m = kCx;
  switch (n) {
    case 2: {
      const P p[] = {{m, kCy - 17, kGreen}, {m, kCy + 17, kBlue}};
      for (const P& d : p) Dot(cr, d.x, d.y, 13, d.c);
      break;
    }
    case 3: {
      const P p[] = {{l - 3, kCy - 22, kBlue}, {m, kCy, kRed}, {rr + 3, kCy + 22, kGreen}};
      for (const P& d : p) Dot(cr, d.x, d.y, 11, d.c);
      break;
    }
    case 4: {
      const P p[] = {{l, kCy - 16, kBlue}, {rr, kCy - 16, kGreen}, {l, kCy + 16, kGreen}, {rr, kCy + 16, kBlue}};
      for (const P& d : p) Dot(cr, d.x, d.y, 12, d.c);
      break;
    }
    case 5: {
      const P p[] = {{l - 2, kCy - 21, kBlue}, {rr + 2, kCy - 21, kGreen}, {m, kCy, kRed},
                     {l - 2, kCy + 21, kGreen}, {rr + 2, kCy + 21, kBlue}};
      for (const P& d : p) Dot(cr, d.x, d.y, 10.5, d.c);
      break;
    }
    case 6: {
      const P p[] = {{l, kCy - 23, kGreen}, {rr, kCy - 23, kGreen}, {l, kCy, kRed},
                     {rr, kCy, kRed}, {l, kCy + 23, kRed}, {rr, kCy + 23, kRed}};
      for (const P& d : p) Dot(cr, d.x, d.y, 10.5, d.c);
      break;
    }
    default: BigDot(cr); break;
  }
}

// One bamboo stick, centred on (x, y), with nodes at both ends and in the middle.
void Stick(cairo_t* cr, double x, double y, double h, Colour c) {
  double w = 8;
  RoundedRect(cr, x - w / 2 + 0.7, y - h / 2 + 0.9, w, h, 3.5);
  SetColour(cr, {120, 100, 70}, 0.3);
  cairo_fill(cr);
  RoundedRect(cr, x - w / 2, y - h / 2, w, h, 3.5);
  cairo_pattern_t* g = cairo_pattern_create_linear(x - w / 2, 0, x + w / 2, 0);
  AddStop(g, 0.0, c.Scaled(0.7));
  AddStop(g, 0.35, c.Mix({255, 255, 255}, 0.35));
  AddStop(g, 1.0, c.Scaled(0.65));
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  for (double ny : {y - h / 2 + 2.5, y, y + h / 2 - 2.5}) {
    cairo_save(cr);
    cairo_translate(cr, x, ny);
    cairo_scale(cr, 1.0, 0.35);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, w / 2 + 1.2, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColour(cr, c.Scaled(0.5));
    cairo_fill(cr);
  }
  cairo_move_to(cr, x - 1.2, y - h / 2 + 4);
  cairo_line_to(cr, x - 1.2, y - 2);
  cairo_move_to(cr, x - 1.2, y + 2);
  cairo_line_to(cr, x - 1.2, y + h / 2 - 4);
  cairo_set_line_width(cr, 1);
  SetColour(cr, {255, 255, 255}, 0.45);
  cairo_stroke(cr);
}

// The one of bamboo: a peacock with its tail spread.
void Peacock(cairo_t* cr) {
  double bx = kCx, by = kCy + 14;
  for (int k = 0; k < 7; ++k) {
    double a = -M_PI / 2 + (k - 3) * 0.34;
    double ex = bx + std::cos(a) * 30, ey = by + std::sin(a) * 30;
    cairo_move_to(cr, bx, by);
    cairo_line_to(cr, ex, ey);
    cairo_set_line_width(cr, 2);
    SetColour(cr, kGreen.Scaled(0.8));
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, ex, ey);
    cairo_rotate(cr, a);
    cairo_scale(cr, 1.0, 0.72);
    Disk(cr, 0, 0, 6.5, kGreen);
    Disk(cr, 0, 0, 4.3, {40, 170, 150});
    Disk(cr, 0, 0, 2.6, kBlue);
    Disk(cr, 0, 0, 1.1, {250, 210, 80});
    cairo_restore(cr);
  }
  // Body, neck and head.
  cairo_save(cr);
  cairo_translate(cr, bx, by + 4);
  cairo_scale(cr, 0.75, 1.0);
  Disk(cr, 0, 0, 10, kBlue);
  cairo_restore(cr);
  cairo_move_to(cr, bx - 3, by - 2);
  cairo_curve_to(cr, bx - 5, by - 10, bx + 2, by - 14, bx + 1, by - 17);
  cairo_set_line_width(cr, 4.5);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetColour(cr, kBlue);
  cairo_stroke(cr);
  Disk(cr, bx + 1.5, by - 18, 3.6, kBlue);
  cairo_move_to(cr, bx + 4.5, by - 18.5);
  cairo_line_to(cr, bx + 8.5, by - 17.2);
  cairo_line_to(cr, bx + 4.5, by - 16.5);
  SetColour(cr, {230, 160, 40});
  cairo_fill(cr);
  for (int k = -1; k <= 1; ++k) {
    cairo_move_to(cr, bx + 1.5, by - 21);
    cairo_line_to(cr, bx + 1.5 + k * 3, by - 27);
    cairo_set_line_width(cr, 1);
    SetColour(cr, kRed);
    cairo_stroke(cr);
    Disk(cr, bx + 1.5 + k * 3, by - 27.5, 1.4, kRed);
  }
  Disk(cr, bx + 2.5, by - 18.6, 1.0, palette::kIvory);
  // Legs and ground line.
  cairo_move_to(cr, bx - 3, by + 13);
  cairo_line_to(cr, bx - 5, by + 23);
  cairo_move_to(cr, bx + 3, by + 13);
  cairo_line_to(cr, bx + 5, by + 23);
  cairo_set_line_width(cr, 1.5);
  SetColour(cr, kRed.Scaled(0.8));
  cairo_stroke(cr);
}

void Bamboos(cairo_t* cr, int n) {
  const double l = kCx - 12, r = kCx + 12, m = kCx;
  switch (n) {
    case 2:
      Stick(cr, m, kCy - 15, 27, kGreen);
      Stick(cr, m, kCy + 15, 27, kBlue);
      break;
    case 3:
      Stick(cr, m, kCy - 15, 27, kGreen);
      Stick(cr, l, kCy + 15, 27, kBlue);
      Stick(cr, r, kCy + 15, 27, kBlue);
      break;
    case 4:
      Stick(cr, l, kCy - 15, 27, kGreen);
      Stick(cr, r, kCy - 15, 27, kBlue);
      Stick(cr, l, kCy + 15, 27, kBlue);
      Stick(cr, r, kCy + 15, 27, kGreen);
      break;
    case 5:
      Stick(cr, l - 4, kCy - 15, 27, kGreen);
      Stick(cr, r + 4, kCy - 15, 27, kBlue);
      Stick(cr, m, kCy, 27, kRed);
      Stick(cr, l - 4, kCy + 15, 27, kBlue);
      Stick(cr, r + 4, kCy + 15, 27, kGreen);
      break;
    case 6:
      for (int k = -1; k <= 1; ++k) {
        Stick(cr, m + k * 15, kCy - 15, 27, kGreen);
        Stick(cr, m + k * 15, kCy + 15, 27, kBlue);
      }
      break;
    default: Peacock(cr); break;
  }
}

void Characters(cairo_t* cr, int n) {
  static const char* kNumerals[] = {"", "一", "二", "三", "四", "五", "六"};
  Glyph(cr, kNumerals[n], kCx, kCy - 17, 28, kNavy);
  Glyph(cr, "萬", kCx, kCy + 16, 31, kRed);
}

void WindFace(cairo_t* cr, int wind, bool withLetter) {
  static const char* kWinds[] = {"東", "南", "西", "北"};
  static const char* kLetters[] = {"E", "S", "W", "N"};
  Glyph(cr, kWinds[wind], kCx + 1, kCy + 3, 44, kNavy);
  if (withLetter) Glyph(cr, kLetters[wind], kFaceX + 9, 10, 11, kRed, Face::Sans, true);
}

void WhiteDragon(cairo_t* cr) {
  double w = 40, h = 58, x = kCx - w / 2, y = kCy - h / 2;
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
  cairo_rectangle(cr, x, y, w, h);
  cairo_set_line_width(cr, 4.5);
  SetColour(cr, kBlue);
  cairo_stroke(cr);
  cairo_rectangle(cr, x + 6, y + 6, w - 12, h - 12);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  // Corner keys.
  for (int cx = 0; cx < 2; ++cx) {
    for (int cy = 0; cy < 2; ++cy) {
      double px = cx ? x + w - 6 : x + 6, py = cy ? y + h - 6 : y + 6;
      cairo_rectangle(cr, px - 3, py - 3, 6, 6);
      SetColour(cr, kBlue);
      cairo_fill(cr);
    }
  }
}

// A five-petal blossom with a golden heart.
void Blossom(cairo_t* cr, double x, double y, double r, Colour petal, double turn) {
  for (int k = 0; k < 5; ++k) {
    double a = turn + k * 2 * M_PI / 5;
    Disk(cr, x + std::cos(a) * r * 0.55, y + std::sin(a) * r * 0.55, r * 0.52, petal.Scaled(0.86));
    Disk(cr, x + std::cos(a) * r * 0.58, y + std::sin(a) * r * 0.58, r * 0.44, petal);
  }
  Disk(cr, x, y, r * 0.3, {250, 226, 120});
  for (int k = 0; k < 5; ++k) {
    double a = turn + M_PI / 5 + k * 2 * M_PI / 5;
    Disk(cr, x + std::cos(a) * r * 0.32, y + std::sin(a) * r * 0.32, r * 0.07, {170, 60, 40});
  }
}

void Branch(cairo_t* cr, const double* pts, int count, double width, Colour c) {
  cairo_move_to(cr, pts[0], pts[1]);
  for (int i = 2; i + 5 < count * 2; i += 6) cairo_curve_to(cr, pts[i], pts[i + 1], pts[i + 2], pts[i + 3], pts[i + 4], pts[i + 5]);
  cairo_set_line_width(cr, width);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  SetColour(cr, c);
  cairo_stroke(cr);
}

void Leaf(cairo_t* cr, double x, double y, double length, double width, double angle, Colour c) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, 0, 0);
  cairo_curve_to(cr, length * 0.3, -width, length * 0.7, -width, length, 0);
  cairo_curve_to(cr, length * 0.7, width, length * 0.3, width, 0, 0);
  SetColour(cr, c);
  cairo_fill_preserve(cr);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_move_to(cr, 1, 0);
  cairo_line_to(cr, length * 0.85, 0);
  cairo_restore(cr);
  cairo_set_line_width(cr, 0.8);
  SetColour(cr, c.Mix({255, 255, 255}, 0.35));
  cairo_stroke(cr);
}

void Plum(cairo_t* cr) {
  const double trunk[] = {kFaceX + 10, 72, kFaceX + 22, 58, kFaceX + 14, 44, kFaceX + 30, 30,
                          kFaceX + 40, 22, kFaceX + 46, 14, kFaceX + 52, 8};
  Branch(cr, trunk, 7, 3.2, {84, 52, 36});
  const double twig[] = {kFaceX + 24, 42, kFaceX + 34, 46, kFaceX + 44, 52, kFaceX + 52, 56};
  Branch(cr, twig, 4, 2, {84, 52, 36});
  Blossom(cr, kFaceX + 40, 24, 11, kPink, 0.3);
  Blossom(cr, kFaceX + 19, 50, 10, kPink, 1.0);
  Blossom(cr, kFaceX + 48, 52, 8.5, kPink.Mix({255, 255, 255}, 0.2), 0.6);
  Disk(cr, kFaceX + 52, 9, 3.2, kPink.Scaled(0.85));
  Disk(cr, kFaceX + 13, 36, 2.8, kPink.Scaled(0.85));
}

void Orchid(cairo_t* cr) {
  Colour leaf{36, 120, 60};
  Leaf(cr, kFaceX + 30, 72, 44, 3.2, -2.0, leaf);
  Leaf(cr, kFaceX + 32, 72, 50, 3.4, -1.3, leaf.Scaled(0.85));
  Leaf(cr, kFaceX + 30, 72, 36, 3.0, -2.55, leaf.Mix({80, 160, 60}, 0.4));
  Colour petal{150, 70, 176};
  for (auto [x, y, s] : {std::tuple{kFaceX + 22.0, 26.0, 1.0}, std::tuple{kFaceX + 44.0, 18.0, 0.85}}) {
    for (int k = 0; k < 5; ++k) {
      double a = -M_PI / 2 + k * 2 * M_PI / 5;
      Leaf(cr, x, y, 12 * s, 3.6 * s, a, k == 2 ? petal.Mix({255, 255, 255}, 0.3) : petal);
    }
    Disk(cr, x, y, 2.4 * s, {250, 220, 90});
  }
  const double stem[] = {kFaceX + 31, 72, kFaceX + 30, 50, kFaceX + 26, 38, kFaceX + 22, 30};
  Branch(cr, stem, 4, 1.4, {40, 110, 50});
}

void Chrysanthemum(cairo_t* cr) {
  Colour leaf{44, 116, 52};
  const double stem[] = {kCx, 74, kCx - 2, 60, kCx + 2, 48, kCx, 36};
  Branch(cr, stem, 4, 2.2, leaf.Scaled(0.8));
  Leaf(cr, kCx, 60, 20, 6, -0.4, leaf);
  Leaf(cr, kCx, 56, 19, 6, M_PI + 0.5, leaf.Scaled(0.85));
  double x = kCx, y = 28;
  for (int layer = 0; layer < 3; ++layer) {
    double len = 21 - layer * 5.5;
    Colour c = Colour{214, 128, 20}.Mix({255, 214, 70}, layer * 0.45);
    int count = 22 - layer * 4;
    for (int k = 0; k < count; ++k) {
      double a = k * 2 * M_PI / count + layer * 0.2;
      Leaf(cr, x, y, len, 2.6, a, c);
    }
  }
  Disk(cr, x, y, 4, {190, 90, 20});
}

void Peony(cairo_t* cr) {
  Colour leaf{40, 112, 56};
  Leaf(cr, kCx - 2, 50, 22, 7, M_PI * 0.82, leaf);
  Leaf(cr, kCx + 2, 50, 22, 7, M_PI * 0.18, leaf.Scaled(0.85));
  Leaf(cr, kCx, 56, 18, 6, M_PI * 0.5, leaf.Mix({90, 160, 70}, 0.3));
  double x = kCx, y = 34;
  for (int layer = 0; layer < 4; ++layer) {
    double r = 21 - layer * 4.8;
    Colour c = Colour{150, 14, 40}.Mix({240, 90, 110}, layer * 0.3);
    int count = 7 - (layer > 1 ? 2 : 0);
    for (int k = 0; k < count; ++k) {
      double a = k * 2 * M_PI / count + layer * 0.45;
      Disk(cr, x + std::cos(a) * r * 0.45, y + std::sin(a) * r * 0.45, r * 0.55, c.Scaled(0.88));
      Disk(cr, x + std::cos(a) * r * 0.47, y + std::sin(a) * r * 0.47, r * 0.47, c);
    }
  }
  Disk(cr, x, y, 3.4, {250, 220, 100});
}

}  // namespace

FaceMark MarkOfFace(int face) {
  static const char* const kNumbers[] = {"", "1", "2", "3", "4", "5", "6"};
  static const char* const kWinds[] = {"E", "S", "W", "N"};
  if (face < 1 || face > kTileFaces) return {Suit::Dots, ""};
  const FaceSpec& f = kFaces[face];
  switch (f.kind) {
    case Kind::Dot: return {Suit::Dots, kNumbers[f.number]};
    case Kind::Bamboo: return {Suit::Bamboo, kNumbers[f.number]};
    case Kind::Character: return {Suit::Characters, kNumbers[f.number]};
    case Kind::Wind: return {Suit::Winds, kWinds[f.number]};
    case Kind::RedDragon: return {Suit::Dragons, "R"};
    case Kind::GreenDragon: return {Suit::Dragons, "G"};
    case Kind::WhiteDragon: return {Suit::Dragons, "W"};
    case Kind::Plum: return {Suit::Flowers, "1"};
    case Kind::Orchid: return {Suit::Flowers, "2"};
    case Kind::Chrysanthemum: return {Suit::Flowers, "3"};
    case Kind::Peony: return {Suit::Flowers, "4"};
  }
  return {Suit::Dots, ""};
}

void PaintFaceSymbol(cairo_t* cr, int face) { PaintFaceSymbol(cr, face, true); }

void PaintFaceSymbol(cairo_t* cr, int face, bool windLetter) {
  if (face < 1 || face > kTileFaces) return;
  const FaceSpec& f = kFaces[face];
  cairo_save(cr);
  switch (f.kind) {
    case Kind::Dot: Dots(cr, f.number); break;
    case Kind::Bamboo: Bamboos(cr, f.number); break;
    case Kind::Character: Characters(cr, f.number); break;
    case Kind::Wind: WindFace(cr, f.number, windLetter); break;
    case Kind::RedDragon: Glyph(cr, "中", kCx, kCy, 50, kRed); break;
    case Kind::GreenDragon: Glyph(cr, "發", kCx, kCy, 46, kGreen); break;
    case Kind::WhiteDragon: WhiteDragon(cr); break;
    case Kind::Plum: Plum(cr); break;
    case Kind::Orchid: Orchid(cr); break;
    case Kind::Chrysanthemum: Chrysanthemum(cr); break;
    case Kind::Peony: Peony(cr); break;
  }
  cairo_restore(cr);
}

}  // namespace contentgen
