// Menu panels and the messages shown over the message plaque.
#include <cmath>
#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "art_screens.h"
#include "art_tiles.h"
#include "layout_constants.h"
#include "theme.h"

namespace contentgen {

using namespace palette;

namespace {

void PaintSideTile(cairo_t* cr, double x, double y, double angle, int face) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  for (int k = 5; k >= 1; --k) {
    RoundedRect(cr, -2 - k, 8 + k, kTileWidth + 2 * k - 6, kTileHeight - 6 + k, 8 + k);
    SetColour(cr, {0, 0, 0}, 0.07);
    cairo_fill(cr);
  }
  PaintTileBody(cr);
  PaintTileFace(cr, face);
  cairo_restore(cr);
}

void PaintSubtitle(cairo_t* cr, const Lettering& l, const Rect& b) {
  cairo_save(cr);
  SelectFont(cr, l);
  TextPathCentred(cr, l.text, b.x + b.w / 2.0, b.y + b.h - 13);
  SetColour(cr, kIvory, 0.9);
  cairo_fill(cr);
  cairo_restore(cr);
}

// The part of a full-screen picture at (left, top), for opaque pictures drawn over it.
void PaintPicturePart(cairo_t* cr, const Image& picture, int left, int top, int width, int height) {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  unsigned char* data = cairo_image_surface_get_data(s);
  const int stride = cairo_image_surface_get_stride(s);
  cairo_surface_flush(s);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * stride);
    for (int x = 0; x < width; ++x) {
      const Rgb& p = picture.at(left + x, top + y);
      row[x] = (uint32_t{p.r} << 16) | (uint32_t{p.g} << 8) | p.b;
    }
  }
  cairo_surface_mark_dirty(s);
  cairo_set_source_surface(cr, s, 0, 0);
  cairo_paint(cr);
  cairo_surface_destroy(s);
}

// The title's texts lie above every picture drawn over it: its English copy serves all.
const Image& EnglishTitle() {
  static const Image title = MakeTitle(Language());
  return title;
}

void PaintTitlePart(cairo_t* cr, int left, int top, int width, int height) {
  const Image& title = EnglishTitle();
  PaintPicturePart(cr, title, left, top, width, height);
}

// The panels are opaque and always drawn centred over the title picture: painting that part of
// the title first lets their rounded corners blend into it instead of showing a dark square.
void PaintTitleBehind(cairo_t* cr, int width, int height) {
  PaintTitlePart(cr, (kScreenWidth - width) / 2, (kScreenHeight - height) / 2, width, height);
}

// A button's room: its width less the rim on both sides.
constexpr double kButtonRoom = kMenuButtons[0].w - 34;

Image MenuPanel(const Language& language, const char* const labels[3], const char* const subtitles[3],
                const int faces[2], uint32_t seed) {
  Canvas c(kMenuWidth, kMenuHeight);
  cairo_t* cr = c.cr();
  PaintTitleBehind(cr, kMenuWidth, kMenuHeight);
  PaintPanel(cr, kMenuWidth, kMenuHeight, seed, true);
  PaintSideTile(cr, 52, 140, -0.12, faces[0]);
  PaintSideTile(cr, kMenuWidth - 52 - 72, 132, 0.12, faces[1]);
  for (int i = 0; i < 3; ++i) {
    const Rect& b = kMenuButtons[i];
    PaintButton(cr, language, b.x, b.y, b.w, b.h, subtitles ? "" : labels[i]);
    if (subtitles) {
      PaintGoldText(cr, language.Fit(labels[i], Face::Serif, true, 25, kButtonRoom), b.x + b.w / 2.0, b.y + 26, 1.5);
      PaintSubtitle(cr, language.Fit(subtitles[i], Face::Serif, false, 12.5, kButtonRoom), b);
    }
  }
  return c.Opaque();
}

// The flat colour of the plaque's middle, which every message picture shares.
void FillFlat(Canvas& c) {
  cairo_rectangle(c.cr(), 0, 0, c.width(), c.height());
  SetColour(c.cr(), kPanelInner);
  cairo_fill(c.cr());
}

// The flat field where glyphs are drawn: the colour they are matted against.
void PaintScoreField(cairo_t* cr) {
  const Rect& f = kScoreField;
  RoundedRect(cr, f.x, f.y, f.w, f.h, 12);
  SetColour(cr, kPanelInner);
  cairo_fill_preserve(cr);
  cairo_set_line_width(cr, 1.5);
  SetColour(cr, kGold);
  cairo_stroke(cr);
}

// The YES/NO box, its corners blending into the picture it is drawn over.
Image YesNoBox(const Language& language, const Image& behind, const std::string& question) {
  Canvas c(kAreYouSureWidth, kAreYouSureHeight);
  cairo_t* cr = c.cr();
  PaintPicturePart(cr, behind, (kScreenWidth - kAreYouSureWidth) / 2,
                   (kScreenHeight - kAreYouSureHeight) / 2, kAreYouSureWidth, kAreYouSureHeight);
  PaintPanel(cr, kAreYouSureWidth, kAreYouSureHeight, 23, true);
  PaintGoldText(cr, language.Fit(question, Face::Serif, true, 46, kAreYouSureWidth - 90),
                kAreYouSureWidth / 2.0, 92, 1.8);
  PaintButton(cr, language, kYesButton.x, kYesButton.y, kYesButton.w, kYesButton.h, "YES");
  PaintButton(cr, language, kNoButton.x, kNoButton.y, kNoButton.w, kNoButton.h, "NO");
  return c.Opaque();
}

