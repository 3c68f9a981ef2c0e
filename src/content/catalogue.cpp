// The content index read into the catalogue, and the loading of every image of the game.
#include "content/catalogue.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <strings.h>

#include "content/glyph_sheets.h"
#include "diag/debug_log.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "platform/files.h"
#include "raster/raster.h"
#include "util/little_endian.h"

ContentCatalogue gCatalogue;
ContentCatalogue gLanguageCatalogue;
char szContentError[512] = {};
int iTileCount = 0;

namespace {
constexpr const char* kIndexPath = "content\\art\\content.idx";
constexpr const char* kArtDir = "content\\art\\";
constexpr const char* kPackPath = "content\\art\\content.pak";
char gLanguage[16] = {};

// One index record into an entry. Bytes a cut-short final record lacks read as 0, and the name
// is always ended within its 256 bytes.
void vDecodeRecord(const uint8_t* record, ContentEntry& entry) {
  std::memcpy(entry.name, record + 4, kContentNameBytes - 1);
  entry.name[kContentNameBytes - 1] = '\0';
  entry.length = ReadLe32(record + 4 + kContentNameBytes);
  entry.offset = ReadLe32(record);
}

// Reads a whole index into the catalogue of the pack beside it; false when it cannot be opened.
// Entries past the table's size are ignored.
bool bReadIndexFile(ContentCatalogue& catalogue, const char* indexPath, const char* packPath) {
  if (catalogue.entries == nullptr) catalogue.entries = new ContentEntry[kCatalogueEntries]();
  catalogue.count = 0;
  FILE* index = PlatformOpen(indexPath, "rb");
  if (index == nullptr) return false;
  int count = 0;
  while (count < kCatalogueEntries) {
    uint8_t record[kIndexRecordBytes] = {};
    // A record counts once its offset could be read, even if the rest is cut short.
    if (std::fread(record, 1, sizeof record, index) < 4) break;
    vDecodeRecord(record, catalogue.entries[count++]);
  }
  std::fclose(index);
  catalogue.count = count;
  // Every catalogue extracts into the one temporary file of the art folder.
  std::snprintf(catalogue.artDir, sizeof catalogue.artDir, "%s", kArtDir);
  std::snprintf(catalogue.packPath, sizeof catalogue.packPath, "%s", packPath);
  return true;
}

// The game's own index; false (with the message set) when it cannot be opened.
bool bReadIndex(ContentCatalogue& catalogue) {
  if (bReadIndexFile(catalogue, kIndexPath, kPackPath)) return true;
  vSetUnreadableError(kIndexPath);
  return false;
}

bool bHasMember(const ContentCatalogue& catalogue, const std::string& member) {
  for (int i = 0; i < catalogue.count; ++i) {
    if (strcasecmp(catalogue.entries[i].name, member.c_str()) == 0) return true;
  }
  return false;
}

// Points a sprite at the archive it is to load from. One that already holds a picture at the
// buffers' depth keeps it until the load replaces it: a reload that has to stop leaves it as it
// was rather than empty.
void vAimAt(Sprite& sprite, ContentCatalogue* catalogue, bool bTransparent) {
  if (sprite.pixels == nullptr || sprite.depth != iColorDepth || sprite.frameStack != &gFrameStack) {
    sprite.Init(0, 0, static_cast<int16_t>(iColorDepth), &gFrameStack, bTransparent, true, catalogue);
    return;
  }
  sprite.transparent = bTransparent ? 1 : 0;
  sprite.archive = 1;
  sprite.catalogue = catalogue;
}

// Sets up one sprite of the archive at the accepted depth and loads the named image into it.
// False once loading has to stop (an archive cannot be read).
// The language's copy of a picture comes first; one that is missing there, or that cannot be
// used, is taken from the English archive.
bool bLoadImage(Sprite& sprite, const char* name, bool bTransparent) {
  for (ContentCatalogue* catalogue : {&gLanguageCatalogue, &gCatalogue}) {
    if (catalogue == &gLanguageCatalogue && !bHasMember(gLanguageCatalogue, std::string(name) + ".pcx")) continue;
    vAimAt(sprite, catalogue, bTransparent);
    sprite.Load(name);
    if (szContentError[0] != '\0') return false;
    if (sprite.width > 0) return true;
  }
  return true;
}

// The same for an image named by a pattern and a number ("tile%d" and so on).
bool bLoadNumbered(Sprite& sprite, const char* pattern, int number, bool bTransparent) {
  char name[64];
  std::snprintf(name, sizeof name, pattern, number);
  return bLoadImage(sprite, name, bTransparent);
}

// A screen's background that could not be loaded becomes a black picture of the frame's size:
// drawn as nothing, it would leave the screen before it in view under the new one.
void vBlackIfEmpty(Sprite& background) {
  if (background.width > 0) return;
  background.Resize(kFrameWidth, kFrameHeight);  // cleared, that is black
  if (background.pixels == nullptr) return;
  const int previous = GetActiveBuffer();
  DeactivateBuffers();
  gFrameStack.SelectScreen();
  MoveTo(0, kFrameHeight - 1);
  PutBlock(background.pixels, kFrameWidth, kFrameHeight);
  background.Grab(0, 0);
  DeactivateBuffers();
  if (previous != -1) ActivateBuffer(previous);
}

struct ImageSlot {
  const char* name;
  Sprite* sprite;
  bool bTransparent;
};

// The screen images but the title, which is loaded before them.
bool bLoadScreenImages() {
  GameResources& r = gResources;
  const ImageSlot screens[] = {
      {"gamescreen", &r.gameScreen, false},     {"clicktocontinue", &r.clickToContinue, false},
      {"menubar", &r.menuBar, false},           {"gamehelp", &r.gameHelp, false},
      {"gameover", &r.gameOver, false},         {"areyousure", &r.areYouSure, false},
      {"choosediff", &r.chooseDifficulty, false}, {"nomoremoves", &r.noMoreMoves, false},
      {"levelclearbonus", &r.levelClearBonus, false}, {"shadow", &r.shadow, true},
      {"timerunningout", &r.timeRunningOut, true}, {"helpbutton", &r.helpButton, true},
  };
  for (const ImageSlot& slot : screens) {
    if (!bLoadImage(*slot.sprite, slot.name, slot.bTransparent)) return false;
  }
  vBlackIfEmpty(r.gameScreen);
  vBlackIfEmpty(r.gameHelp);
  for (int i = 0; i < kHintAngels; ++i) {
    if (!bLoadNumbered(r.hintAngels[i], "hintangel%d", i, true)) return false;
  }
  const ImageSlot marks[] = {
      {"border", &r.border, true},         {"tileselect", &r.tileSelect, true},
      {"tileblock", &r.tileBlock[0], true}, {"redtick", &r.ticks[kRedTick], true},
      {"yellowtick", &r.ticks[kYellowTick], true}, {"greentick", &r.ticks[kGreenTick], true},
      {"emptytick", &r.ticks[kEmptyTick], true},   {"messagebar", &r.messageBar, true},
      {"messagebar2", &r.messageBar2, true},
  };
  for (const ImageSlot& slot : marks) {
    if (!bLoadImage(*slot.sprite, slot.name, slot.bTransparent)) return false;
  }
  // The blink's hidden phase: set up, never loaded, so it draws nothing.
  r.tileBlock[1].Init(0, 0, static_cast<int16_t>(iColorDepth), &gFrameStack, true, true,
                      &gCatalogue);
  return true;
}

// The panels and buttons of the score table, the leave box, the options and the notes, and the glyphs
// their text is drawn with.
void vLoadScoreImages() {
  GameResources& r = gResources;
  const ImageSlot images[] = {
      {"scorepanel", &r.scorePanel, false},
      {"scoresbutton", &r.scoresButton, false},
      {"okbutton", &r.okButton, false},
      {"leavegame", &r.leaveGame, false},
      {"optionsbutton", &r.optionsButton, false},
      {"optionspanel", &r.optionsPanel, false},
      {"pausedoptions", &r.pausedOptions, false},
      {"notepanel", &r.notePanel, true},
  };
  for (const ImageSlot& slot : images) {
    if (!bLoadImage(*slot.sprite, slot.name, slot.bTransparent)) return;
  }
  for (int i = 0; i < kGlyphSprites; ++i) {
    if (!bLoadNumbered(r.glyphs[i], "glyph%d", i, true)) return;
  }
  vLoadGlyphSheets();
}
}  // namespace

