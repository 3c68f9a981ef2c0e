#pragma once
// A rectangle of pixels, by its top-left corner and its size: the frame's place in a window, a
// changed area to present, a button or a zone on the screen.

struct PixelRect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;

  // Whether the point lies inside. All four edges belong to the rectangle, so one of width 70
  // takes 71 columns: the rule the mouse zones have always had, which every press test shares.
  constexpr bool Contains(int px, int py) const {
    return px >= x && py >= y && px <= x + w && py <= y + h;
  }
};
