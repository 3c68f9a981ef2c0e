#pragma once
// A board in the middle of play, for a picture: a dealt layout with a selected tile, a hint, a
// blocked tile, a score, a level and a part-full time bar.

// Tiles in content\levels\level<layout>.dat, or -1 when it cannot be read whole.
int iTilesInLayout(int layout);

// The layout file with the most tiles under content\levels, or -1 when there is none.
int iLargestLayout();

// Deals that layout file and stages the marks and the status; false when nothing was dealt.
bool bStageBoard(int layout);
