#pragma once
// The glyphs beyond Latin-1: "content\art\glyphs.txt" says where each character's glyph lies on
// the archive's glyph sheets ("glyphsheet0" ...), a line per character: its code point in hex,
// then its sheet, x, y, width and height. Each language's folder has a list and sheets of its
// own for its characters beyond the alphabets ("content\art\ja\glyphs.txt"), so that a page
// downloads those only with the language.

// Cuts the listed glyphs out of their sheets into gResources.moreGlyphs: the English content's
// once; from each language folder, once it is there (on a page, once the language has been
// fetched), the alphabets a name may be typed in; and the characters of the language in use,
// releasing those of the language shown before. Lines that make no sense are passed over;
// without a list there are no more glyphs than Latin-1's.
void vLoadGlyphSheets();
