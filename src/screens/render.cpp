#include "screens/render.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "screens/screen_layout.h"
#include "screens/text.h"

namespace {
constexpr int kCommaGlyph = 10;
constexpr int kRedTicks = 40;     // the last 40 ticks are red
constexpr int kYellowTicks = 80;  // the 40 before them yellow, the rest green

// The glyph for each character: digits 0..9, the comma 10; anything else repeats the glyph of the
// character before it (digit 0 at the start).
int iGlyphFor(char c, int previous) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c == ',') return kCommaGlyph;
  return previous;
}

// The time warning blinks while time is left; an empty bar has nothing left to hurry for (the
// last frame of a game stays under the game-over message and the name entry).
bool WarningShown(const GameVars& vars) { return vars.bTimeWarning != 0 && vars.iTimeTicks > 0; }

bool bIsSelected(const GameVars& vars, int cell) {
  return vars.iSelectedCount != 0 &&
         (cell == vars.aiSelectedCell[0] || cell == vars.aiSelectedCell[1]);
}

bool bIsHinted(const GameVars& vars, int cell) {
  return vars.bHintShown && (cell == vars.aiHintCell[0] || cell == vars.aiHintCell[1]);
}

void vDrawTickCell(int cell, const Sprite& tick) {
  tick.Draw(screen::kTickSize * (cell % screen::kTickColumns),
            screen::kTickSize * (cell / screen::kTickColumns));
}

const Sprite& FullTick(int k) {
  if (k < kRedTicks) return gResources.ticks[kRedTick];
  if (k >= kYellowTicks) return gResources.ticks[kGreenTick];
  return gResources.ticks[kYellowTick];
}

void vDrawShadowsAndBases(const int32_t* board, int z) {
  for (int x = kBoardColumns - 1; x >= 0; --x) {
    for (int y = 0; y < kBoardRows; ++y) {
      if (board[iGetCellIndex(x, y, z)] <= 0) continue;
      int left = screen::iTileLeft(x, z), top = screen::iTileTop(y, z);
      gResources.shadow.DrawShade(left + screen::kShadowDx, top + screen::kShadowDy,
                                  screen::kShadowKeep);
      gResources.border.Draw(left, top);
    }
  }
}

void vDrawFace(const GameVars& vars, int cell, int value, int left, int top) {
  const Sprite& face = gResources.tiles[value < kTileSprites ? value : 0];
  face.Draw(left, top);
  if (bIsSelected(vars, cell)) {
    face.DrawTinted(left, top, 150, 100, 0, pTintScratch);
    gResources.tileSelect.Draw(left + screen::kTileMarkDx, top);
  }
  if (bIsHinted(vars, cell)) {
    gResources.hintAngels[vars.iHintFrame & 3].Draw(left + screen::kHintOnFaceDx,
                                                     top + screen::kHintOnFaceDy);
  }
  if (cell == vars.iBlockedCell) {
    face.DrawTinted(left, top, 150, -50, -50, pTintScratch);
    gResources.tileBlock[vars.bBlockedBlink].Draw(left + screen::kTileMarkDx, top);
  }
}

// The part of `r` inside `clip` (w or h 0 or less when none).
screen::Rect Within(const screen::Rect& r, const screen::Rect& clip) {
  const int x0 = std::max(r.x, clip.x), y0 = std::max(r.y, clip.y);
  const int x1 = std::min(r.x + r.w, clip.x + clip.w), y1 = std::min(r.y + r.h, clip.y + clip.h);
  return {x0, y0, x1 - x0, y1 - y0};
}

// Fades the part of `r` inside `clip`, since fading is not a drawing the clip rectangle limits.
void FadeWithin(const screen::Rect& r, const screen::Rect& clip, int dr, int dg, int db) {
  const screen::Rect part = Within(r, clip);
  if (part.w > 0 && part.h > 0) FadeFrame(part.x, part.y, part.w, part.h, dr, dg, db);
}

// A bright frame around the face of the focused tile, over everything else on the board; only
// inside `clip`.
void vDrawFocusRing(const GameVars& vars, const int32_t* board, const screen::Rect& clip) {
  if (!vars.bFocusShown || !HoldsTile(board, vars.iFocusCell)) return;
  int x, y, z;
  vGetCellXYZ(vars.iFocusCell, x, y, z);
  const int left = screen::iTileLeft(x, z) + screen::kTileMarkDx, top = screen::iTileTop(y, z);
  const int w = screen::kTileZoneWidth - screen::kTileMarkDx, h = screen::kTileZoneHeight - 8;
  const int t = screen::kFocusRing;
  for (const screen::Rect& r : {screen::Rect{left, top, w, t}, screen::Rect{left, top + h - t, w, t},
                                screen::Rect{left, top + t, t, h - 2 * t},
                                screen::Rect{left + w - t, top + t, t, h - 2 * t}}) {
    FadeWithin(r, clip, 140, 120, -60);
  }
}