bool bUseLanguage(const char* language) {
  if (language == nullptr || language[0] == '\0') {
    gLanguageCatalogue.count = 0;
    gLanguage[0] = '\0';
    return true;
  }
  if (std::strlen(language) >= sizeof gLanguage) return false;
  ContentCatalogue chosen;
  chosen.entries = gLanguageCatalogue.entries;
  const bool found = bReadLanguageIndex(chosen, language);
  gLanguageCatalogue.entries = chosen.entries;  // the table is kept for the next choice
  if (!found) return false;
  gLanguageCatalogue = chosen;
  std::snprintf(gLanguage, sizeof gLanguage, "%s", language);
  vDebugLog("bUseLanguage() %s: %d pictures of its own\n", language, gLanguageCatalogue.count);
  return true;
}

const char* szLanguageInUse() { return gLanguage; }

std::string ShownPath(const char* gamePath) {
  std::error_code error;
  const std::filesystem::path path = std::filesystem::absolute(PlatformPath(gamePath), error);
  return error ? PlatformPath(gamePath) : path.lexically_normal().string();
}

void vSetUnreadableError(const char* gamePath) {
  std::snprintf(szContentError, sizeof szContentError, "Cannot open %s. Please reinstall the game.",
                ShownPath(gamePath).c_str());
}

