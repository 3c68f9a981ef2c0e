#pragma once
// Tile art: the tile body ("border"), the faces drawn over it, the shadow, the selection and
// block marks, the small pattern tiles and the geometry they share.
#include "canvas.h"
#include "colour_vision.h"
#include "image.h"

namespace contentgen {

constexpr int kTileWidth = 72;
constexpr int kTileHeight = 88;
constexpr int kFaceX = 9;       // the face lies at (9, 0)
constexpr int kFaceWidth = 63;
constexpr int kFaceHeight = 78;
constexpr int kTileFaces = 28;  // faces 1..28; face 0 is the blank face
constexpr int kPatternTiles = 8;
constexpr int kPatternTileWidth = 36;
constexpr int kPatternTileHeight = 44;

// Draws the body (thickness and face plate) of one tile with its top-left corner at (0, 0) of the
// current transform.
void PaintTileBody(cairo_t* cr);

// Draws the face plate and the symbol of face 1..28 (0: plate only) over a body.
void PaintTileFace(cairo_t* cr, int face);

// Draws the symbol of a face inside the face rectangle (9, 0, 63, 78). Defined with the faces.
void PaintFaceSymbol(cairo_t* cr, int face);
// The same, the winds' small corner letter left out when `windLetter` is false.
void PaintFaceSymbol(cairo_t* cr, int face, bool windLetter);

// What a face is, as its corner mark in the clear set tells it: a suit sign and a number or
// letter. Defined with the faces; face 0 (the blank face) has an empty label.
enum class Suit { Dots, Bamboo, Characters, Winds, Dragons, Flowers };
struct FaceMark {
  Suit suit;
  const char* label;
};
FaceMark MarkOfFace(int face);

// The clear set: the same symbol, smaller, beside a large dark corner mark (art_clear_faces.cpp).
void PaintClearFaceSymbol(cairo_t* cr, int face);

Image MakeBorder();
Image MakeFace(int face);  // face area only, transparent elsewhere
Image MakeClearFace(int face);  // the same for the clear set
// A set of tile faces: the names it has in the archive (prefix and face number) and its painter.
// The game loads the classic set; the clear set lies beside it for a player who picks it.
struct TileSet {
  const char* prefix;
  Image (*make)(int face);
};
inline constexpr TileSet kClassicTiles{"tile", MakeFace};
inline constexpr TileSet kClearTiles{"cleartile", MakeClearFace};

// Faces 1..28 of a set, named as in the archive.
std::vector<NamedFace> TileSetFaces(const TileSet& set);

Image MakeShadow();
Image MakeTileSelect();
Image MakeTileBlock();
Image MakePatternTile(int index);

}  // namespace contentgen