// The hint button, a disc painted in the background, is dimmed while no hint is left: row by
// row across the disc, so that the background around it keeps its look.
void DimSpentHintButton(const GameVars& vars, const screen::Rect& clip) {
  if (vars.iHintsLeft > 0) return;
  const screen::Rect& zone = screen::kHintZone;
  const int radius = zone.w / 2, centreX = zone.x + radius, centreY = zone.y + zone.h / 2;
  for (int dy = -radius; dy < radius; ++dy) {
    const int half = static_cast<int>(std::sqrt(static_cast<double>(radius * radius - dy * dy)));
    FadeWithin({centreX - half, centreY + dy, 2 * half, 1}, clip, -90, -90, -90);
  }
}

void vDrawFaces(const GameVars& vars, const int32_t* board, int z) {
  for (int x = kBoardColumns - 1; x >= 0; --x) {
    for (int y = 0; y < kBoardRows; ++y) {
      int cell = iGetCellIndex(x, y, z);
      if (board[cell] <= 0) continue;
      vDrawFace(vars, cell, board[cell], screen::iTileLeft(x, z), screen::iTileTop(y, z));
    }
  }
}
}  // namespace

void DrawTimeBar(const GameVars& vars) {
  int ticks = vars.iTimeTicks < 0 ? 0 : vars.iTimeTicks;
  if (ticks > screen::kTickCells) ticks = screen::kTickCells;
  for (int k = 0; k < ticks; ++k) vDrawTickCell(screen::kTickCells - 1 - k, FullTick(k));
  for (int m = 0; m < screen::kTickCells - ticks; ++m) {
    vDrawTickCell(m, gResources.ticks[kEmptyTick]);
  }
  if (WarningShown(vars)) gResources.timeRunningOut.Draw(screen::kTimeWarningX, screen::kTimeWarningY);
}

namespace {
// A number's glyphs, centred in the field of that width starting at x.
struct NumberGlyphs {
  int glyphs[16];
  int count = 0, left = 0, width = 0;
  NumberGlyphs(int32_t value, int x, int fieldWidth) {
    char text[16];
    std::snprintf(text, sizeof text, "%ld", static_cast<long>(value));
    int previous = 0;
    for (const char* c = text; *c != '\0'; ++c) {
      previous = iGlyphFor(*c, previous);
      glyphs[count++] = previous;
      width += gResources.digits[previous].width;
    }
    left = x + (fieldWidth / 2 - width / 2);
  }
};

screen::Rect NumberArea(int32_t value, int x, int y) {
  NumberGlyphs number(value, x, screen::kNumberFieldWidth);
  int height = 0;
  for (int i = 0; i < number.count; ++i) {
    height = std::max<int>(height, gResources.digits[number.glyphs[i]].height);
  }
  return {number.left, y, number.width, height};
}

screen::Rect SpriteArea(const Sprite& sprite, int x, int y) {
  return {x, y, sprite.width, sprite.height};
}

bool bSameBoard(const GameScreenPicture& a, const GameScreenPicture& b) {
  return std::equal(a.selected, a.selected + 2, b.selected) &&
         std::equal(a.hinted, a.hinted + 2, b.hinted) && a.hintFrame == b.hintFrame &&
         a.blockedCell == b.blockedCell && a.blockedBlink == b.blockedBlink &&
         a.focusCell == b.focusCell &&
         std::equal(a.board, a.board + kBoardCells, b.board);
}
}  // namespace

void DrawNumber(int32_t value, int x, int y, int width) {
  NumberGlyphs number(value, x, width);
  int at = number.left;
  for (int i = 0; i < number.count; ++i) {
    const Sprite& glyph = gResources.digits[number.glyphs[i]];
    glyph.Draw(at, y);
    at += glyph.width;
  }
}