bool bReadLanguageIndex(ContentCatalogue& catalogue, const char* language) {
  char index[96], pack[96];
  std::snprintf(index, sizeof index, "%s%s\\content.idx", kArtDir, language);
  std::snprintf(pack, sizeof pack, "%s%s\\content.pak", kArtDir, language);
  return bReadIndexFile(catalogue, index, pack);
}

std::vector<std::string> ContentLanguages() {
  std::vector<std::string> codes;
  FILE* list = PlatformOpen("content\\art\\languages.txt", "rb");
  if (list == nullptr) return codes;
  char code[16];
  while (std::fscanf(list, "%15s", code) == 1) codes.emplace_back(code);
  std::fclose(list);
  return codes;
}

void vLoadBitmaps(void (*vTitleLoaded)()) {
  vDebugLog("vLoadBitmaps() Loading Bitmaps\n");
  szContentError[0] = '\0';
  if (!bReadIndex(gCatalogue)) return;
  vDebugLog("vLoadBitmaps() Read in %d Index Entries\n", gCatalogue.count);
  // The title first: start-up shows it while the other images load.
  if (!bLoadImage(gResources.title, "title", false)) return;
  vBlackIfEmpty(gResources.title);
  if (vTitleLoaded != nullptr) vTitleLoaded();
  if (!bLoadScreenImages()) return;
  vLoadTileSet();
  if (szContentError[0] == '\0') vLoadScoreImages();
}

void vLoadTileSet() {
  vDebugLog("vLoadTileSet() BEGIN\n");
  iTileCount = kTileFaces;
  vDebugLog("vLoadTileSet() Loading %d tiles\n", iTileCount);
  for (int i = 0; i < iTileCount; ++i) {
    if (!bLoadNumbered(gResources.tiles[i], "tile%d", i, true)) return;
  }
  vDebugLog("vLoadTileSet() Loading pattern tiles\n");
  for (int i = 0; i < kPatternTiles; ++i) {
    if (!bLoadNumbered(gResources.patternTiles[i], "patterntile%d", i, true)) return;
  }
  for (int i = 0; i < kDigits; ++i) {
    if (!bLoadNumbered(gResources.digits[i], "num%d", i, true)) return;
  }
  vDebugLog("vLoadTileSet() END\n");
}
