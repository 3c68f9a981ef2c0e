#include "content_writer.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "archive_writer.h"
#include "art_tiles.h"
#include "audio_files.h"
#include "bmp_writer.h"
#include "catalogue.h"
#include "colour_vision.h"
#include "deal_check.h"
#include "drawn_texts.h"
#include "glyph_sheets.h"
#include "layouts.h"
#include "level_order.h"
#include "music.h"
#include "po_catalogue.h"
#include "sounds.h"

namespace contentgen {
namespace {

bool bFail(const std::string& message) {
  std::fprintf(stderr, "tavimora_contentgen: %s\n", message.c_str());
  return false;
}

bool bSave(const std::string& path, const std::vector<uint8_t>& bytes) {
  return bWriteFile(path, bytes) || bFail("cannot write " + path);
}

bool bReadText(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  text = s.str();
  return true;
}

void RemoveStaleLevels(const std::string& folder, size_t count) {
  static const std::regex kLevelName(R"(level(\d+)\.dat)");
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    std::smatch m;
    std::string name = entry.path().filename().string();
    if (std::regex_match(name, m, kLevelName) && std::stoul(m[1].str()) >= count) std::filesystem::remove(entry.path(), ec);
  }
}

// The glyph sheets of `characters` into the archive, and the list of where each glyph lies
// beside it, in `folder`.
bool bAddGlyphSheets(ArchiveWriter& archive, const std::string& folder, const std::set<char32_t>& characters) {
  const GlyphSheets glyphs = MakeGlyphSheets(characters);
  for (size_t i = 0; i < glyphs.sheets.size(); ++i) {
    archive.Add("glyphsheet" + std::to_string(i) + ".pcx", EncodePcx(glyphs.sheets[i], PcxVariant::Indexed256));
  }
  return bSave(folder + "/glyphs.txt", std::vector<uint8_t>(glyphs.list.begin(), glyphs.list.end()));
}

using PictureBytes = std::map<std::string, std::vector<uint8_t>>;

// The texts the game draws itself, as it reads them: the English and its translation, each
// ended by a NUL byte.
std::vector<uint8_t> TextTableBytes(const Translations& translations) {
  std::vector<uint8_t> bytes;
  for (const auto& [english, translated] : translations.translated) {
    for (const std::string* text : {&english, &translated}) {
      bytes.insert(bytes.end(), text->begin(), text->end());
      bytes.push_back(0);
    }
  }
  return bytes;
}

// Fails, naming each, when a text the game draws is wider than its box.
bool bDrawnTextsFit(const Language& language) {
  const std::vector<std::string> overflows = DrawnTextOverflows(language);
  for (const std::string& overflow : overflows) bFail(overflow);
  return overflows.empty();
}

// One language's archive in artFolder/<language>.
bool bWriteLanguage(const std::string& artFolder, const Translations& translations, const PictureBytes& english) {
  const Language language(translations.language, translations.translated);
  if (!bDrawnTextsFit(language)) return false;
  ArchiveWriter archive;
  for (const CatalogueEntry& entry : Catalogue()) {
    if (!entry.paint) continue;
    const size_t overflowsBefore = language.Overflows().size();
    std::vector<uint8_t> bytes = EncodePcx(entry.paint(language), entry.variant);
    if (language.Overflows().size() != overflowsBefore) {
      return bFail(entry.name + ": " + language.Overflows()[overflowsBefore] + " even at the smallest size");
    }
    if (bytes != english.at(entry.name)) archive.Add(entry.name + ".pcx", std::move(bytes));
  }
  const std::string folder = artFolder + "/" + translations.language;
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (!bAddGlyphSheets(archive, folder, LanguageSheetCharacters(translations))) return false;
  return (archive.Write(folder + "/content.idx", folder + "/content.pak") ||
          bFail("cannot write the archive in " + folder)) &&
         bSave(folder + "/texts", TextTableBytes(translations));
}

// Each language's archive, and the list of them the game offers (languages.txt).
bool bWriteLanguages(const std::string& artFolder, const std::vector<Translations>& all, const PictureBytes& english) {
  std::string list;
  for (const Translations& translations : all) {
    if (!bWriteLanguage(artFolder, translations, english)) return false;
    list += translations.language + "\n";
  }
  return bSave(artFolder + "/languages.txt", std::vector<uint8_t>(list.begin(), list.end()));
}

std::vector<Translations> ReadCatalogues(const std::string& catalogueFolder) {
  if (catalogueFolder.empty()) return {};
  std::vector<std::string> warnings;
  std::vector<Translations> all = ReadAllTranslations(catalogueFolder, warnings);
  for (const std::string& warning : warnings) std::fprintf(stderr, "tavimora_contentgen: warning: %s\n", warning.c_str());
  return all;
}

// Every two faces of the clear set stay apart for players with a colour-vision deficiency.
bool bClearFacesStayApart() {
  const std::vector<std::string> alike = PairsTooAlike(TileSetFaces(kClearTiles), kClearFacesMinimum);
  for (const std::string& line : alike) bFail("clear tile set: " + line);
  return alike.empty();
}

}  // namespace

