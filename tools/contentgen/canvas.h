#pragma once
// A cairo image surface with its drawing context, and the small path and text helpers the art
// code shares. Text goes through cairo's font selection (fontconfig picks the installed face).
#include <string>

#include <cairo.h>

#include "image.h"

namespace contentgen {

class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }

  Image Opaque() const { return ImageFromSurface(surface_); }
  Image Masked(Rgb matte, double threshold = 0.5) const {
    return MaskedImageFromSurface(surface_, matte, threshold);
  }

 private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// Colours as 0..255 components.
struct Colour {
  double r, g, b;
  Colour Mix(Colour o, double t) const { return {r + (o.r - r) * t, g + (o.g - g) * t, b + (o.b - b) * t}; }
  Colour Scaled(double k) const { return {r * k, g * k, b * k}; }
  Rgb ToRgb() const;
};

void SetColour(cairo_t* cr, Colour c, double alpha = 1.0);
void AddStop(cairo_pattern_t* p, double offset, Colour c, double alpha = 1.0);

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);

// Fonts by family; `bold` picks the bold weight.
enum class Face { Sans, Serif, CjkSerif, CjkSans };
const char* FamilyName(Face face);
void SelectFont(cairo_t* cr, Face face, bool bold, double size);

// Advance width and ink extents of a UTF-8 text in the current font.
cairo_text_extents_t MeasureText(cairo_t* cr, const std::string& text);

// Adds the path of the text with its ink box centred on (cx, cy).
void TextPathCentred(cairo_t* cr, const std::string& text, double cx, double cy);

// Adds the path of the text with its advance centred on cx and its baseline at y.
void TextPathOnBaseline(cairo_t* cr, const std::string& text, double cx, double baseline);

// Gold lettering: a dark outline, a vertical gold gradient and a thin light edge.
void FillGoldPath(cairo_t* cr, double top, double bottom, double outline);

}  // namespace contentgen
