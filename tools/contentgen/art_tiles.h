#pragma once
// Tile art: the tile body ("border"), the faces drawn over it, the shadow, the selection and
// block marks, the small pattern tiles and the geometry they share.
#include "canvas.h"
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

Image MakeBorder();
Image MakeFace(int face);  // face area only, transparent elsewhere
Image MakeShadow();
Image MakeTileSelect();
Image MakeTileBlock();
Image MakePatternTile(int index);

}  // namespace contentgen
