#pragma once
// Showing the game's fixed-size frame in a window of any size: where the frame lies in the
// window's pixels (largest size that fits, aspect kept, black bars around it), how a pointer
// position in window points maps back to frame pixels, and the scaled copy itself. Plain
// arithmetic, no SDL, so that it can be checked without a window.
#include <cstdint>

#include "util/pixel_rect.h"

// The frame's place in a drawable of drawW x drawH pixels: the largest size with the frame's
// aspect that fits, centred. One to one when the drawable is the frame's size.
PixelRect FitFrame(int drawW, int drawH, int frameW, int frameH);

// The first window size for a usable desktop area: the frame's size when it fits, otherwise the
// largest size of the frame's aspect that does.
void FirstWindowSize(int usableW, int usableH, int frameW, int frameH, int& w, int& h);

// A pointer position in window points (the window is winW x winH points and drawW x drawH
// pixels) as frame pixels. A position on a bar lands outside 0..frameW-1 x 0..frameH-1.
void WindowPointToFrame(int winX, int winY, int winW, int winH, int drawW, int drawH,
                        int frameW, int frameH, int& frameX, int& frameY);

// A rectangle of frame pixels as window points (the inverse of WindowPointToFrame), for what the
// window system places beside it.
PixelRect FrameRectToWindow(const PixelRect& frameRect, int winW, int winH, int drawW, int drawH,
                            int frameW, int frameH);

// The pixels of the drawable that change when the frame rectangle `changed` changes (with the
// filter's reach when scaled), clipped to `fit`.
PixelRect ScaledArea(const PixelRect& fit, int frameW, int frameH, const PixelRect& changed);

// Writes the part `area` of the frame shown at `fit` (smoothly filtered when scaled, copied
// when one to one) into `out`, which holds `area` with rows `outPitch` pixels apart. Frame and
// output pixels are 0x00RRGGBB.
void ScaleFrameArea(const uint32_t* frame, int frameW, int frameH, const PixelRect& fit,
                    const PixelRect& area, uint32_t* out, int outPitch);
