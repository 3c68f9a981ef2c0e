#pragma once
// The graphics layer's owner of the display: the table of off-screen buffers (slots of the raster
// library), the active buffer, and presentation of a buffer to the window. Every frame of the game
// is drawn completely into one 1024 x 768 buffer, the frame buffer, and shown with ShowFrame.
//
// Slot arguments: -1 means the active buffer (as a result: none); 1024 means the screen buffer,
// the buffer the image loader decodes into.
#include <cstddef>
#include <cstdint>

#include "gfx/presented_copy.h"

constexpr int16_t kActiveSlot = -1;
constexpr int16_t kScreenSlot = 1024;
constexpr int kFrameWidth = 1024;
constexpr int kFrameHeight = 768;
constexpr int kScratchBlockBytes = 3000000;

class FrameStack {
 public:
  FrameStack();
  virtual ~FrameStack();

  // Sets up the display: full screen changes the display mode (false when refused); windowed
  // takes the desktop's depth whatever `depth` says. Creates the screen buffer.
  bool Init(int16_t width, int16_t height, int16_t depth, void* window, bool windowed);
  // Closes every buffer and the raster library and restores the desktop's display mode.
  void Shutdown();

  // A new buffer's slot, or -1 when no slot (0..30) is free or the library cannot make one.
  int16_t CreateBuffer(int16_t width, int16_t height);
  void CloseBuffer(int16_t slot);
  // Makes the slot active and resets its clip rectangle to the whole buffer (see the .cpp for
  // -1, 1024 and free slots).
  void Select(int16_t slot);
  void SelectScreen();
  int16_t ActiveBuffer() const;

  // Presents a whole buffer at the window's top-left corner (-1: the active buffer): the parts
  // that changed since the last frame shown this way, nothing when none did.
  void ShowFrame(int16_t slot);
  // ShowFrame of the active buffer when nothing outside the rectangle can have changed since the
  // last frame shown: only the rectangle is compared with it.
  void ShowFrameWithin(int x, int y, int w, int h);
  // Limits drawing into the active buffer to the rectangle (and the buffer) until the next
  // Select or Unclip.
  void ClipTo(int x, int y, int w, int h);
  void Unclip();
  // Presents a clipped rectangle of the active buffer at (dx, dy) of the window.
  void PresentRegion(int sx, int sy, int w, int h, int dx, int dy);

  // Shifts the colour of every pixel of the clipped rectangle by the offsets; components that
  // are 0 stay 0, the rest are clamped to 0..255.
  void FadeFrame(int x, int y, int w, int h, int dr, int dg, int db);
  // Decodes "<name>.pcx" (a game path without extension) with its top-left corner at (x, y).
  // The picture decoder's result, or -1 when no buffer is active (nothing decoded).
  int ShowPcxAt(const char* name, int x, int y);
  // The same for a whole PCX file held in memory.
  int ShowPcxMemoryAt(const uint8_t* bytes, size_t size, int x, int y);
  void SetColorRGB(int red, int green, int blue);

  int16_t Depth() const { return depth_; }
  uint8_t* Scratch() { return scratch_; }

  int16_t screenSlot = -1;

 private:
  struct SlotRecord {
    int16_t width;
    int16_t height;
    uint8_t inUse;
  };
  // The record of the active buffer, or null when none is active or it is not ours.
  const SlotRecord* ActiveRecord() const;
  void PresentClipped(int sx, int sy, int w, int h, int dx, int dy);
  void PresentChanges(const PixelRect* within);
  static constexpr int kSlotRecords = 64;   // indexed by the raster library's handle
  static constexpr int kSearchedSlots = 31; // only these are handed out
  SlotRecord slots_[kSlotRecords] = {};
  int16_t width_ = 0;
  int16_t height_ = 0;
  int16_t depth_ = 0;
  void* window_ = nullptr;
  uint8_t* scratch_;  // one archive member at a time passes through here
  PresentedCopy presented_;
};

extern FrameStack gFrameStack;

// The settings of the display: a window (true) or full screen, and the depth video set-up
// accepted, which every Sprite takes as its own.
extern const bool bWindowed;
extern int iColorDepth;

// The game's shorthand for the global frame stack's operations.
inline void ShowFrame(int16_t slot) { gFrameStack.ShowFrame(slot); }
inline void FadeFrame(int x, int y, int w, int h, int dr, int dg, int db) {
  gFrameStack.FadeFrame(x, y, w, h, dr, dg, db);
}
