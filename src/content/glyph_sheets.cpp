#include "content/glyph_sheets.h"

#include <algorithm>
#include <cstdio>
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
// Cuts the glyphs `folder`'s list names out of the archive's sheets; false when the list is not
// there.
bool bCutGlyphs(ContentCatalogue& archive, const std::string& folder) {
  bool found = false;
  const std::vector<GlyphPlace> places = ReadGlyphList(folder + "glyphs.txt", found);
  int sheets = 0;
  for (const GlyphPlace& p : places) sheets = std::max(sheets, p.sheet + 1);
  for (int sheet = 0; sheet < sheets && sheet < 16; ++sheet) vCutSheet(archive, sheet, places);
  return found;
}
}  // namespace

void vLoadGlyphSheets() {
  std::set<std::string>& done = gResources.glyphFolders;
  if (done.insert("").second) bCutGlyphs(gCatalogue, "content\\art\\");
  static ContentCatalogue language;  // its table kept from one language to the next
  for (const std::string& code : ContentLanguages()) {
    if (done.contains(code) || !bReadLanguageIndex(language, code.c_str())) continue;
    if (bCutGlyphs(language, "content\\art\\" + code + "\\")) done.insert(code);
  }
  vDebugLog("vLoadGlyphSheets() %zu glyphs beyond Latin-1\n", gResources.moreGlyphs.size());
}
