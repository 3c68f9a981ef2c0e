#include "preview.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "art_screens.h"
#include "art_tiles.h"
#include "catalogue.h"
#include "colour_vision.h"
#include "drawn_texts.h"
#include "layouts.h"
#include "layout_constants.h"
#include "po_catalogue.h"
#include "rules/score_table.h"

namespace contentgen {
namespace {

using Images = std::map<std::string, Image>;

const Image& Get(const Images& images, const std::string& name) { return images.at(name); }

void Draw(Image& frame, const Images& images, const std::string& name, int x, int y, bool opaque = false) {
  if (opaque) BlitOpaque(frame, Get(images, name), x, y);
  else BlitTransparent(frame, Get(images, name), x, y);
}

// Like the game's tinted draw: each visible pixel shifted by the offsets, clamped.
void DrawTinted(Image& frame, const Image& image, int x0, int y0, int dr, int dg, int db) {
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      Rgb c = image.at(x, y);
      if (c == kTransparent) continue;
      auto shift = [](int v, int d) { return uint8_t(std::clamp(v + d, 0, 255)); };
      frame.at(x0 + x, y0 + y) = KeepVisible({shift(c.r, dr), shift(c.g, dg), shift(c.b, db)});
    }
  }
}

void Fade(Image& frame, int amount) {
  for (Rgb& c : frame.pixels) {
    c = {uint8_t(std::max(0, c.r - amount)), uint8_t(std::max(0, c.g - amount)), uint8_t(std::max(0, c.b - amount))};
  }
}

void Outline(Image& frame, Rect r) {
  const Rgb mark{255, 0, 255};
  for (int x = r.x; x < r.x + r.w; ++x) frame.at(x, r.y) = frame.at(x, r.y + r.h - 1) = mark;
  for (int y = r.y; y < r.y + r.h; ++y) frame.at(r.x, y) = frame.at(r.x + r.w - 1, y) = mark;
}

void DrawNumber(Image& frame, const Images& images, int value, int x, int y, int width) {
  std::string text = std::to_string(value);
  int total = 0;
  for (char ch : text) total += Get(images, "num" + std::string(1, ch)).width;
  int at = x + (width / 2 - total / 2);
  for (char ch : text) {
    const Image& glyph = Get(images, "num" + std::string(1, ch));
    BlitTransparent(frame, glyph, at, y);
    at += glyph.width;
  }
}

// A small sample board: cell values are faces, layers stacked like a real layout.
struct SampleTile {
  int c, r, z, face;
};

std::vector<SampleTile> SampleBoard() {
  std::vector<SampleTile> tiles;
  uint32_t seed = 12345;
  auto next = [&seed] { seed = seed * 1103515245u + 12345u; return int((seed >> 16) % 28) + 1; };
  for (int r = 1; r <= 13; r += 2) {
    for (int c = 2; c <= 24; c += 2) {
      if ((r == 1 || r == 13) && (c < 6 || c > 20)) continue;
      tiles.push_back({c, r, 0, next()});
    }
  }
  for (int r = 3; r <= 11; r += 2)
    for (int c = 7; c <= 19; c += 2) tiles.push_back({c, r, 1, next()});
  for (int r = 4; r <= 10; r += 2)
    for (int c = 10; c <= 16; c += 2) tiles.push_back({c, r, 2, next()});
  for (int r = 5; r <= 9; r += 2) tiles.push_back({13, r, 3, next()});
  tiles.push_back({13, 7, 4, 1});
  tiles.push_back({0, 6, 0, 5});
  return tiles;
}

// Faces for a layout's tiles (not the game's deal: only for looking at the layout).
std::vector<SampleTile> TilesOf(const Layout& layout) {
  std::vector<SampleTile> tiles;
  uint32_t seed = 777;
  for (int i = 0; i < kLayoutCells; ++i) {
    if (!layout.cells[size_t(i)]) continue;
    seed = seed * 1103515245u + 12345u;
    tiles.push_back({i % kLayoutColumns, i % (kLayoutColumns * kLayoutRows) / kLayoutColumns,
                     i / (kLayoutColumns * kLayoutRows), int((seed >> 16) % 28) + 1});
  }
  return tiles;
}

