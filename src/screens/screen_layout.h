#pragma once
// Where the game draws things and where its buttons lie, in pixels of the 1024 x 768 frame or
// relative to a panel's top-left corner. The content generator paints the art to fit these
// places, so both read them from here.
#include "util/pixel_rect.h"

namespace screen {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

using Rect = PixelRect;
constexpr Rect kWholeScreen{0, 0, kScreenWidth, kScreenHeight};

// Time bar: 4 x 45 cells of 17 px from (0, 0), filled from the bottom-right cell.
constexpr int kTickSize = 17;
constexpr int kTickColumns = 4;
constexpr int kTickRows = 45;
constexpr int kTickCells = kTickColumns * kTickRows;  // 180
constexpr int kTimeColumnWidth = kTickSize * kTickColumns;  // 68
constexpr int kTimeWarningX = 10, kTimeWarningY = 12, kTimeWarningWidth = 172, kTimeWarningHeight = 44;

// Status numbers: fields of 165 px from y 45, digits drawn at y 45.
constexpr int kNumberY = 45;
constexpr int kNumberFieldWidth = 165;
constexpr int kScoreX = 192, kLevelX = 374, kBestX = 556;
constexpr int kDigitHeight = 28;
constexpr int kDigitWidth = 18;
constexpr int kCommaWidth = 9;

// Hints left: the first hint mark at (769 + 34 i, 34); the hint button's zone.
constexpr int kHintsLeftX = 769, kHintsLeftY = 34, kHintsLeftStep = 34;
constexpr Rect kHintZone{907, 6, 70, 70};
constexpr int kHintMarkSize = 32;
constexpr int kHintOnFaceDx = 26, kHintOnFaceDy = 26;

constexpr int kHelpButtonX = 979, kHelpButtonY = 721, kHelpButtonSize = 45;
constexpr Rect kHelpZone{kHelpButtonX, kHelpButtonY, kHelpButtonSize, kHelpButtonSize};

// Menu panels (menubar and choosediff share size and buttons), centred by the menu bar's size.
constexpr int kMenuWidth = 720, kMenuHeight = 400;
constexpr Rect kMenuButtons[3] = {{178, 45, 364, 68}, {178, 166, 364, 68}, {178, 287, 364, 68}};
constexpr int kAreYouSureWidth = 729, kAreYouSureHeight = 400;
constexpr Rect kYesButton{183, 168, 363, 68};
constexpr Rect kNoButton{183, 286, 363, 68};

// The message plaque and the messages drawn over its middle.
constexpr Rect kMessageBar{180, 205, 664, 358};
constexpr Rect kGameOver{340, 331, 344, 106};
constexpr Rect kNoMoreMoves{378, 305, 268, 158};
constexpr Rect kLevelClearBonus{338, 295, 348, 178};
constexpr int kClickToContinueWidth = 420, kClickToContinueHeight = 90;

// Text drawn from glyph pictures: the printable Latin-1 characters (0x20..0x7E, 0xA0..0xFF) and a
// replacement mark for every other character, all one line tall, each as wide as its advance.
constexpr int kGlyphHeight = 32;
constexpr int kGlyphBaseline = 24;
constexpr int kGlyphFontSize = 22;
constexpr int kAsciiGlyphs = 0x7F - 0x20, kLatinGlyphs = 0x100 - 0xA0;
constexpr int kGlyphCount = kAsciiGlyphs + kLatinGlyphs + 1;
constexpr int kReplacementGlyph = kGlyphCount - 1;
constexpr int iGlyphSlot(char32_t c) {
  if (c >= 0x20 && c < 0x7F) return static_cast<int>(c - 0x20);
  if (c >= 0xA0 && c <= 0xFF) return kAsciiGlyphs + static_cast<int>(c - 0xA0);
  return kReplacementGlyph;
}
constexpr char32_t GlyphCharacter(int slot) {
  return slot < kAsciiGlyphs ? char32_t(0x20 + slot) : char32_t(0xA0 + slot - kAsciiGlyphs);
}

// The score panel (name entry and the table), centred; text goes on its flat field. Positions of
// the lines are relative to the panel; y is a line's top.
constexpr int kScorePanelWidth = 760, kScorePanelHeight = 600;
constexpr Rect kScoreField{36, 36, 688, 528};
constexpr int kScoreHeadingY = 56;
constexpr int kEntryRankY = 120, kEntryPromptY = 190, kEntryNameY = 250, kEntryHintY = 330;
constexpr int kEntryNameX = 70, kEntryNameWidth = 620;
constexpr Rect kNameOkButton{280, 430, 200, 64};
constexpr int kTableFirstRowY = 104, kTableRowStep = 42;
constexpr int kTableRankRight = 110, kTableNameX = 132, kTableNameWidth = 400, kTableScoreRight = 690;
// The table's last line, how to close it: below the ten rows, within the field.
constexpr int kTableFooterY = 522;
static_assert(kTableFirstRowY + 9 * kTableRowStep + kGlyphHeight < kTableFooterY &&
              kTableFooterY + kGlyphHeight <= kScoreField.y + kScoreField.h);

// The small button on the title below the main menu that opens the table, and the one beside it
// that opens the options.
constexpr Rect kScoresButton{397, 600, 230, 52};
constexpr Rect kOptionsButton{639, 600, 150, 52};

// The options panel, centred: a heading, one row a setting (its name on the left, its value on
// the right, the row's zone across the field), and the OK button that closes it. The controls
// page lists the keys and pad buttons on the same panel. y is a line's top, relative to the panel.
constexpr int kOptionsPanelWidth = 760, kOptionsPanelHeight = 600;
constexpr int kOptionsHeadingY = 56;
constexpr int kOptionsRows = 7;
constexpr int kOptionsFirstRowY = 116, kOptionsRowStep = 50;
constexpr int kOptionsLabelX = 70, kOptionsValueRight = 690;
constexpr Rect kOptionsRowZone{50, -8, 660, 46};  // relative to a row's top
constexpr Rect kOptionsOkButton{280, 490, 200, 64};
constexpr int kOptionsMinusX = 500;                 // the volume's minus sign
constexpr Rect kOptionsMinusZone{490, -8, 44, 46};  // relative to the volume row's top
constexpr int kControlsFirstRowY = 100, kControlsRowStep = 38;
constexpr int kControlsKeysX = 50, kControlsActionX = 414, kControlsFooterY = 522;

// Board geometry: a tile at column c, row r, layer z has its top-left corner here; each layer up
// is 9 pixels right and 10 up. Its zone covers the face and the base below it.
constexpr int iTileLeft(int c, int z) { return 80 + 32 * c + 9 * z; }
constexpr int iTileTop(int r, int z) { return 112 + 40 * r - 10 * z; }
constexpr int kTileZoneWidth = 72, kTileZoneHeight = 88;
// Marks drawn over a tile, relative to its top-left corner.
constexpr int kTileMarkDx = 9;
constexpr int kShadowDx = -4, kShadowDy = 13;
// Under a tile's shadow the board keeps this much of its light, in 256ths.
constexpr int kShadowKeep = 150;

// The paused game's lines of text, centred on the message plaque, and its options button.
constexpr int kPausedTextY = 330, kPausedLineStep = 50;
constexpr Rect kPausedOptionsButton{412, 428, 200, 56};

// A short note (the sound's new state, a save that failed) on a small panel at the bottom
// right, left of the help button, where no tile is drawn. A note too long for it widens the strip
// to the left.
constexpr Rect kNoteStrip{720, 728, 250, 36};
constexpr int kNoteMargin = 12;  // between the text and the strip's ends
// The strip's panel picture: its left half drawn at the strip's left end and its right half at
// the right end, so any strip up to twice as wide shows a whole panel.
constexpr int kNotePanelWidth = 400;
constexpr Rect NoteStrip(int textWidth) {
  const int wanted = textWidth + 2 * kNoteMargin;
  const int w = wanted > kNoteStrip.w ? wanted : kNoteStrip.w;
  return {kNoteStrip.x + kNoteStrip.w - w, kNoteStrip.y, w, kNoteStrip.h};
}

// The keyboard's focus ring around a tile's face: its thickness.
constexpr int kFocusRing = 3;

// The centred position of a picture of that size (each half truncated).
constexpr int iCentredX(int width) { return (kScreenWidth - width) / 2; }
constexpr int iCentredY(int height) { return (kScreenHeight - height) / 2; }

// The title's line saying how the game starts, its middle at this height: within the band the
// menu panels cover when they are drawn over the title, so it shows on the title alone.
constexpr int kTitleHintY = 214;
static_assert(kTitleHintY - 16 > iCentredY(kMenuHeight) && kTitleHintY - 16 > iCentredY(kAreYouSureHeight));

}  // namespace screen
