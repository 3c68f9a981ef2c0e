#pragma once
// The glyphs beyond Latin-1 that the game's own text needs: the Latin Extended-A and -B, Greek
// and Cyrillic blocks for the names players type, in the English content, and each language's
// characters beyond those in that language's folder, so that a page downloads the many CJK
// glyphs only with their language. They are packed row by row onto sheets of the screen's
// width ("glyphsheet0.pcx" ...), and a list says where each lies ("glyphs.txt": a line per
// character, its code point in hex, then its sheet, x, y, width and height).
#include <set>
#include <string>
#include <vector>

#include "image.h"
#include "po_catalogue.h"

namespace contentgen {

// The blocks' characters, less the ones the Latin-1 glyphs have.
std::set<char32_t> SharedSheetCharacters();
// The characters of one language's translations that neither Latin-1 nor the blocks have, and
// those its input method shows while a name is composed (the kana, the jamo).
std::set<char32_t> LanguageSheetCharacters(const Translations& catalogue);

struct GlyphSheets {
  std::vector<Image> sheets;
  std::string list;  // glyphs.txt
};

GlyphSheets MakeGlyphSheets(const std::set<char32_t>& characters);

}  // namespace contentgen
