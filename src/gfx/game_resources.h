#pragma once
// Every image of the game, loaded once at start-up, and the slot of the frame buffer.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "gfx/sprite.h"

constexpr int kTileSprites = 256;
constexpr int kTileFaces = 29;  // "tile0" .. "tile28"
constexpr int kPatternTiles = 8;
constexpr int kDigits = 11;     // "num0" .. "num9" and the comma "num10"
constexpr int kHintAngels = 4;
constexpr int kGlyphSprites = 192;  // "glyph0" .. "glyph191": Latin-1 and the replacement mark

enum TickSprite { kRedTick = 0, kYellowTick, kGreenTick, kEmptyTick };

struct GameResources {
  int16_t iFrameVB = -1;
  Sprite title, clickToContinue, gameHelp, menuBar, helpButton, gameScreen;
  Sprite tiles[kTileSprites];
  Sprite patternTiles[kPatternTiles];
  Sprite ticks[4];
  Sprite shadow, tileSelect;
  Sprite tileBlock[2];  // the second stays empty: the blink's hidden phase
  Sprite gameOver, timeRunningOut, chooseDifficulty, areYouSure, messageBar, messageBar2,
      noMoreMoves, levelClearBonus, border;
  Sprite digits[kDigits];
  Sprite hintAngels[kHintAngels];
  Sprite glyphs[kGlyphSprites];
  // The glyphs beyond Latin-1 (other alphabets, the catalogues' characters), from the glyph
  // sheets of the English content and of the language folders. glyphFolders lists the folders
  // whose alphabets are cut ("" for the English content's, all of whose glyphs are); the language
  // in use also has its own characters cut (glyphLanguage, their characters in languageGlyphs),
  // released when another language is shown.
  std::map<char32_t, Sprite> moreGlyphs;
  std::set<std::string> glyphFolders;
  std::string glyphLanguage;
  std::vector<char32_t> languageGlyphs;
  Sprite scorePanel, scoresButton, okButton;
  Sprite leaveGame, optionsButton, optionsPanel, pausedOptions;
  Sprite notePanel;
};

extern GameResources gResources;
