#pragma once
// The keyboard on the playing screen: the arrow keys move a focus ring over the free tiles,
// Enter or Space press the tile under it. The ring shows once an arrow key was used and hides at
// the next mouse press.
#include "rules/focus.h"

void vMoveFocus(FocusMove move);
void vPressFocusedTile();
// After a pair is taken or a new deal, the ring moves to the nearest free tile.
void vKeepFocusOnFreeTile();
void vHideFocus();
