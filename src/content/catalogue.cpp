// The content index read into the catalogue, and the loading of every image of the game.
#include "content/catalogue.h"

#include <cstdio>
#include <cstring>

#include "diag/debug_log.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "platform/files.h"
#include "util/little_endian.h"

ContentCatalogue gCatalogue;
char szContentError[512] = {};
int iTileCount = 0;

namespace {
constexpr const char* kIndexPath = "content\\art\\content.idx";
constexpr const char* kArtDir = "content\\art\\";
constexpr const char* kPackPath = "content\\art\\content.pak";

// One index record into an entry. Bytes a cut-short final record lacks read as 0, and the name
// is always ended within its 256 bytes.
void vDecodeRecord(const uint8_t* record, ContentEntry& entry) {
  std::memcpy(entry.name, record + 4, kContentNameBytes - 1);
  entry.name[kContentNameBytes - 1] = '\0';
  entry.length = ReadLe32(record + 4 + kContentNameBytes);
  entry.offset = ReadLe32(record);
}

// Reads the whole index into the catalogue; false (with the message set) when it cannot be
// opened. Entries past the table's size are ignored.
bool bReadIndex(ContentCatalogue& catalogue) {
  if (catalogue.entries == nullptr) catalogue.entries = new ContentEntry[kCatalogueEntries]();
  catalogue.count = 0;
  FILE* index = PlatformOpen(kIndexPath, "rb");
  if (index == nullptr) {
    std::snprintf(szContentError, sizeof szContentError,
                  "Cannot open %s. Please reinstall the game.", kIndexPath);
    return false;
  }
  int count = 0;
  while (count < kCatalogueEntries) {
    uint8_t record[kIndexRecordBytes] = {};
    // A record counts once its offset could be read, even if the rest is cut short.
    if (std::fread(record, 1, sizeof record, index) < 4) break;
    vDecodeRecord(record, catalogue.entries[count++]);
  }
  std::fclose(index);
  catalogue.count = count;
  std::snprintf(catalogue.artDir, sizeof catalogue.artDir, "%s", kArtDir);
  std::snprintf(catalogue.packPath, sizeof catalogue.packPath, "%s", kPackPath);
  return true;
}

// Sets up one sprite of the archive at the accepted depth and loads the named image into it.
// False once loading has to stop (the archive cannot be read or the temporary file written).
bool bLoadImage(Sprite& sprite, const char* name, bool bTransparent) {
  sprite.Init(0, 0, static_cast<int16_t>(iColorDepth), &gFrameStack, bTransparent, true,
              &gCatalogue);
  sprite.Load(name);
  return szContentError[0] == '\0';
}

// The same for an image named by a pattern and a number ("tile%d" and so on).
bool bLoadNumbered(Sprite& sprite, const char* pattern, int number, bool bTransparent) {
  char name[64];
  std::snprintf(name, sizeof name, pattern, number);
  return bLoadImage(sprite, name, bTransparent);
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
}
}  // namespace

void vLoadBitmaps(void (*vTitleLoaded)()) {
  vDebugLog("vLoadBitmaps() Loading Bitmaps\n");
  szContentError[0] = '\0';
  if (!bReadIndex(gCatalogue)) return;
  vDebugLog("vLoadBitmaps() Read in %d Index Entries\n", gCatalogue.count);
  // The title first: start-up shows it while the other images load.
  if (!bLoadImage(gResources.title, "title", false)) return;
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
