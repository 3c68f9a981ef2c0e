#include "art_screens.h"

#include <cmath>
#include <string>
#include <vector>

#include "art_tiles.h"
#include "layout_constants.h"
#include "theme.h"

namespace contentgen {

using namespace palette;

namespace {

// The help's lines start at x 132 and end inside the frame's ornament.
constexpr double kHelpLineRoom = 850;
// A label under one example tile.
constexpr double kHelpMarkRoom = 64;
// The least space between two captions on the help's line of examples.
constexpr double kHelpCaptionGap = 8;
// How far an outer example tile's caption may move from the tile's middle: it stays under the tile.
constexpr double kHelpCaptionShift = 16;

// A tile drawn at (x, y), turned by `angle` and scaled, with a soft shadow under it.
void PaintLooseTile(cairo_t* cr, double x, double y, double angle, double scale, int face) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  cairo_scale(cr, scale, scale);
  for (int k = 6; k >= 1; --k) {
    RoundedRect(cr, -2 - k, 8 + k, kTileWidth + 2 * k - 6, kTileHeight - 6 + k, 8 + k);
    SetColour(cr, {0, 0, 0}, 0.06);
    cairo_fill(cr);
  }
  PaintTileBody(cr);
  PaintTileFace(cr, face);
  cairo_restore(cr);
}

// A little pyramid of tiles as the game stacks them, centred on cx with its top near `top`.
void PaintTilePile(cairo_t* cr, double cx, double top) {
  struct T {
    int c, r, z, face;
  };
  const T tiles[] = {{0, 0, 0, 7},  {2, 0, 0, 3},  {4, 0, 0, 12}, {6, 0, 0, 18}, {8, 0, 0, 5},  {0, 2, 0, 10},
                     {2, 2, 0, 16}, {4, 2, 0, 2},  {6, 2, 0, 9},  {8, 2, 0, 4},  {0, 4, 0, 21}, {2, 4, 0, 6},
                     {4, 4, 0, 14}, {6, 4, 0, 11}, {8, 4, 0, 8},  {1, 1, 1, 13}, {3, 1, 1, 17}, {5, 1, 1, 22},
                     {7, 1, 1, 15}, {1, 3, 1, 19}, {3, 3, 1, 23}, {5, 3, 1, 27}, {7, 3, 1, 24}, {3, 2, 2, 5},
                     {5, 2, 2, 3},  {4, 2, 3, 1}};
  cairo_save(cr);
  cairo_translate(cr, cx, top);
  cairo_scale(cr, 1.2, 1.2);
  double x0 = -(5 * 64 + 8) / 2.0, y0 = 30;
  // One soft shadow under the whole pile.
  for (int k = 10; k >= 1; --k) {
    RoundedRect(cr, x0 - 8 - k, y0 + 14 + k, 5 * 64 + 8 + 2 * k, 3 * 80 + 6 + k, 10 + k);
    SetColour(cr, {0, 0, 0}, 0.045);
    cairo_fill(cr);
  }
  auto at = [&](const T& t, double& x, double& y) { x = x0 + 32 * t.c + 9 * t.z, y = y0 + 40 * t.r - 10 * t.z; };
  for (int z = 0; z < 4; ++z) {
    // Shadows of this layer first, then its tiles from right to left and top to bottom.
    for (const T& t : tiles) {
      if (t.z != z || z == 0) continue;
      double x, y;
      at(t, x, y);
      for (int k = 3; k >= 0; --k) {
        RoundedRect(cr, x - 4 - k, y + 11, kTileWidth - 2 + 2 * k, kTileHeight - 6 + k, 8 + k);
        SetColour(cr, {0, 0, 0}, 0.09);
        cairo_fill(cr);
      }
    }
    for (int c = 8; c >= 0; --c) {
      for (int r = 0; r <= 4; ++r) {
        for (const T& t : tiles) {
          if (t.z != z || t.c != c || t.r != r) continue;
          double x, y;
          at(t, x, y);
          cairo_save(cr);
          cairo_translate(cr, x, y);
          PaintTileBody(cr);
          PaintTileFace(cr, t.face);
          cairo_restore(cr);
        }
      }
    }
  }
  cairo_restore(cr);
}

// A small bold line of text centred on (cx, cy) in the colour `c`.
void PaintLabel(cairo_t* cr, const Language& language, const std::string& text, double cx, double cy, double room) {
  PaintInkText(cr, language.Fit(text, Face::Serif, true, 15, room), cx, cy, kGoldLight.Mix(kGold, 0.4));
}

void PaintHintButton(cairo_t* cr, const Language& language) {
  double cx = kHintZone.x + kHintZone.w / 2.0, cy = kHintZone.y + kHintZone.h / 2.0, r = 33;
  cairo_arc(cr, cx + 1.5, cy + 3, r, 0, 2 * M_PI);
  SetColour(cr, {0, 0, 0}, 0.4);
  cairo_fill(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_pattern_t* rim = cairo_pattern_create_linear(0, cy - r, 0, cy + r);
  AddStop(rim, 0.0, kGoldLight);
  AddStop(rim, 1.0, kGoldDark);
  cairo_set_source(cr, rim);
  cairo_fill(cr);
  cairo_pattern_destroy(rim);
  cairo_arc(cr, cx, cy, r - 4, 0, 2 * M_PI);
  cairo_pattern_t* g = cairo_pattern_create_radial(cx - 8, cy - 12, 3, cx, cy, r);
  AddStop(g, 0.0, kCinnabar.Mix({255, 160, 120}, 0.45));
  AddStop(g, 1.0, kCinnabarDark);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // A small lantern of light above the word.
  cairo_save(cr);
  cairo_translate(cr, cx, cy - 9);
  for (int k = 0; k < 16; ++k) {
    double a = k * M_PI / 8, rr = k % 2 ? 5.0 : 12.0;
    double b = a + M_PI / 16;
    if (k == 0) cairo_move_to(cr, std::cos(a) * rr, std::sin(a) * rr);
    cairo_line_to(cr, std::cos(a) * rr, std::sin(a) * rr);
    cairo_line_to(cr, std::cos(b) * 3.5, std::sin(b) * 3.5);
  }
  cairo_close_path(cr);
  cairo_pattern_t* star = cairo_pattern_create_radial(0, 0, 1, 0, 0, 12);
  AddStop(star, 0.0, {255, 255, 230});
  AddStop(star, 1.0, kGold);
  cairo_set_source(cr, star);
  cairo_fill(cr);
  cairo_pattern_destroy(star);
  cairo_restore(cr);
  PaintGoldText(cr, language.Fit("HINT", Face::Serif, true, 15, 58), cx, cy + 16, 1.0);
}

void PaintHeader(cairo_t* cr, const Language& language) {
  // A darker band across the top with a gold rule under it.
  cairo_pattern_t* band = cairo_pattern_create_linear(0, 0, 0, 86);
  AddStop(band, 0.0, kLacquerDeep.Scaled(0.7));
  AddStop(band, 1.0, kLacquerDeep);
  cairo_set_source(cr, band);
  cairo_rectangle(cr, kTimeColumnWidth, 0, kScreenWidth - kTimeColumnWidth, 86);
  cairo_fill(cr);
  cairo_pattern_destroy(band);
  cairo_rectangle(cr, kTimeColumnWidth, 86, kScreenWidth - kTimeColumnWidth, 2);
  SetColour(cr, kGold);
  cairo_fill(cr);
  cairo_rectangle(cr, kTimeColumnWidth, 89, kScreenWidth - kTimeColumnWidth, 1);
  SetColour(cr, kGoldDark);
  cairo_fill(cr);

  const char* labels[] = {"SCORE", "LEVEL", "BEST"};
  const int xs[] = {kScoreX, kLevelX, kBestX};
  for (int i = 0; i < 3; ++i) {
    PaintNumberField(cr, xs[i], kNumberY - 5, kNumberFieldWidth, kDigitHeight + 9);
    PaintLabel(cr, language, labels[i], xs[i] + kNumberFieldWidth / 2.0, 27, kNumberFieldWidth - 15);
  }
  PaintNumberField(cr, kHintsLeftX - 5, kHintsLeftY - 3, kHintsLeftStep * 3 + 8, 38);
  PaintLabel(cr, language, "HINTS", kHintsLeftX + kHintsLeftStep * 1.5 - 1, 22, kHintsLeftStep * 3);
  PaintHintButton(cr, language);
  // A cloud ornament where the time warning blinks.
  cairo_set_line_width(cr, 2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  AddCloudScroll(cr, 128, 42, 44, false);
  SetColour(cr, kGold, 0.55);
  cairo_stroke(cr);
}

void PaintTimeColumn(cairo_t* cr) {
  cairo_rectangle(cr, 0, 0, kTimeColumnWidth, kScreenHeight);
  SetColour(cr, kColumn);
  cairo_fill(cr);
  cairo_rectangle(cr, kTimeColumnWidth, 0, 2, kScreenHeight);
  SetColour(cr, kGold);
  cairo_fill(cr);
  cairo_rectangle(cr, kTimeColumnWidth + 2, 0, 1, kScreenHeight);
  SetColour(cr, kGoldDark);
  cairo_fill(cr);
}

void PaintParagraph(cairo_t* cr, const Lettering& l, double x, double y, Colour c) {
  SelectFont(cr, l);
  cairo_move_to(cr, x, y);
  cairo_text_path(cr, l.text.c_str());
  SetColour(cr, c);
  cairo_fill(cr);
}

}  // namespace

Image MakeGameScreen(const Language& language) {
  Canvas c(kScreenWidth, kScreenHeight);
  cairo_t* cr = c.cr();
  PaintLacquer(cr, kScreenWidth, kScreenHeight, 3);
  // A soft darkening towards the edges of the board.
  cairo_pattern_t* v = cairo_pattern_create_radial(540, 420, 200, 540, 420, 700);
  AddStop(v, 0.0, {0, 0, 0}, 0.0);
  AddStop(v, 1.0, {0, 0, 0}, 0.35);
  cairo_set_source(cr, v);
  cairo_paint(cr);
  cairo_pattern_destroy(v);
  PaintHeader(cr, language);
  PaintTimeColumn(cr);
  return c.Opaque();
}

Image MakeTitle(const Language& language) {
  Canvas c(kScreenWidth, kScreenHeight);
  cairo_t* cr = c.cr();
  PaintLacquer(cr, kScreenWidth, kScreenHeight, 7);
  // A pale moon behind the name.
  cairo_pattern_t* moon = cairo_pattern_create_radial(512, 104, 20, 512, 104, 250);
  AddStop(moon, 0.0, kGoldLight, 0.30);
  AddStop(moon, 0.45, kGold, 0.10);
  AddStop(moon, 1.0, kGold, 0.0);
  cairo_set_source(cr, moon);
  cairo_paint(cr);
  cairo_pattern_destroy(moon);
  PaintGoldFrame(cr, 10, 10, kScreenWidth - 20, kScreenHeight - 20, 20, 5);

  // Tiles scattered in the lower corners and along the sides.
  PaintLooseTile(cr, 40, 600, -0.22, 1.15, 1);
  PaintLooseTile(cr, 110, 610, 0.05, 1.15, 5);
  PaintLooseTile(cr, 60, 470, 0.12, 1.0, 3);
  PaintLooseTile(cr, 880, 600, 0.18, 1.15, 2);
  PaintLooseTile(cr, 820, 630, -0.08, 1.15, 4);
  PaintLooseTile(cr, 900, 470, -0.1, 1.0, 12);
  PaintTilePile(cr, 512, 228);

  PaintGoldText(cr, Untranslated("Tavimora", Face::Serif, true, 118), 512, 100, 2.5);
  // Between the two gold rules either side.
  PaintInkText(cr, language.FitSpaced("MAHJONG SOLITAIRE", Face::Serif, true, 17, 384), 512, 166,
               kGoldLight.Mix(kGold, 0.5));
  cairo_set_line_width(cr, 1.5);
  for (double side : {-1.0, 1.0}) {
    cairo_move_to(cr, 512 + side * 200, 166);
    cairo_line_to(cr, 512 + side * 320, 166);
  }
  SetColour(cr, kGold);
  cairo_stroke(cr);
  PaintInkText(cr, language.Fit("Click or press Enter to start", Face::Serif, false, 21, 640), 512, kTitleHintY,
               kGoldLight);
  return c.Opaque();
}

Image MakeGameHelp(const Language& language) {
  Canvas c(kScreenWidth, kScreenHeight);
  cairo_t* cr = c.cr();
  PaintLacquer(cr, kScreenWidth, kScreenHeight, 11);
  PaintGoldFrame(cr, 10, 10, kScreenWidth - 20, kScreenHeight - 20, 20, 5);
  PaintGoldText(cr, language.Fit("How to Play", Face::Serif, true, 52, 900), 512, 70, 1.8);

  const char* lines[] = {
      "Click two free tiles that show the same face to take them away.",
      "A tile is free when no tile lies on it and its left or right side is open.",
      "Every pair earns 1,000 points and a little more time.",
      "Clear the board for a 50,000 point bonus, more time and the next layout.",
      "The time bar on the left runs down: when it is empty, the game is over.",
      "The HINT button shows a free pair. You have three hints,",
      "and each cleared board gives one more (three at most).",
      "Right click drops your selection.  Escape leaves the game.",
  };
  double y = 150;
  for (int i = 0; i < 8; ++i) {
    bool continued = i == 6;
    if (!continued) {
      cairo_arc(cr, 112, y - 7, 5, 0, 2 * M_PI);
      SetColour(cr, kGold);
      cairo_fill(cr);
    }
    PaintParagraph(cr, language.Fit(lines[i], Face::Serif, false, 22, kHelpLineRoom), 132, y, kIvory);
    y += continued || i == 4 ? 52 : (i == 5 ? 32 : 52);
  }

  // A small example: the middle tile is blocked on both sides, the outer ones are free.
  double ex = 330, ey = 560;
  for (int k = 2; k >= 0; --k) {
    cairo_save(cr);
    cairo_translate(cr, ex + k * 64, ey);
    PaintTileBody(cr);
    PaintTileFace(cr, k == 1 ? 4 : 1);
    cairo_restore(cr);
  }
  cairo_save(cr);
  cairo_translate(cr, 600, 560);
  PaintTileBody(cr);
  PaintTileFace(cr, 5);
  cairo_restore(cr);
  cairo_save(cr);
  cairo_translate(cr, 609, 550);
  PaintTileBody(cr);
  PaintTileFace(cr, 5);
  cairo_restore(cr);
  // One line of captions, one under each example tile and one under the stacked pair: one size,
  // never touching each other. The outer tiles' captions may move outwards a little, the pair's
  // to the right, where nothing else is.
  constexpr double kOuterRoom = kHelpMarkRoom + 2 * kHelpCaptionShift;
  const std::vector<Language::Caption> captions = {{"free", ex + 40, kOuterRoom, kHelpCaptionShift},
                                                   {"blocked", ex + 40 + 64, kHelpMarkRoom + 28},
                                                   {"free", ex + 40 + 128, kOuterRoom, kHelpCaptionShift},
                                                   {"the top tile is free", 645, 250, 2 * kHelpCaptionShift}};
  const CaptionRow row = language.FitCaptions(captions, Face::Serif, true, 17, kHelpCaptionGap);
  for (size_t k = 0; k < captions.size(); ++k) {
    PaintInkText(cr, row.lines[k], row.centres[k], ey + 108, k == 1 ? Colour{250, 120, 100} : kGoldLight);
  }
  // How to leave the help, and how to reach its second page.
  PaintInkText(cr,
               language.Fit("Enter goes back too; the Right arrow shows every key and pad button",
                            Face::Serif, false, 16, 900),
               512, 700, kGoldLight);
  PaintInkText(cr, language.Fit("Click anywhere to go back", Face::Serif, false, 18, 900), 512, 725, kGold);
  return c.Opaque();
}

}  // namespace contentgen