void PrintColourCheck(int count) {
  for (const TileSet& set : {kClassicTiles, kClearTiles}) {
    std::printf("%s%%d faces, closest pairs (pixels differing by %.0f or more in CIELAB; the clear set needs %d):\n",
                set.prefix, kClearlyDifferent, kClearFacesMinimum);
    const std::vector<FacePair> pairs = PairsClosestFirst(TileSetFaces(set));
    for (size_t i = 0; i < pairs.size() && i < size_t(count); ++i) {
      std::printf("  %-12s %-12s %-13s %5d\n", pairs[i].a.c_str(), pairs[i].b.c_str(), VisionName(pairs[i].vision),
                  pairs[i].difference);
    }
  }
}

bool bWriteArt(const std::string& artFolder, const std::string& catalogueFolder) {
  if (!bDrawnTextsFit(Language()) || !bClearFacesStayApart()) return false;
  ArchiveWriter archive;
  PictureBytes english;  // the pictures that hold text, to compare each language's with
  for (const CatalogueEntry& entry : Catalogue()) {
    Image image = entry.make();
    if (image.width <= 0 || image.height <= 0) return bFail("image " + entry.name + " is empty");
    std::vector<uint8_t> bytes = EncodePcx(image, entry.variant);
    if (entry.paint) english[entry.name] = bytes;
    archive.Add(entry.name + ".pcx", std::move(bytes));
  }
  const std::vector<Translations> catalogues = ReadCatalogues(catalogueFolder);
  if (!bAddGlyphSheets(archive, artFolder, SharedSheetCharacters())) return false;
  if (!archive.Write(artFolder + "/content.idx", artFolder + "/content.pak")) return bFail("cannot write the archive in " + artFolder);
  return bSave(artFolder + "/icon32.bmp", EncodeBmp24(MakeIcon(32))) &&
         bSave(artFolder + "/icon48.bmp", EncodeBmp24(MakeIcon(48))) &&
         bWriteLanguages(artFolder, catalogues, english);
}

bool bWriteSoundEffects(const std::string& soundFolder) {
  for (const SoundEffectAudio& effect : RenderSoundEffects()) {
    if (!bSave(soundFolder + "/" + effect.name + ".wav", EncodeWav(effect.samples))) return false;
  }
  return true;
}

bool bWriteMusic(const std::string& soundFolder, int kbps) {
  for (int i = 0; i < kMusicTracks; ++i) {
    std::vector<uint8_t> mp3 = EncodeMp3(RenderTrack(i), kbps);
    if (mp3.empty()) return bFail("the MP3 encoder failed on track " + std::to_string(i));
    if (!bSave(soundFolder + "/backmusic" + std::to_string(i) + ".mp3", mp3)) return false;
  }
  return true;
}

bool bLoadLayouts(const std::string& layoutFolder, std::vector<Layout>& layouts) {
  std::vector<std::string> files = LayoutFiles(layoutFolder);
  if (files.empty()) return bFail("no layout files (*.txt) in " + layoutFolder);
  layouts.clear();
  for (const std::string& file : files) {
    std::string text, error;
    Layout layout;
    if (!bReadText(file, text)) return bFail("cannot read " + file);
    if (!bParseLayout(text, layout, error)) return bFail(file + ": " + error);
    layout.name = std::filesystem::path(file).stem().string();
    layouts.push_back(layout);
  }
  SortIntoLevelOrder(layouts);
  return true;
}

bool bWriteLevels(const std::string& layoutFolder, const std::string& levelFolder, int dealSeeds) {
  std::vector<Layout> layouts;
  if (!bLoadLayouts(layoutFolder, layouts)) return false;
  for (size_t i = 0; i < layouts.size(); ++i) {
    std::string error;
    if (!bVerifyDeals(layouts[i], dealSeeds, error)) {
      return bFail(layoutFolder + "/" + layouts[i].name + ".txt: " + error);
    }
    if (!bSave(levelFolder + "/level" + std::to_string(i) + ".dat", PatternBytes(layouts[i]))) return false;
  }
  RemoveStaleLevels(levelFolder, layouts.size());
  return true;
}

bool bWriteLevelOrder(const std::string& layoutFolder, const std::string& tablePath) {
  std::vector<Layout> layouts;
  if (!bLoadLayouts(layoutFolder, layouts)) return false;
  std::string table = LevelOrderTable(layouts);
  return bSave(tablePath, std::vector<uint8_t>(table.begin(), table.end()));
}

}  // namespace contentgen
