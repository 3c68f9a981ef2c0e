#pragma once
// The glyphs beyond Latin-1 that the game's own text needs: the Latin Extended-A and -B, Greek
// and Cyrillic blocks for the names players type, and every character the catalogues' texts
// use. They are packed row by row onto sheets of the screen's width ("glyphsheet0.pcx" ...),
// and a list says where each lies ("glyphs.txt": a line per character, its code point in hex,
// then its sheet, x, y, width and height).
#include <set>
#include <string>
#include <vector>

#include "image.h"
#include "po_catalogue.h"

namespace contentgen {

// The blocks' characters and those of the translations, less the ones the Latin-1 glyphs have.
std::set<char32_t> SheetCharacters(const std::vector<Translations>& catalogues);

struct GlyphSheets {
  std::vector<Image> sheets;
  std::string list;  // glyphs.txt
};

GlyphSheets MakeGlyphSheets(const std::set<char32_t>& characters);

}  // namespace contentgen
