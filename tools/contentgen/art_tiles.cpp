#include "art_tiles.h"

#include <cmath>

#include "layout_constants.h"
#include "theme.h"

namespace contentgen {

using namespace palette;

namespace {

constexpr double kFaceRadius = 7;
constexpr Colour kSlabSide{222, 208, 176};  // the ivory slab seen from the side
constexpr Colour kBack{24, 104, 84};        // the jade back of the tile
constexpr Rgb kEdgeMatte{14, 26, 22};       // what tile edges are seen against

void FacePath(cairo_t* cr) { RoundedRect(cr, kFaceX, 0, kFaceWidth, kFaceHeight, kFaceRadius); }

// The visible thickness: the face outline swept 9 px left and 10 px down, ivory slab first and
// jade back behind it, darker towards the bottom where less light falls.
void PaintThickness(cairo_t* cr) {
  const int steps = 24;
  for (int i = steps; i >= 1; --i) {
    double t = double(i) / steps;
    bool back = t > 0.48;
    Colour base = back ? kBack : kSlabSide;
    cairo_pattern_t* g = cairo_pattern_create_linear(0, 10 * t, 0, kFaceHeight + 10 * t);
    AddStop(g, 0.0, base.Mix({255, 255, 255}, back ? 0.10 : 0.2));
    AddStop(g, 1.0, base.Scaled(back ? 0.55 : 0.72));
    cairo_set_source(cr, g);
    RoundedRect(cr, kFaceX - 9 * t, 10 * t, kFaceWidth, kFaceHeight, kFaceRadius);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
  // A fine seam where the ivory slab meets the jade back.
  RoundedRect(cr, kFaceX - 9 * 0.48, 10 * 0.48, kFaceWidth, kFaceHeight, kFaceRadius);
  cairo_set_line_width(cr, 0.8);
  SetColour(cr, kBack.Scaled(0.6), 0.7);
  cairo_stroke(cr);
  // The base's outer edge, dark, so that where tiles stand on each other every layer's base
  // shows as a band of its own, and a light line along the slab's top edge beside the face.
  RoundedRect(cr, kFaceX - 9 + 0.7, 10 - 0.7, kFaceWidth, kFaceHeight, kFaceRadius);
  cairo_set_line_width(cr, 1.4);
  SetColour(cr, kBack.Scaled(0.3));
  cairo_stroke(cr);
  RoundedRect(cr, kFaceX - 4.5, 5, kFaceWidth, kFaceHeight, kFaceRadius);
  cairo_set_line_width(cr, 0.8);
  SetColour(cr, {255, 255, 255}, 0.35);
  cairo_stroke(cr);
}

void PaintFacePlate(cairo_t* cr) {
  FacePath(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(kFaceX, 0, kFaceX + kFaceWidth * 0.6, kFaceHeight);
  AddStop(g, 0.0, {255, 252, 240});
  AddStop(g, 0.55, kIvory);
  AddStop(g, 1.0, {238, 228, 204});
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Bevel: a light rim along the top and left, a shade along the bottom and right.
  RoundedRect(cr, kFaceX + 1.2, 1.2, kFaceWidth - 2.4, kFaceHeight - 2.4, kFaceRadius - 1);
  cairo_pattern_t* rim = cairo_pattern_create_linear(kFaceX, 0, kFaceX + kFaceWidth, kFaceHeight);
  AddStop(rim, 0.0, {255, 255, 255}, 0.9);
  AddStop(rim, 0.5, {255, 255, 255}, 0.0);
  AddStop(rim, 0.51, {150, 130, 96}, 0.0);
  AddStop(rim, 1.0, {150, 130, 96}, 0.55);
  cairo_set_source(cr, rim);
  cairo_set_line_width(cr, 1.6);
  cairo_stroke(cr);
  cairo_pattern_destroy(rim);
}

// Keeps only the pixels of `image` that lie inside the face outline.
Image CutToFace(const Image& image) {
  Canvas mask(kTileWidth, kTileHeight);
  FacePath(mask.cr());
  cairo_set_source_rgb(mask.cr(), 1, 1, 1);
  cairo_fill(mask.cr());
  Image m = mask.Masked({255, 255, 255});
  Image out(image.width, image.height);
  for (size_t i = 0; i < out.pixels.size(); ++i) {
    if (m.pixels[i] != kTransparent) out.pixels[i] = image.pixels[i];
  }
  return out;
}

// A band frame just inside the face outline, drawn as nested strokes from outside in.
void PaintFaceFrame(cairo_t* cr, const Colour* bands, int count, double bandWidth) {
  for (int i = 0; i < count; ++i) {
    double inset = bandWidth * (i + 0.5);
    RoundedRect(cr, inset, inset, kFaceWidth - 2 * inset, kFaceHeight - 2 * inset, kFaceRadius - inset * 0.5);
    cairo_set_line_width(cr, bandWidth + 0.6);
    SetColour(cr, bands[i]);
    cairo_stroke(cr);
  }
}

}  // namespace

void PaintTileBody(cairo_t* cr) {
  cairo_save(cr);
  PaintThickness(cr);
  PaintFacePlate(cr);
  cairo_restore(cr);
}

void PaintTileFace(cairo_t* cr, int face) {
  cairo_save(cr);
  PaintFacePlate(cr);
  if (face > 0) PaintFaceSymbol(cr, face);
  cairo_restore(cr);
}

Image MakeBorder() {
  Canvas c(kTileWidth, kTileHeight);
  PaintTileBody(c.cr());
  return c.Masked(kEdgeMatte);
}

namespace {
// A face painted by `symbol` over the plate, cut to the face outline.
Image FaceImage(int face, void (*symbol)(cairo_t*, int)) {
  Canvas c(kTileWidth, kTileHeight);
  PaintTileBody(c.cr());
  PaintFacePlate(c.cr());
  if (face > 0) symbol(c.cr(), face);
  return CutToFace(c.Masked(kEdgeMatte));
}
}  // namespace

Image MakeFace(int face) { return FaceImage(face, PaintFaceSymbol); }

Image MakeClearFace(int face) { return FaceImage(face, PaintClearFaceSymbol); }

std::vector<NamedFace> TileSetFaces(const TileSet& set) {
  std::vector<NamedFace> faces;
  for (int face = 1; face <= kTileFaces; ++face) faces.push_back({set.prefix + std::to_string(face), set.make(face)});
  return faces;
}

Image MakeShadow() {
  Canvas c(kTileWidth, kTileHeight);
  PaintThickness(c.cr());
  PaintFacePlate(c.cr());
  Image body = c.Masked(kEdgeMatte);
  // The tile's silhouette in one dark colour: the game darkens the board under it when drawing,
  // so only the shape counts. Where the tile itself will cover it, drawn just after its shadow,
  // it is left out: darkening what is covered anyway would only cost time.
  auto covered = [&](int x, int y) {
    const int bx = x + screen::kShadowDx, by = y + screen::kShadowDy;
    return bx >= 0 && by >= 0 && bx < kTileWidth && by < kTileHeight &&
           body.at(bx, by) != kTransparent;
  };
  Image out(kTileWidth, kTileHeight);
  for (int y = 0; y < kTileHeight; ++y) {
    for (int x = 0; x < kTileWidth; ++x) {
      if (body.at(x, y) != kTransparent && !covered(x, y)) out.at(x, y) = {8, 12, 10};
    }
  }
  return out;
}

Image MakeTileSelect() {
  Canvas c(kFaceWidth, kFaceHeight);
  const Colour bands[] = {{255, 150, 20}, {255, 196, 40}, {255, 232, 120}, {255, 250, 210}};
  PaintFaceFrame(c.cr(), bands, 4, 1.6);
  return c.Masked({255, 200, 60});
}

Image MakeTileBlock() {
  Canvas c(kFaceWidth, kFaceHeight);
  cairo_t* cr = c.cr();
  const Colour bands[] = {{120, 0, 0}, {220, 30, 24}, {255, 70, 50}};
  PaintFaceFrame(cr, bands, 3, 1.7);
  // A bold cross through the face.
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_move_to(cr, 14, 17);
  cairo_line_to(cr, kFaceWidth - 14, kFaceHeight - 17);
  cairo_move_to(cr, kFaceWidth - 14, 17);
  cairo_line_to(cr, 14, kFaceHeight - 17);
  cairo_set_line_width(cr, 7);
  SetColour(cr, {120, 0, 0});
  cairo_stroke_preserve(cr);
  cairo_set_line_width(cr, 4);
  SetColour(cr, {236, 40, 30});
  cairo_stroke(cr);
  return c.Masked({200, 40, 30});
}

Image MakePatternTile(int index) {
  Canvas c(kPatternTileWidth, kPatternTileHeight);
  cairo_t* cr = c.cr();
  cairo_scale(cr, 0.5, 0.5);
  PaintTileBody(cr);
  const int faces[kPatternTiles] = {1, 2, 3, 4, 5, 9, 12, 16};
  PaintTileFace(cr, faces[index % kPatternTiles]);
  return c.Masked(kEdgeMatte);
}

}  // namespace contentgen