// The playing screen drawn in the game's order, with a selected, a blocked and a hinted tile.
Image GameFrame(const Images& images, int ticks, bool warning, const std::vector<SampleTile>& tiles = SampleBoard()) {
  Image frame(kScreenWidth, kScreenHeight);
  Draw(frame, images, "gamescreen", 0, 0, true);
  for (int k = 0; k < ticks; ++k) {
    int cell = 179 - k;
    const char* tick = k < 40 ? "redtick" : k >= 80 ? "greentick" : "yellowtick";
    Draw(frame, images, tick, kTickSize * (cell % 4), kTickSize * (cell / 4));
  }
  for (int m = 0; m <= 179 - ticks; ++m) Draw(frame, images, "emptytick", kTickSize * (m % 4), kTickSize * (m / 4));
  if (warning) Draw(frame, images, "timerunningout", kTimeWarningX, kTimeWarningY);
  DrawNumber(frame, images, 123000, kScoreX, kNumberY, kNumberFieldWidth);
  DrawNumber(frame, images, 4, kLevelX, kNumberY, kNumberFieldWidth);
  DrawNumber(frame, images, 1876200, kBestX, kNumberY, kNumberFieldWidth);
  for (int i = 0; i < 2; ++i) Draw(frame, images, "hintangel0", kHintsLeftX + kHintsLeftStep * i, kHintsLeftY);

  for (int z = 0; z < 5; ++z) {
    std::vector<SampleTile> layer;
    for (const SampleTile& t : tiles) if (t.z == z) layer.push_back(t);
    std::stable_sort(layer.begin(), layer.end(), [](const SampleTile& a, const SampleTile& b) {
      return a.c != b.c ? a.c > b.c : a.r < b.r;
    });
    for (const SampleTile& t : layer) {
      Draw(frame, images, "shadow", iTileLeft(t.c, z) + kShadowDx, iTileTop(t.r, z) + kShadowDy);
      Draw(frame, images, "border", iTileLeft(t.c, z), iTileTop(t.r, z));
    }
    for (const SampleTile& t : layer) {
      int x = iTileLeft(t.c, z), y = iTileTop(t.r, z);
      const Image& face = Get(images, "tile" + std::to_string(t.face));
      BlitTransparent(frame, face, x, y);
      if ((t.c == 2 && t.r == 7) || (t.c == 24 && t.r == 5)) {
        DrawTinted(frame, face, x, y, 150, 100, 0);
        Draw(frame, images, "tileselect", x + 9, y);
      }
      if (z == 4 || (t.c == 10 && t.r == 3 && z == 0)) Draw(frame, images, "hintangel2", x + kHintOnFaceDx, y + kHintOnFaceDy);
      if (t.c == 13 && t.r == 5 && z == 3) {
        DrawTinted(frame, face, x, y, 150, -50, -50);
        Draw(frame, images, "tileblock", x + 9, y);
      }
    }
  }
  Draw(frame, images, "helpbutton", kHelpButtonX, kHelpButtonY);
  Outline(frame, kHintZone);
  Outline(frame, {kHelpButtonX, kHelpButtonY, kHelpButtonSize, kHelpButtonSize});
  return frame;
}

Image Panel(const Images& images, const std::string& background, const std::string& panel,
            const Rect* zones, int zoneCount, const std::string& placeBy) {
  Image frame(kScreenWidth, kScreenHeight);
  Draw(frame, images, background, 0, 0, true);
  int px = iCentredX(Get(images, placeBy).width), py = iCentredY(Get(images, placeBy).height);
  Draw(frame, images, panel, px, py, true);
  for (int i = 0; i < zoneCount; ++i) Outline(frame, {px + zones[i].x, py + zones[i].y, zones[i].w, zones[i].h});
  return frame;
}

// Every layout on its playing screen, a quarter of the size, four to a row.
Image LayoutSheet(const Images& images, const std::vector<Layout>& layouts) {
  const int scale = 4, w = kScreenWidth / scale, h = kScreenHeight / scale;
  int rows = int(layouts.size() + 3) / 4;
  Image sheet(4 * w, rows * h, {40, 40, 40});
  for (size_t n = 0; n < layouts.size(); ++n) {
    Image frame = GameFrame(images, 180, false, TilesOf(layouts[n]));
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        int r = 0, g = 0, b = 0;
        for (int dy = 0; dy < scale; ++dy) {
          for (int dx = 0; dx < scale; ++dx) {
            const Rgb& c = frame.at(x * scale + dx, y * scale + dy);
            r += c.r, g += c.g, b += c.b;
          }
        }
        int k = scale * scale;
        sheet.at(int(n % 4) * w + x, int(n / 4) * h + y) = {uint8_t(r / k), uint8_t(g / k), uint8_t(b / k)};
      }
    }
  }
  return sheet;
}

