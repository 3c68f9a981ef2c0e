#pragma once
// The full-screen pictures (1024 x 768, opaque) and the panels drawn over them.
#include "image.h"

namespace contentgen {

Image MakeGameScreen();
Image MakeTitle();
Image MakeGameHelp();

Image MakeMenuBar();
Image MakeChooseDifficulty();
Image MakeAreYouSure();
Image MakeLeaveGame();  // the same box over the playing screen, asking to leave the game
Image MakeMessageBar(bool second);
Image MakeGameOver();
Image MakeNoMoreMoves();
Image MakeLevelClearBonus();
Image MakeClickToContinue();

// The score table: its panel, the menu's small button that opens it, the name entry's OK
// button, and one glyph per character slot of the text the game draws.
Image MakeScorePanel();
Image MakeScoresButton();
Image MakeOkButton();
Image MakeGlyph(int slot);

// The options: the small button beside the table's, the one on the pause plaque, and the panel
// of settings.
Image MakeOptionsButton();
Image MakePausedOptionsButton();
Image MakeOptionsPanel();

// The short notes' panel: gold-edged, its flat middle the colour the glyphs are matted against.
Image MakeNotePanel();

}  // namespace contentgen
