#include "glyph_sheets.h"

#include <cstdio>

#include "art_screens.h"
#include "layout_constants.h"

namespace contentgen {
namespace {
constexpr int kSheetWidth = kScreenWidth;
constexpr int kRowsPerSheet = kScreenHeight / kGlyphHeight;

// Greek code points no character is assigned to.
bool bUnassignedGreek(char32_t c) {
  return c == 0x378 || c == 0x379 || (c >= 0x380 && c <= 0x383) || c == 0x38B || c == 0x38D || c == 0x3A2;
}

// The next code point of UTF-8 text, or 0 at a broken byte (the catalogues are checked UTF-8).
char32_t NextCodePoint(const std::string& text, size_t& at) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  const int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || at + length > text.size()) {
    ++at;
    return 0;
  }
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (int i = 1; i < length; ++i) c = (c << 6) | (byte(at + i) & 0x3F);
  at += length;
  return c;
}

void AddRange(std::set<char32_t>& characters, char32_t first, char32_t last) {
  for (char32_t c = first; c <= last; ++c) characters.insert(c);
}

// What an input method shows while a player of the language composes a name, beyond the
// catalogue's own characters: the kana and the jamo. (Chinese is composed in Latin letters.)
void AddComposingCharacters(std::set<char32_t>& characters, const std::string& language) {
  if (language == "ja") {
    AddRange(characters, 0x3041, 0x3096);
    AddRange(characters, 0x309B, 0x30FF);
  } else if (language == "ko") {
    AddRange(characters, 0x3131, 0x318E);
  }
}
}  // namespace

std::set<char32_t> SharedSheetCharacters() {
  std::set<char32_t> characters;
  for (char32_t c = 0x100; c <= 0x24F; ++c) characters.insert(c);
  for (char32_t c = 0x370; c <= 0x4FF; ++c) {
    if (!bUnassignedGreek(c)) characters.insert(c);
  }
  std::erase_if(characters, [](char32_t c) { return iGlyphSlot(c) != kReplacementGlyph; });
  return characters;
}

std::set<char32_t> LanguageSheetCharacters(const Translations& catalogue) {
  std::set<char32_t> characters;
  for (const auto& entry : catalogue.translated) {
    for (size_t at = 0; at < entry.second.size();) characters.insert(NextCodePoint(entry.second, at));
  }
  AddComposingCharacters(characters, catalogue.language);
  std::erase_if(characters, [](char32_t c) {
    return c < 0x20 || iGlyphSlot(c) != kReplacementGlyph || (c >= 0x100 && c <= 0x4FF);
  });
  return characters;
}

GlyphSheets MakeGlyphSheets(const std::set<char32_t>& characters) {
  GlyphSheets out;
  int x = kSheetWidth, row = kRowsPerSheet;  // the first glyph starts a sheet
  for (char32_t c : characters) {
    const Image glyph = MakeCharacterGlyph(c);
    if (x + glyph.width > kSheetWidth) {
      x = 0;
      if (++row >= kRowsPerSheet) {
        row = 0;
        out.sheets.emplace_back(kSheetWidth, kRowsPerSheet * kGlyphHeight);
      }
    }
    Image& sheet = out.sheets.back();
    for (int gy = 0; gy < glyph.height; ++gy) {
      for (int gx = 0; gx < glyph.width; ++gx) sheet.at(x + gx, row * kGlyphHeight + gy) = glyph.at(gx, gy);
    }
    char line[64];
    std::snprintf(line, sizeof line, "%x %zu %d %d %d %d\n", unsigned(c), out.sheets.size() - 1, x,
                  row * kGlyphHeight, glyph.width, glyph.height);
    out.list += line;
    x += glyph.width;
  }
  return out;
}

}  // namespace contentgen