// A button on the flat colour of a panel's middle.
Image FlatButton(const Language& language, const Rect& b, const char* label) {
  Canvas c(b.w, b.h);
  cairo_rectangle(c.cr(), 0, 0, b.w, b.h);
  SetColour(c.cr(), kPanelInner);
  cairo_fill(c.cr());
  PaintButton(c.cr(), language, 1, 1, b.w - 4, b.h - 6, label);
  return c.Opaque();
}

}  // namespace

Image MakeScorePanel() {
  Canvas c(kScorePanelWidth, kScorePanelHeight);
  PaintPanel(c.cr(), kScorePanelWidth, kScorePanelHeight, 61, false);
  PaintScoreField(c.cr());
  return c.Opaque();
}

Image MakeScoresButton(const Language& language) {
  const Rect& b = kScoresButton;
  Canvas c(b.w, b.h);
  PaintTitlePart(c.cr(), b.x, b.y, b.w, b.h);
  PaintButton(c.cr(), language, 1, 1, b.w - 4, b.h - 6, "HIGH SCORES");
  return c.Opaque();
}

Image MakeOkButton(const Language& language) { return FlatButton(language, kNameOkButton, "OK"); }

Image MakePausedOptionsButton(const Language& language) {
  return FlatButton(language, kPausedOptionsButton, "OPTIONS");
}

Image MakeAreYouSure(const Language& language) {
  return YesNoBox(language, EnglishTitle(), "Quit Tavimora?");
}

Image MakeLeaveGame(const Language& language) {
  // The box hides the board's middle, where the playing screen has no text: one copy serves all.
  static const Image screen = MakeGameScreen(Language());
  return YesNoBox(language, screen, "Leave this game?");
}

Image MakeOptionsButton(const Language& language) {
  const Rect& b = kOptionsButton;
  Canvas c(b.w, b.h);
  PaintTitlePart(c.cr(), b.x, b.y, b.w, b.h);
  PaintButton(c.cr(), language, 1, 1, b.w - 4, b.h - 6, "OPTIONS");
  return c.Opaque();
}

// The score panel's field with the heading and a thin line under each row of settings.
Image MakeOptionsPanel(const Language& language) {
  Canvas c(kOptionsPanelWidth, kOptionsPanelHeight);
  cairo_t* cr = c.cr();
  PaintPanel(cr, kOptionsPanelWidth, kOptionsPanelHeight, 67, false);
  PaintScoreField(cr);
  PaintGoldText(cr, language.Fit("Options", Face::Serif, true, 34, kScoreField.w - 40),
                kOptionsPanelWidth / 2.0, kOptionsHeadingY + 12, 1.4);
  cairo_set_line_width(cr, 1);
  SetColour(cr, kGold, 0.35);
  for (int i = 0; i < kOptionsRows; ++i) {
    const double y =
        kOptionsFirstRowY + i * kOptionsRowStep + kOptionsRowZone.y + kOptionsRowZone.h + 0.5;
    cairo_move_to(cr, kOptionsRowZone.x, y);
    cairo_line_to(cr, kOptionsRowZone.x + kOptionsRowZone.w, y);
  }
  cairo_stroke(cr);
  return c.Opaque();
}

// Every column away from the rounded ends is the same, so the game can show it at any width
// by drawing its two halves apart.
Image MakeNotePanel() {
  const double h = kNoteStrip.h;
  Canvas c(kNotePanelWidth, kNoteStrip.h);
  cairo_t* cr = c.cr();
  RoundedRect(cr, 0.5, 0.5, kNotePanelWidth - 1, h - 1, 9);
  cairo_pattern_t* rim = cairo_pattern_create_linear(0, 0, 0, h);
  AddStop(rim, 0.0, kGoldLight);
  AddStop(rim, 0.5, kGold);
  AddStop(rim, 1.0, kGoldDark);
  cairo_set_source(cr, rim);
  cairo_fill(cr);
  cairo_pattern_destroy(rim);
  RoundedRect(cr, 2.5, 2.5, kNotePanelWidth - 5, h - 5, 7);
  SetColour(cr, kLacquerDeep);
  cairo_fill(cr);
  RoundedRect(cr, 4, 4, kNotePanelWidth - 8, h - 8, 5.5);
  SetColour(cr, kPanelInner);
  cairo_fill(cr);
  return c.Masked(kLacquerDeep.ToRgb());
}

Image MakeMenuBar(const Language& language) {
  const char* labels[3] = {"NEW GAME", "HELP", "QUIT"};
  const int faces[2] = {1, 5};
  return MenuPanel(language, labels, nullptr, faces, 21);
}