Image Message(const Images& images, const std::string& message, Rect at) {
  Image frame = GameFrame(images, 60, false);
  Fade(frame, 50);
  Draw(frame, images, "messagebar", kMessageBar.x, kMessageBar.y);
  Draw(frame, images, message, at.x, at.y, true);
  return frame;
}

// A line of text drawn from the glyphs as the game draws it, its top-left corner at (x, y).
void DrawGlyphText(Image& frame, const std::string& text, int x, int y) {
  static std::map<char32_t, Image> glyphs;
  for (size_t pos = 0; pos < text.size();) {
    const char32_t c = NextCharacter(text, pos);
    auto [at, added] = glyphs.emplace(c, Image());
    if (added) at->second = MakeCharacterGlyph(c);
    BlitTransparent(frame, at->second, x, y);
    x += at->second.width;
  }
}

void DrawGlyphTextCentred(Image& frame, const std::string& text, int centreX, int y) {
  DrawGlyphText(frame, text, centreX - GlyphTextWidth(text) / 2, y);
}

// The controls page as the options draw it, its two columns' boxes outlined.
Image ControlsPage(const Images& images, const Language& language) {
  Image frame = Panel(images, "title", "scorepanel", nullptr, 0, "scorepanel");
  const int x = iCentredX(kScorePanelWidth), y = iCentredY(kScorePanelHeight);
  DrawGlyphTextCentred(frame, DrawnText(language, "Controls"), x + kScorePanelWidth / 2, y + kScoreHeadingY);
  int top = y + kControlsFirstRowY;
  for (const ControlLine& line : ControlLines()) {
    DrawGlyphText(frame, line.keys[1] == '\0' ? line.keys : DrawnText(language, line.keys), x + kControlsKeysX, top);
    DrawGlyphText(frame, DrawnText(language, line.action), x + kControlsActionX, top);
    top += kControlsRowStep;
  }
  DrawGlyphTextCentred(frame, DrawnText(language, "A click or a key goes back"), x + kScorePanelWidth / 2,
                       y + kControlsFooterY);
  const int rows = int(ControlLines().size()) * kControlsRowStep;
  Outline(frame, {x + kControlsKeysX, y + kControlsFirstRowY, kControlsKeysRoom, rows});
  Outline(frame, {x + kControlsActionX, y + kControlsFirstRowY, kControlsActionRoom, rows});
  return frame;
}

// The paused game: the board hidden, the plaque with its two lines and its options button.
Image PausePlaque(const Images& images, const Language& language) {
  Image frame = GameFrame(images, 90, false, {});
  Draw(frame, images, "messagebar", kMessageBar.x, kMessageBar.y);
  const int centre = kMessageBar.x + kMessageBar.w / 2;
  DrawGlyphTextCentred(frame, DrawnText(language, "PAUSED"), centre, kPausedTextY);
  DrawGlyphTextCentred(frame, DrawnText(language, "P or a click goes on"), centre, kPausedTextY + kPausedLineStep);
  Draw(frame, images, "pausedoptions", kPausedOptionsButton.x, kPausedOptionsButton.y);
  Outline(frame, kPausedOptionsButton);
  return frame;
}

// Both tile sets side by side, faces 1..28 on their tile bodies in two rows each, as seen with
// normal vision and through each simulated colour-vision deficiency (one band of four rows each).
Image TileSetSheet(const Images& images) {
  constexpr int kPerRow = 14, kStepX = kTileWidth + 4, kStepY = kTileHeight + 4, kBandGap = 16;
  const int band = 4 * kStepY + kBandGap;
  Image sheet(kPerRow * kStepX + 8, 4 * band, {30, 60, 54});
  for (int v = 0; v < 4; ++v) {
    for (int set = 0; set < 2; ++set) {
      const std::string prefix = set ? kClearTiles.prefix : kClassicTiles.prefix;
      for (int face = 1; face <= kTileFaces; ++face) {
        const int x = 4 + (face - 1) % kPerRow * kStepX, y = v * band + (2 * set + (face - 1) / kPerRow) * kStepY + 4;
        Image tile(kTileWidth, kTileHeight);
        BlitTransparent(tile, Get(images, "border"), 0, 0);
        BlitTransparent(tile, Get(images, prefix + std::to_string(face)), 0, 0);
        if (v > 0) {
          for (Rgb& c : tile.pixels) if (c != kTransparent) c = KeepVisible(SimulateVision(c, kVisions[v - 1]));
        }
        BlitTransparent(sheet, tile, x, y);
      }
    }
  }
  return sheet;
}

