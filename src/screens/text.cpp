#include "screens/text.h"

#include "gfx/game_resources.h"
#include "rules/score_table.h"
#include "screens/screen_layout.h"

static_assert(kGlyphSprites == screen::kGlyphCount, "one sprite per glyph");

namespace {
const Sprite& GlyphOf(char32_t c) {
  const int slot = screen::iGlyphSlot(c);
  if (slot != screen::kReplacementGlyph) return gResources.glyphs[slot];
  const auto more = gResources.moreGlyphs.find(c);
  return more != gResources.moreGlyphs.end() ? more->second : gResources.glyphs[slot];
}

const Sprite& GlyphAt(std::string_view utf8, size_t& pos) { return GlyphOf(NextCharacter(utf8, pos)); }
}  // namespace

bool bHasGlyph(char32_t c) { return &GlyphOf(c) != &gResources.glyphs[screen::kReplacementGlyph]; }

int iTextWidth(std::string_view utf8) {
  int width = 0;
  for (size_t pos = 0; pos < utf8.size();) width += GlyphAt(utf8, pos).width;
  return width;
}

int iDrawText(std::string_view utf8, int x, int y, int maxWidth) {
  int width = 0;
  for (size_t pos = 0; pos < utf8.size();) {
    const Sprite& glyph = GlyphAt(utf8, pos);
    if (width + glyph.width > maxWidth) break;
    glyph.Draw(x + width, y);
    width += glyph.width;
  }
  return width;
}

void vDrawTextRight(std::string_view utf8, int right, int y) {
  iDrawText(utf8, right - iTextWidth(utf8), y);
}

void vDrawTextCentred(std::string_view utf8, int centreX, int y) {
  iDrawText(utf8, centreX - iTextWidth(utf8) / 2, y);
}
