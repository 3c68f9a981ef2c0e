#include "screens/render.h"

#include <cstdio>

#include "board/game_state.h"
#include "board/time_bar.h"
#include "gfx/game_resources.h"
#include "platform/clock.h"

namespace {
constexpr int kNumberY = 45;
constexpr int kNumberFieldWidth = 165;
constexpr int kCommaGlyph = 10;

// The glyph for each character: digits 0..9, the comma 10; anything else repeats the glyph of the
// character before it (digit 0 at the start).
int iGlyphFor(char c, int previous) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c == ',') return kCommaGlyph;
  return previous;
}

bool bIsSelected(int cell) {
  return gs.iSelectedCount != 0 && (cell == gs.aiSelectedCell[0] || cell == gs.aiSelectedCell[1]);
}

bool bIsHinted(int cell) {
  return gs.bHintShown && (cell == gs.aiHintCell[0] || cell == gs.aiHintCell[1]);
}

void vDrawShadowsAndBases(int z) {
  for (int x = kBoardColumns - 1; x >= 0; --x) {
    for (int y = 0; y < kBoardRows; ++y) {
      if (Board[iGetCellIndex(x, y, z)] <= 0) continue;
      int left = iTileLeft(x, z), top = iTileTop(y, z);
      gResources.shadow.Draw(left - 4, top + 13);
      gResources.border.Draw(left, top);
    }
  }
}

void vDrawBlockedMark(const Sprite& face, int left, int top) {
  uint32_t now = timeGetTime();
  if (bTimeAfter(now, gs.dwBlockedBlinkAt)) {
    gs.bBlockedBlink = gs.bBlockedBlink ? 0 : 1;
    gs.dwBlockedBlinkAt = now + 250;
  }
  face.DrawTinted(left, top, 150, -50, -50, pTintScratch);
  gResources.tileBlock[gs.bBlockedBlink].Draw(left + 9, top);
  if (bTimeAfter(now, gs.dwBlockedUntil)) gs.iBlockedCell = -1;
}

void vDrawFace(int cell, int value, int left, int top) {
  const Sprite& face = gResources.tiles[value < kTileSprites ? value : 0];
  face.Draw(left, top);
  if (bIsSelected(cell)) {
    face.DrawTinted(left, top, 150, 100, 0, pTintScratch);
    gResources.tileSelect.Draw(left + 9, top);
  }
  if (bIsHinted(cell)) gResources.hintAngels[gs.iHintFrame & 3].Draw(left + 26, top + 26);
  if (cell == gs.iBlockedCell) vDrawBlockedMark(face, left, top);
}

void vDrawFaces(int z) {
  for (int x = kBoardColumns - 1; x >= 0; --x) {
    for (int y = 0; y < kBoardRows; ++y) {
      int cell = iGetCellIndex(x, y, z);
      if (Board[cell] <= 0) continue;
      vDrawFace(cell, Board[cell], iTileLeft(x, z), iTileTop(y, z));
    }
  }
}
}  // namespace

void DrawNumber(int32_t value, int x, int y, int width) {
  char text[16];
  std::snprintf(text, sizeof text, "%ld", static_cast<long>(value));
  int glyphs[16];
  int count = 0, total = 0, previous = 0;
  for (const char* c = text; *c != '\0'; ++c) {
    previous = iGlyphFor(*c, previous);
    glyphs[count++] = previous;
    total += gResources.digits[previous].width;
  }
  int at = x + (width / 2 - total / 2);
  for (int i = 0; i < count; ++i) {
    const Sprite& glyph = gResources.digits[glyphs[i]];
    glyph.Draw(at, y);
    at += glyph.width;
  }
}

void vDrawHintsLeft() {
  for (int i = 0; i < gs.iHintsLeft; ++i) gResources.hintAngels[0].Draw(769 + 34 * i, 34);
}

void vDrawGameScreen() {
  gResources.gameScreen.Draw(0, 0);
  vDrawTimeBar();
  if (gs.iBestScore < gs.iShownScore) gs.iBestScore = gs.iShownScore;
  DrawNumber(gs.iShownScore, 192, kNumberY, kNumberFieldWidth);
  DrawNumber(gs.iBestScore, 556, kNumberY, kNumberFieldWidth);
  DrawNumber(gs.iLevel, 374, kNumberY, kNumberFieldWidth);
  vDrawHintsLeft();
  for (int z = 0; z < kBoardLayers; ++z) {
    vDrawShadowsAndBases(z);
    vDrawFaces(z);
  }
  gResources.helpButton.Draw(979, 721);
}
