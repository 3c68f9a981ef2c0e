#pragma once
// The keyboard and the finger on the playing screen: the arrow keys move a focus ring over the
// free tiles, Enter or Space press the tile under it. The ring shows once an arrow key was used
// and hides at the next mouse press. A tap takes the tile the tap rule gives.
#include "rules/focus.h"

void vMoveFocus(FocusMove move);
void vPressFocusedTile();
// After a pair is taken or a new deal, the ring moves to the nearest free tile.
void vKeepFocusOnFreeTile();
void vHideFocus();
// The tile a finger's tap at frame (x, y) takes (TappedTile, reaching half a tile's width), or -1.
CellIndex TappedCell(int x, int y);
