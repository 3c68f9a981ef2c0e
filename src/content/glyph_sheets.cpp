#include "content/glyph_sheets.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "content/catalogue.h"
#include "diag/debug_log.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "platform/files.h"
#include "raster/raster.h"

namespace {
struct GlyphPlace {
  unsigned character;
  int sheet, x, y, width, height;
};

std::vector<GlyphPlace> ReadGlyphList(const std::string& path, bool& found) {
  std::vector<GlyphPlace> places;
  FILE* list = PlatformOpen(path.c_str(), "rb");
  found = list != nullptr;
  if (list == nullptr) return places;
  GlyphPlace p{};
  while (std::fscanf(list, "%x %d %d %d %d %d", &p.character, &p.sheet, &p.x, &p.y, &p.width, &p.height) == 6) {
    const bool inside = p.sheet >= 0 && p.x >= 0 && p.y >= 0 && p.width > 0 && p.height > 0 &&
                        p.x + p.width <= kFrameWidth && p.y + p.height <= kFrameHeight;
    if (inside && p.character <= 0x10FFFF) places.push_back(p);
  }
  std::fclose(list);
  return places;
}

// Loads one sheet of the archive into the screen buffer and cuts its glyphs out of it.
void vCutSheet(ContentCatalogue& archive, int sheet, const std::vector<GlyphPlace>& places) {
  char name[32];
  std::snprintf(name, sizeof name, "glyphsheet%d", sheet);
  Sprite picture;
  picture.Init(0, 0, static_cast<int16_t>(iColorDepth), &gFrameStack, false, true, &archive);
  picture.Load(name);
  if (picture.width <= 0) return;
  const int previous = GetActiveBuffer();
  DeactivateBuffers();
  gFrameStack.SelectScreen();
  picture.Draw(0, 0);
  for (const GlyphPlace& p : places) {
    if (p.sheet != sheet) continue;
    Sprite& glyph = gResources.moreGlyphs[char32_t(p.character)];
    glyph.Init(static_cast<int16_t>(p.width), static_cast<int16_t>(p.height), static_cast<int16_t>(iColorDepth),
               &gFrameStack, true, false, nullptr);
    glyph.Grab(p.x, p.y);
  }
  DeactivateBuffers();
  if (previous != -1) ActivateBuffer(previous);
}
// Cuts out of the archive's sheets the glyphs of `folder`'s list that `wanted` keeps and returns
// their characters; `found` is false when the list is not there.
std::vector<char32_t> CutGlyphs(ContentCatalogue& archive, const std::string& folder,
                                const std::function<bool(char32_t)>& wanted, bool& found) {
  std::vector<GlyphPlace> places = ReadGlyphList(folder + "glyphs.txt", found);
  std::erase_if(places, [&](const GlyphPlace& p) { return !wanted(char32_t(p.character)); });
  int sheets = 0;
  for (const GlyphPlace& p : places) sheets = std::max(sheets, p.sheet + 1);
  for (int sheet = 0; sheet < sheets && sheet < 16; ++sheet) vCutSheet(archive, sheet, places);
  std::vector<char32_t> cut;
  for (const GlyphPlace& p : places) cut.push_back(char32_t(p.character));
  return cut;
}

// The alphabets a name may be typed in whatever the language: the kana and the jamo an input
// method shows while a Japanese or Korean name is composed. Only their language's folder
// carries them, so they are cut from every folder there is.
bool bNameAlphabet(char32_t c) { return (c >= 0x3040 && c <= 0x30FF) || (c >= 0x3130 && c <= 0x318F); }

// Releases the glyphs of the language last shown when `code` is another.
void vReleaseLanguageGlyphs(const std::string& code) {
  GameResources& r = gResources;
  if (r.glyphLanguage == code) return;
  for (char32_t c : r.languageGlyphs) r.moreGlyphs.erase(c);
  r.languageGlyphs.clear();
  r.glyphLanguage.clear();
}

// Cuts the glyphs of `code`'s folder not held yet: its alphabets, and when it is the language in
// use its own characters too (none of those the English content already has).
void vCutLanguage(ContentCatalogue& archive, const std::string& code, bool inUse) {
  GameResources& r = gResources;
  const bool alphabets = !r.glyphFolders.contains(code);
  const bool own = inUse && r.glyphLanguage != code;
  if ((!alphabets && !own) || !bReadLanguageIndex(archive, code.c_str())) return;
  const auto wanted = [&](char32_t c) { return bNameAlphabet(c) ? alphabets : own && !r.moreGlyphs.contains(c); };
  bool found = false;
  std::vector<char32_t> cut = CutGlyphs(archive, "content\\art\\" + code + "\\", wanted, found);
  if (!found) return;
  r.glyphFolders.insert(code);
  if (!own) return;
  std::erase_if(cut, bNameAlphabet);
  r.glyphLanguage = code;
  r.languageGlyphs = std::move(cut);
}
}  // namespace

void vLoadGlyphSheets() {
  GameResources& r = gResources;
  bool found = false;
  if (r.glyphFolders.insert("").second) CutGlyphs(gCatalogue, "content\\art\\", [](char32_t) { return true; }, found);
  const std::string inUse = szLanguageInUse();
  vReleaseLanguageGlyphs(inUse);
  static ContentCatalogue language;  // its table kept from one language to the next
  for (const std::string& code : ContentLanguages()) vCutLanguage(language, code, code == inUse);
  vDebugLog("vLoadGlyphSheets() %zu glyphs beyond Latin-1, %zu of them the language's own\n", r.moreGlyphs.size(),
            r.languageGlyphs.size());
}