// The playing screen with the clear tile set in place of the classic one.
Image ClearTilesFrame(Images images) {
  for (int face = 0; face <= kTileFaces; ++face) {
    images[kClassicTiles.prefix + std::to_string(face)] = Get(images, kClearTiles.prefix + std::to_string(face));
  }
  return GameFrame(images, 97, false);
}

// One set of previews, drawn from `images`, into `folder`.
bool bWritePreviewSet(const std::string& folder, const Images& images, const Language& language,
                      const std::vector<Layout>& layouts) {
  const Rect yesNo[2] = {kYesButton, kNoButton};
  std::vector<std::pair<std::string, Image>> pictures;
  pictures.reserve(18);
  pictures.emplace_back("title", Get(images, "title"));
  pictures.emplace_back("title_menubar", Panel(images, "title", "menubar", kMenuButtons, 3, "menubar"));
  pictures.emplace_back("title_choosediff", Panel(images, "title", "choosediff", kMenuButtons, 3, "menubar"));
  pictures.emplace_back("title_areyousure", Panel(images, "title", "areyousure", yesNo, 2, "areyousure"));
  pictures.emplace_back("gamehelp", Get(images, "gamehelp"));
  pictures.emplace_back("gamehelp_controls", ControlsPage(images, language));
  pictures.emplace_back("paused", PausePlaque(images, language));
  pictures.emplace_back("gamescreen", GameFrame(images, 97, false));
  pictures.emplace_back("gamescreen_warning", GameFrame(images, 23, true));
  pictures.emplace_back("gamescreen_clear_tiles", ClearTilesFrame(images));
  pictures.emplace_back("tile_sets", TileSetSheet(images));
  pictures.emplace_back("message_gameover", Message(images, "gameover", kGameOver));
  pictures.emplace_back("message_nomoremoves", Message(images, "nomoremoves", kNoMoreMoves));
  pictures.emplace_back("message_levelclearbonus", Message(images, "levelclearbonus", kLevelClearBonus));
  Image cont = GameFrame(images, 150, false);
  const Image& prompt = Get(images, "clicktocontinue");
  BlitOpaque(cont, prompt, iCentredX(prompt.width), iCentredY(prompt.height));
  pictures.emplace_back("clicktocontinue", cont);
  if (!layouts.empty()) {
    pictures.emplace_back("gamescreen_last_layout", GameFrame(images, 130, false, TilesOf(layouts.back())));
    pictures.emplace_back("layouts", LayoutSheet(images, layouts));
  }
  for (auto& [name, picture] : pictures) {
    if (!bWritePng(picture, folder + "/" + name + ".png")) {
      std::fprintf(stderr, "tavimora_contentgen: cannot write %s/%s.png\n", folder.c_str(), name.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace

bool bWritePreviews(const std::string& folder, const std::vector<Layout>& layouts, const std::string& catalogueFolder) {
  Images images;
  for (const CatalogueEntry& e : Catalogue()) images[e.name] = e.make();
  if (!bWritePreviewSet(folder, images, Language(), layouts)) return false;
  if (catalogueFolder.empty()) return true;
  std::vector<std::string> warnings;
  for (const Translations& translations : ReadAllTranslations(catalogueFolder, warnings)) {
    const Language language(translations.language, translations.translated);
    for (const CatalogueEntry& e : Catalogue()) {
      if (e.paint) images[e.name] = e.paint(language);
    }
    const std::string languageFolder = folder + "/" + translations.language;
    std::error_code ec;
    std::filesystem::create_directories(languageFolder, ec);
    if (!bWritePreviewSet(languageFolder, images, language, {})) return false;  // the layouts hold no text
  }
  for (const std::string& warning : warnings) std::fprintf(stderr, "tavimora_contentgen: warning: %s\n", warning.c_str());
  return true;
}

}  // namespace contentgen
