#include "play/focus.h"

#include "play/game_state.h"
#include "rules/tap.h"
#include "play/selection.h"
#include "screens/screen_layout.h"

namespace {
constexpr TileGeometry kGeometry{
    screen::iTileLeft(1, 0) - screen::iTileLeft(0, 0), screen::iTileTop(1, 0) - screen::iTileTop(0, 0),
    screen::iTileLeft(0, 1) - screen::iTileLeft(0, 0), screen::iTileTop(0, 1) - screen::iTileTop(0, 0)};
constexpr TileArea kTileArea{screen::kTileZoneWidth, screen::kTileZoneHeight};
}  // namespace

void vMoveFocus(FocusMove move) {
  if (!gs.bFocusShown || !TileIsFree(Board, gs.iFocusCell)) {
    gs.iFocusCell = NearestFreeTile(Board, gs.bFocusShown ? gs.iFocusCell : -1, kGeometry);
  } else {
    gs.iFocusCell = MoveFocus(Board, gs.iFocusCell, move, kGeometry);
  }
  gs.bFocusShown = gs.iFocusCell >= 0 ? 1 : 0;
}

void vPressFocusedTile() {
  if (!gs.bFocusShown || gs.iFocusCell < 0) return;
  vSelectTile(gs.iFocusCell);
  vKeepFocusOnFreeTile();
}

void vKeepFocusOnFreeTile() {
  if (gs.bFocusShown && !TileIsFree(Board, gs.iFocusCell)) {
    gs.iFocusCell = NearestFreeTile(Board, gs.iFocusCell, kGeometry);
    gs.bFocusShown = gs.iFocusCell >= 0 ? 1 : 0;
  }
}

void vHideFocus() { gs.bFocusShown = 0; }

CellIndex TappedCell(int x, int y) {
  return TappedTile(Board, x - screen::iTileLeft(0, 0), y - screen::iTileTop(0, 0), kGeometry, kTileArea,
                    kTileArea.width / 2);
}
