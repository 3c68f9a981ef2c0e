#include "catalogue.h"

#include "art_screens.h"
#include "art_small.h"
#include "art_tiles.h"
#include "layout_constants.h"

namespace contentgen {

std::vector<CatalogueEntry> Catalogue() {
  using V = PcxVariant;
  std::vector<CatalogueEntry> list = {
      {"gamescreen", V::Rgb24, MakeGameScreen},
      {"title", V::Rgb24, MakeTitle},
      {"clicktocontinue", V::Rgb24, MakeClickToContinue},
      {"menubar", V::Rgb24, MakeMenuBar},
      {"gamehelp", V::Rgb24, MakeGameHelp},
      {"gameover", V::Rgb24, MakeGameOver},
      {"areyousure", V::Rgb24, MakeAreYouSure},
      {"choosediff", V::Rgb24, MakeChooseDifficulty},
      {"nomoremoves", V::Rgb24, MakeNoMoreMoves},
      {"levelclearbonus", V::Rgb24, MakeLevelClearBonus},
      {"shadow", V::Mono2, MakeShadow},
      {"timerunningout", V::Rgb24, MakeTimeWarning},
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
  for (int i = 0; i <= kTileFaces; ++i) list.push_back({"tile" + std::to_string(i), V::Rgb24, [i] { return MakeFace(i); }});
  for (int i = 0; i < kPatternTiles; ++i) {
    list.push_back({"patterntile" + std::to_string(i), V::Rgb24, [i] { return MakePatternTile(i); }});
  }
  for (int i = 0; i <= 10; ++i) list.push_back({"num" + std::to_string(i), V::Indexed256, [i] { return MakeDigit(i); }});
  list.push_back({"scorepanel", V::Rgb24, MakeScorePanel});
  list.push_back({"scoresbutton", V::Rgb24, MakeScoresButton});
  list.push_back({"okbutton", V::Rgb24, MakeOkButton});
  list.push_back({"leavegame", V::Rgb24, MakeLeaveGame});
  list.push_back({"optionsbutton", V::Rgb24, MakeOptionsButton});
  list.push_back({"optionspanel", V::Rgb24, MakeOptionsPanel});
  list.push_back({"pausedoptions", V::Rgb24, MakePausedOptionsButton});
  list.push_back({"notepanel", V::Rgb24, MakeNotePanel});
  for (int i = 0; i < kGlyphCount; ++i) list.push_back({"glyph" + std::to_string(i), V::Rgb24, [i] { return MakeGlyph(i); }});
  return list;
}

Image RenderImage(const std::string& name) {
  for (const CatalogueEntry& e : Catalogue()) {
    if (e.name == name) return e.make();
  }
  return {};
}

}  // namespace contentgen
