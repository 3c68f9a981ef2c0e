#pragma once
// The glyphs beyond Latin-1: "content\art\glyphs.txt" says where each character's glyph lies on
// the archive's glyph sheets ("glyphsheet0" ...), a line per character: its code point in hex,
// then its sheet, x, y, width and height.

// Cuts the listed glyphs out of their sheets into gResources.moreGlyphs, once. Lines that make
// no sense are passed over; without the list there are no more glyphs than Latin-1's.
void vLoadGlyphSheets();
