#pragma once
// The look shared by every picture: deep jade lacquer, gold trim, cinnabar buttons and ivory
// tiles with jade backs.
#include <cstdint>
#include <string>

#include "canvas.h"
#include "lettering.h"

namespace contentgen {

namespace palette {
constexpr Colour kLacquerDeep{6, 38, 36};
constexpr Colour kLacquer{14, 72, 64};
constexpr Colour kLacquerLight{36, 118, 100};
constexpr Colour kGold{228, 184, 92};
constexpr Colour kGoldLight{255, 236, 170};
constexpr Colour kGoldDark{132, 88, 28};
constexpr Colour kIvory{250, 245, 230};
constexpr Colour kIvoryShade{228, 216, 188};
constexpr Colour kCinnabar{170, 36, 28};
constexpr Colour kCinnabarDark{96, 16, 14};
constexpr Colour kInk{26, 30, 48};
constexpr Colour kFieldBg{8, 30, 29};      // inside the number fields, behind the digits
constexpr Colour kPanelInner{12, 52, 48};  // inside the message plaque
constexpr Colour kColumn{5, 22, 21};       // the time bar's column
}  // namespace palette

// A lacquered surface over the whole canvas area (w x h) with a faint pattern of cloud scrolls.
void PaintLacquer(cairo_t* cr, double w, double h, uint32_t seed);

// A cloud scroll ornament (a spiral with a tail) centred at (x, y) of the given size.
void AddCloudScroll(cairo_t* cr, double x, double y, double size, bool mirrored);

// A double gold frame following a rounded rectangle.
void PaintGoldFrame(cairo_t* cr, double x, double y, double w, double h, double radius, double width);

// A panel: lacquer inside a gold frame with corner ornaments, filling (0, 0, w, h).
void PaintPanel(cairo_t* cr, double w, double h, uint32_t seed, bool roundOverBackdrop = false);

// A cinnabar button with a gold rim and its label (English, painted in `language`; none when
// empty).
void PaintButton(cairo_t* cr, const Language& language, double x, double y, double w, double h,
                 const std::string& label);

// A recessed field for numbers: flat kFieldBg inside a gold-edged groove.
void PaintNumberField(cairo_t* cr, double x, double y, double w, double h);

// Gold capitals centred on (cx, cy).
void PaintGoldText(cairo_t* cr, const Lettering& text, double cx, double cy, double outline = 1.5);

// A line of plain serif text in one colour, its ink centred on (cx, cy).
void PaintInkText(cairo_t* cr, const Lettering& text, double cx, double cy, Colour colour);

}  // namespace contentgen