Image MakeChooseDifficulty(const Language& language) {
  const char* labels[3] = {"EASY", "MEDIUM", "HARD"};
  const char* subtitles[3] = {"a gentle pace", "the time runs faster", "for quick hands"};
  const int faces[2] = {3, 2};
  return MenuPanel(language, labels, subtitles, faces, 21);
}


Image MakeMessageBar(bool second) {
  const Rect& m = kMessageBar;
  Canvas c(m.w, m.h);
  cairo_t* cr = c.cr();
  Colour inner = second ? Colour{110, 22, 18} : kPanelInner;
  RoundedRect(cr, 2, 2, m.w - 4, m.h - 4, 26);
  cairo_clip(cr);
  PaintLacquer(cr, m.w, m.h, second ? 41 : 31);
  cairo_reset_clip(cr);
  PaintGoldFrame(cr, 2, 2, m.w - 4, m.h - 4, 26, 5);
  // The flat middle where the messages are placed, framed by a thin gold line.
  RoundedRect(cr, kMessageFlatInset, 68, m.w - 2 * kMessageFlatInset, m.h - 136, 12);
  SetColour(cr, inner);
  cairo_fill(cr);
  cairo_set_line_width(cr, 3);
  SetColour(cr, kGoldDark);
  RoundedRect(cr, 130, 62, m.w - 260, m.h - 124, 16);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 1.5);
  SetColour(cr, kGold);
  RoundedRect(cr, 130, 62, m.w - 260, m.h - 124, 16);
  cairo_stroke(cr);
  cairo_set_line_width(cr, 2.2);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  for (auto [x, y, mirror] : {std::tuple{70.0, 100.0, false}, std::tuple{m.w - 70.0, 100.0, true},
                              std::tuple{70.0, m.h - 90.0, false}, std::tuple{m.w - 70.0, m.h - 90.0, true}}) {
    AddCloudScroll(cr, x, y, 52, mirror);
  }
  SetColour(cr, kGold, 0.85);
  cairo_stroke(cr);
  return c.Masked(kLacquerDeep.ToRgb());
}

// A message's small line under its words.
Lettering InkLine(const Language& language, const std::string& text, double width) {
  return language.Fit(text, Face::Serif, false, 15, width - kMessageMargin);
}

Image MakeGameOver(const Language& language) {
  Canvas c(kGameOver.w, kGameOver.h);
  FillFlat(c);
  const double room = kGameOver.w - kMessageMargin;
  PaintGoldText(c.cr(), language.Fit("GAME OVER", Face::Serif, true, 50, room), kGameOver.w / 2.0,
                kGameOver.h / 2.0 - 6, 2);
  PaintInkText(c.cr(), InkLine(language, "the time has run out", kGameOver.w), kGameOver.w / 2.0, kGameOver.h - 16,
               kIvory);
  return c.Opaque();
}

Image MakeNoMoreMoves(const Language& language) {
  Canvas c(kNoMoreMoves.w, kNoMoreMoves.h);
  FillFlat(c);
  double cx = kNoMoreMoves.w / 2.0, room = kNoMoreMoves.w - kMessageMargin;
  // Both lines in one size, whichever needs the smaller.
  const std::vector<Lettering> lines = language.FitTogether({"NO MORE", "MOVES"}, Face::Serif, true, 40, room);
  PaintGoldText(c.cr(), lines[0], cx, 38, 1.8);
  PaintGoldText(c.cr(), lines[1], cx, 86, 1.8);
  PaintInkText(c.cr(), InkLine(language, "the tiles are dealt again", kNoMoreMoves.w), cx, 134, kIvory);
  return c.Opaque();
}

Image MakeLevelClearBonus(const Language& language) {
  Canvas c(kLevelClearBonus.w, kLevelClearBonus.h);
  FillFlat(c);
  double cx = kLevelClearBonus.w / 2.0, room = kLevelClearBonus.w - kMessageMargin;
  PaintGoldText(c.cr(), language.Fit("LEVEL CLEAR!", Face::Serif, true, 40, room), cx, 38, 1.8);
  PaintGoldText(c.cr(), language.Fit("+50,000", Face::Serif, true, 44, room), cx, 96, 1.8);
  PaintInkText(c.cr(), InkLine(language, "bonus points, extra time and a hint", kLevelClearBonus.w), cx, 150,
               kIvory);
  return c.Opaque();
}

Image MakeClickToContinue(const Language& language) {
  Canvas c(kClickToContinueWidth, kClickToContinueHeight);
  cairo_t* cr = c.cr();
  cairo_rectangle(cr, 0, 0, c.width(), c.height());
  SetColour(cr, kLacquerDeep);
  cairo_fill(cr);
  RoundedRect(cr, 3, 3, c.width() - 6, c.height() - 6, 12);
  cairo_clip(cr);
  PaintLacquer(cr, c.width(), c.height(), 51);
  cairo_reset_clip(cr);
  PaintGoldFrame(cr, 3, 3, c.width() - 6, c.height() - 6, 12, 3);
  PaintGoldText(cr, language.Fit("Click to continue", Face::Serif, true, 32, c.width() - 40), c.width() / 2.0,
                c.height() / 2.0, 1.6);
  return c.Opaque();
}

}  // namespace contentgen
