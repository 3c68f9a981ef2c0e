#pragma once
// Lines of text drawn from the glyph pictures: UTF-8 in, one glyph per character, a replacement
// mark for a character without a glyph (or a broken byte).
#include <string_view>

// True when the character is drawn with a glyph of its own, not the replacement mark.
bool bHasGlyph(char32_t c);

// The width in pixels the text takes.
int iTextWidth(std::string_view utf8);

// Draws the text with its line's top-left corner at (x, y), leaving out the glyphs that would
// reach past `maxWidth`. Returns the width drawn.
int iDrawText(std::string_view utf8, int x, int y, int maxWidth = 1 << 20);

// The same with the text's right edge at `right`, or centred on `centreX`.
void vDrawTextRight(std::string_view utf8, int right, int y);
void vDrawTextCentred(std::string_view utf8, int centreX, int y);
