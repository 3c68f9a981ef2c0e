#include "catalogue.h"

#include "art_screens.h"
#include "art_small.h"
#include "art_tiles.h"
#include "layout_constants.h"

namespace contentgen {
namespace {
// A picture that holds text: English by default, any language on demand.
CatalogueEntry WithText(const char* name, Image (*paint)(const Language&)) {
  return {name, PcxVariant::Rgb24, [paint] { return paint(Language()); }, paint};
}
}  // namespace

std::vector<CatalogueEntry> Catalogue() {
  using V = PcxVariant;
  std::vector<CatalogueEntry> list = {
      WithText("gamescreen", MakeGameScreen),
      WithText("title", MakeTitle),
      WithText("clicktocontinue", MakeClickToContinue),
      WithText("menubar", MakeMenuBar),
      WithText("gamehelp", MakeGameHelp),
      WithText("gameover", MakeGameOver),
      WithText("areyousure", MakeAreYouSure),
      WithText("choosediff", MakeChooseDifficulty),
      WithText("nomoremoves", MakeNoMoreMoves),
      WithText("levelclearbonus", MakeLevelClearBonus),
      {"shadow", V::Mono2, MakeShadow},
      WithText("timerunningout", MakeTimeWarning),
      {"helpbutton", V::Rgb24, MakeHelpButton},
  };
  for (int i = 0; i < 4; ++i) list.push_back({"hintangel" + std::to_string(i), V::Rgb24, [i] { return MakeHintMark(i); }});
  list.push_back({"border", V::Rgb24, MakeBorder});
  list.push_back({"tileselect", V::Rgb24, MakeTileSelect});
  list.push_back({"tileblock", V::Planar16, MakeTileBlock});
  list.push_back({"redtick", V::Indexed256, [] { return MakeTick(Tick::Red); }});
  list.push_back({"yellowtick", V::Indexed256, [] { return MakeTick(Tick::Yellow); }});
  list.push_back({"greentick", V::Indexed256, [] { return MakeTick(Tick::Green); }});
  list.push_back({"emptytick", V::Planar16, [] { return MakeTick(Tick::Empty); }});
  list.push_back({"messagebar", V::Rgb24, [] { return MakeMessageBar(false); }});
  list.push_back({"messagebar2", V::Rgb24, [] { return MakeMessageBar(true); }});
  auto addTileSet = [&list](const TileSet& set) {
    for (int i = 0; i <= kTileFaces; ++i) list.push_back({set.prefix + std::to_string(i), V::Rgb24, [set, i] { return set.make(i); }});
  };
  addTileSet(kClassicTiles);
  for (int i = 0; i < kPatternTiles; ++i) {
    list.push_back({"patterntile" + std::to_string(i), V::Rgb24, [i] { return MakePatternTile(i); }});
  }
  for (int i = 0; i <= 10; ++i) list.push_back({"num" + std::to_string(i), V::Indexed256, [i] { return MakeDigit(i); }});
  list.push_back({"scorepanel", V::Rgb24, MakeScorePanel});
  list.push_back(WithText("scoresbutton", MakeScoresButton));
  list.push_back(WithText("okbutton", MakeOkButton));
  list.push_back(WithText("leavegame", MakeLeaveGame));
  list.push_back(WithText("optionsbutton", MakeOptionsButton));
  list.push_back(WithText("optionspanel", MakeOptionsPanel));
  list.push_back(WithText("pausedoptions", MakePausedOptionsButton));
  list.push_back({"notepanel", V::Rgb24, MakeNotePanel});
  for (int i = 0; i < kGlyphCount; ++i) list.push_back({"glyph" + std::to_string(i), V::Rgb24, [i] { return MakeGlyph(i); }});
  addTileSet(kClearTiles);  // not loaded yet: the game offers it as a choice
  return list;
}

Image RenderImage(const std::string& name) {
  for (const CatalogueEntry& e : Catalogue()) {
    if (e.name == name) return e.make();
  }
  return {};
}

}  // namespace contentgen