std::vector<screen::Rect> IndicatorAreas(const GameScreenPicture& was, const GameScreenPicture& now) {
  std::vector<screen::Rect> areas;
  if (!bSameBoard(was, now)) return areas;
  if (was.ticks != now.ticks) {
    areas.push_back({0, 0, screen::kTimeColumnWidth, screen::kTickRows * screen::kTickSize});
  }
  if (was.timeWarning != now.timeWarning) {
    areas.push_back(
        SpriteArea(gResources.timeRunningOut, screen::kTimeWarningX, screen::kTimeWarningY));
  }
  const struct {
    int32_t was, now;
    int x;
  } numbers[] = {{was.shownScore, now.shownScore, screen::kScoreX},
                 {was.bestScore, now.bestScore, screen::kBestX},
                 {was.level, now.level, screen::kLevelX}};
  for (const auto& n : numbers) {
    if (n.was == n.now) continue;
    areas.push_back(NumberArea(n.was, n.x, screen::kNumberY));
    areas.push_back(NumberArea(n.now, n.x, screen::kNumberY));
  }
  if (was.hintsLeft != now.hintsLeft) {
    const Sprite& angel = gResources.hintAngels[0];
    int most = std::max(was.hintsLeft, now.hintsLeft);
    areas.push_back({screen::kHintsLeftX, screen::kHintsLeftY,
                     screen::kHintsLeftStep * std::max(most - 1, 0) + angel.width, angel.height});
  }
  if ((was.hintsLeft > 0) != (now.hintsLeft > 0)) areas.push_back(screen::kHintZone);
  return areas;
}

void vDrawHintsLeft(const GameVars& vars) {
  for (int i = 0; i < vars.iHintsLeft; ++i) {
    gResources.hintAngels[0].Draw(screen::kHintsLeftX + screen::kHintsLeftStep * i,
                                  screen::kHintsLeftY);
  }
}

void TakePicture(const GameVars& vars, const int32_t* board, GameScreenPicture& picture) {
  picture.ticks = std::clamp(vars.iTimeTicks, 0, screen::kTickCells);
  picture.timeWarning = WarningShown(vars) ? 1 : 0;
  picture.shownScore = vars.iShownScore;
  picture.bestScore = vars.iBestScore;
  picture.level = vars.iLevel;
  picture.hintsLeft = vars.iHintsLeft;
  for (int i = 0; i < 2; ++i) {
    picture.selected[i] = vars.iSelectedCount != 0 ? vars.aiSelectedCell[i] : -1;
    picture.hinted[i] = vars.bHintShown ? vars.aiHintCell[i] : -1;
  }
  picture.hintFrame = vars.bHintShown ? (vars.iHintFrame & 3) : 0;
  picture.blockedCell = vars.iBlockedCell;
  picture.blockedBlink = vars.iBlockedCell >= 0 ? vars.bBlockedBlink : 0;
  picture.focusCell = vars.bFocusShown ? vars.iFocusCell : -1;
  std::copy(board, board + kBoardCells, picture.board);
}

namespace {
void vDrawGameScreenWithin(const GameVars& vars, const int32_t* board, const screen::Rect& clip) {
  gResources.gameScreen.DrawWithinClip(0, 0);  // so that DrawGameScreenIn can redraw a part
  DrawTimeBar(vars);
  DrawNumber(vars.iShownScore, screen::kScoreX, screen::kNumberY, screen::kNumberFieldWidth);
  DrawNumber(vars.iBestScore, screen::kBestX, screen::kNumberY, screen::kNumberFieldWidth);
  DrawNumber(vars.iLevel, screen::kLevelX, screen::kNumberY, screen::kNumberFieldWidth);
  vDrawHintsLeft(vars);
  DimSpentHintButton(vars, clip);
  for (int z = 0; z < kBoardLayers; ++z) {
    vDrawShadowsAndBases(board, z);
    vDrawFaces(vars, board, z);
  }
  vDrawFocusRing(vars, board, clip);
  gResources.helpButton.Draw(screen::kHelpButtonX, screen::kHelpButtonY);
}
}  // namespace

void DrawGameScreen(const GameVars& vars, const int32_t* board) {
  vDrawGameScreenWithin(vars, board, screen::kWholeScreen);
}

void DrawShortNote(const std::string& note) {
  if (note.empty()) return;
  const screen::Rect r = screen::NoteStrip(iTextWidth(note));
  const Sprite& panel = gResources.notePanel;
  const int half = r.w / 2;
  gFrameStack.ClipTo(r.x, r.y, half, r.h);
  panel.DrawWithinClip(r.x, r.y);
  gFrameStack.ClipTo(r.x + half, r.y, r.w - half, r.h);
  panel.DrawWithinClip(r.x + r.w - panel.width, r.y);
  gFrameStack.Unclip();
  vDrawTextCentred(note, r.x + r.w / 2, r.y + (r.h - screen::kGlyphHeight) / 2);
}

void DrawGameScreenIn(const GameVars& vars, const int32_t* board,
                      const std::vector<screen::Rect>& areas) {
  for (const screen::Rect& area : areas) {
    gFrameStack.ClipTo(area.x, area.y, area.w, area.h);
    vDrawGameScreenWithin(vars, board, area);
  }
  gFrameStack.Unclip();
}
