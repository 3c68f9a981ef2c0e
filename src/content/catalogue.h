#pragma once
// The content archive: an index ("content\art\content.idx", records of 264 bytes: 32-bit offset,
// 256-byte name, 32-bit length, little-endian) and a pack of PCX files ("content\art\content.pak").
// The whole index is read into the catalogue at start-up; images are then loaded by name.
#include <cstdint>
#include <string>
#include <vector>

constexpr int kCatalogueEntries = 1000;
constexpr int kContentNameBytes = 256;
constexpr int kIndexRecordBytes = 264;

struct ContentEntry {
  char name[kContentNameBytes];
  uint32_t length;
  uint32_t offset;
};

struct ContentCatalogue {
  int32_t count = 0;
  ContentEntry* entries = nullptr;
  char artDir[256] = {};
  char packPath[256] = {};
};

extern ContentCatalogue gCatalogue;

// The pictures of one language ("content\art\de\content.idx" and ".pak"): those whose texts
// differ from the English. Empty while the game is English.
extern ContentCatalogue gLanguageCatalogue;

// Makes the pictures loaded from now on those of `language` ("de", "pt_BR"), each picture the
// language's archive lacks staying English; "" goes back to English. False, leaving the
// language as it was, when that language has no archive.
bool bUseLanguage(const char* language);
// The language in use ("" for English).
const char* szLanguageInUse();

// Reads the index of `language`'s archive into `catalogue` (its table kept for the next read);
// false when the archive is not there (yet, on a page).
bool bReadLanguageIndex(ContentCatalogue& catalogue, const char* language);

// The languages the content generator made ("content\art\languages.txt", a code a line).
std::vector<std::string> ContentLanguages();

// Reads the index, then loads every image of the game into gResources (and calls vLoadTileSet).
// When the index or a pack cannot be opened, loading stops and szContentError says which file
// (empty while all is well); the pictures not loaded by then stay as they were, so a reload that
// stops leaves the pictures the game had. A background that cannot be loaded is black.
// The title picture is loaded first; `vTitleLoaded`, when given, is called right after it,
// before the other images (unless loading has stopped by then).
void vLoadBitmaps(void (*vTitleLoaded)() = nullptr);
extern char szContentError[512];
// Sets szContentError for an archive file that cannot be opened, naming where it was looked for.
void vSetUnreadableError(const char* gamePath);
// A game path as the player finds the file: absolute, in this system's form, redirected.
std::string ShownPath(const char* gamePath);
// Loads the tile faces, pattern tiles and digits.
void vLoadTileSet();
// How many tile faces the tile set holds (set by vLoadTileSet).
extern int iTileCount;
