#pragma once
// The full-screen pictures (1024 x 768, opaque) and the panels drawn over them. Those that hold
// text are painted in a language.
#include <string>

#include "image.h"
#include "lettering.h"

namespace contentgen {

Image MakeGameScreen(const Language& language);
Image MakeTitle(const Language& language);
Image MakeGameHelp(const Language& language);

Image MakeMenuBar(const Language& language);
Image MakeChooseDifficulty(const Language& language);
Image MakeAreYouSure(const Language& language);
Image MakeLeaveGame(const Language& language);  // the same box over the playing screen, asking to leave the game
Image MakeMessageBar(bool second);
// The message plaque's flat middle, inset this far from its left and right ends, and the room a
// message's texts keep clear of its edges.
constexpr int kMessageFlatInset = 136;
constexpr double kMessageMargin = 24;
Image MakeGameOver(const Language& language);
Image MakeNoMoreMoves(const Language& language);
Image MakeLevelClearBonus(const Language& language);
Image MakeClickToContinue(const Language& language);

// The score table: its panel, the menu's small button that opens it, the name entry's OK
// button, and one glyph per character slot of the text the game draws.
Image MakeScorePanel();
Image MakeScoresButton(const Language& language);
Image MakeOkButton(const Language& language);
Image MakeGlyph(int slot);
// The glyph of any character, for the glyph sheets.
Image MakeCharacterGlyph(char32_t character);
// The replacement mark's width: what a character without a glyph takes.
constexpr int kReplacementMarkWidth = 16;
// A glyph's width, and a line's as the game lays its glyphs side by side.
int GlyphWidth(char32_t character);
int GlyphTextWidth(const std::string& utf8);

// The options: the small button beside the table's, the one on the pause plaque, and the panel
// of settings.
Image MakeOptionsButton(const Language& language);
Image MakePausedOptionsButton(const Language& language);
Image MakeOptionsPanel(const Language& language);

// The short notes' panel: gold-edged, its flat middle the colour the glyphs are matted against.
Image MakeNotePanel();

}  // namespace contentgen
