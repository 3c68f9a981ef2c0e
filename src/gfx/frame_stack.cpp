// The frame stack: slot table of the game's buffers, selection and presentation.
#include "gfx/frame_stack.h"

#include <algorithm>
#include <cstdint>

#include "raster/raster.h"

FrameStack gFrameStack;
const bool bWindowed = TAVIMORA_WINDOWED != 0;
int iColorDepth = 32;

FrameStack::FrameStack() : scratch_(new uint8_t[kScratchBlockBytes]) {}

FrameStack::~FrameStack() { delete[] scratch_; }

bool FrameStack::Init(int16_t width, int16_t height, int16_t depth, void* window, bool windowed) {
  window_ = window;
  presented_.Forget();
  BindWindowDC(window);
  for (SlotRecord& record : slots_) record = SlotRecord{};
  int16_t bufferDepth = depth;
  if (!windowed) {
    if (SetDisplayMode(width, height, depth, 1) != 0) return false;
    if (OpenRasterLibrary() != 0) return false;
  } else {
    // A window shows the desktop's own depth; the depth asked for plays no part.
    if (OpenRasterLibrary() != 0) return false;
    bufferDepth = static_cast<int16_t>(GetDisplayDepth());
  }
  SetBufferDepth(bufferDepth);
  width_ = width;
  height_ = height;
  depth_ = bufferDepth;
  screenSlot = CreateBuffer(width, height);
  return true;
}

void FrameStack::Shutdown() {
  presented_.Forget();
  DeactivateBuffers();
  CloseVirtualBuffer(-1);
  CloseRasterLibrary();
  SetDisplayMode(0, 0, 0, 0);
  for (SlotRecord& record : slots_) record = SlotRecord{};
  screenSlot = -1;
}

int16_t FrameStack::CreateBuffer(int16_t width, int16_t height) {
  bool bFree = false;
  for (int i = 0; i < kSearchedSlots && !bFree; ++i) bFree = slots_[i].inUse == 0;
  if (!bFree) return -1;
  int handle = CreateVirtualBuffer(width, height);
  if (handle < 0) return -1;
  if (handle >= kSlotRecords) {
    // Made behind our back by someone else's buffers: no record can describe it.
    CloseVirtualBuffer(handle);
    return -1;
  }
  slots_[handle] = SlotRecord{width, height, 1};
  return static_cast<int16_t>(handle);
}

void FrameStack::CloseBuffer(int16_t slot) {
  if (slot == GetActiveBuffer()) DeactivateBuffers();
  if (slot < 0 || slot >= kSlotRecords || slots_[slot].inUse == 0) return;
  slots_[slot].inUse = 0;
  CloseVirtualBuffer(slot);
}

void FrameStack::Select(int16_t slot) {
  if (slot == kActiveSlot) return;
  if (slot == kScreenSlot) {
    if (screenSlot != kScreenSlot) Select(screenSlot);
    return;
  }
  if (slot >= 0 && slot < kSlotRecords && slots_[slot].inUse != 0) {
    if (ActivateBuffer(slot) == 0) {
      SetClipRect(0, slots_[slot].width - 1, 0, slots_[slot].height - 1);
    }
    return;
  }
  // A slot with no buffer: whatever is active gets the whole screen as its clip rectangle.
  SetClipRect(0, kFrameWidth - 1, 0, kFrameHeight - 1);
}

void FrameStack::SelectScreen() { Select(kScreenSlot); }

int16_t FrameStack::ActiveBuffer() const { return static_cast<int16_t>(GetActiveBuffer()); }

void FrameStack::ShowFrame(int16_t slot) {
  if (slot != kActiveSlot) {
    Select(slot);
    int16_t wanted = slot == kScreenSlot ? screenSlot : slot;
    if (wanted < 0 || ActiveBuffer() != wanted) return;
  }
  PresentChanges(nullptr);
}

void FrameStack::ShowFrameWithin(int x, int y, int w, int h) {
  const PixelRect within{x, y, w, h};
  PresentChanges(&within);
}

// Only what changed since the last frame goes to the window; an unchanged frame sends nothing.
void FrameStack::PresentChanges(const PixelRect* within) {
  if (ActiveRecord() == nullptr) return;
  BufferView view;
  ViewActiveBuffer(view);
  for (const PixelRect& r : presented_.TakeChanges(view, GetActiveBuffer(), within)) {
    PresentClipped(r.x, r.y, r.w, r.h, r.x, r.y);
  }
}

void FrameStack::ClipTo(int x, int y, int w, int h) { SetClipRect(x, x + w - 1, y, y + h - 1); }

void FrameStack::Unclip() {
  const SlotRecord* active = ActiveRecord();
  if (active != nullptr) SetClipRect(0, active->width - 1, 0, active->height - 1);
}

const FrameStack::SlotRecord* FrameStack::ActiveRecord() const {
  int active = GetActiveBuffer();
  if (active < 0 || active >= kSlotRecords || slots_[active].inUse == 0) return nullptr;
  return &slots_[active];
}

void FrameStack::PresentRegion(int sx, int sy, int w, int h, int dx, int dy) {
  presented_.Forget();  // the window no longer shows what the copy holds
  PresentClipped(sx, sy, w, h, dx, dy);
}

void FrameStack::PresentClipped(int sx, int sy, int w, int h, int dx, int dy) {
  const SlotRecord* record = ActiveRecord();
  if (record == nullptr) return;
  // 64-bit arithmetic: no argument can overflow the sums below.
  int64_t x0 = sx, y0 = sy, cw = w, ch = h, x1 = dx, y1 = dy;
  const int64_t bufW = record->width, bufH = record->height;
  if (x0 + cw > bufW) cw = bufW - x0;
  if (y0 + ch > bufH) ch = bufH - y0;
  if (x0 < 0) { cw += x0; x1 -= x0; x0 = 0; }
  if (y0 < 0) { ch += y0; y1 -= y0; y0 = 0; }
  if (cw < 1 || ch < 1) return;
  if (x1 + cw > kFrameWidth) cw = kFrameWidth - x1;
  if (y1 + ch > kFrameHeight) ch = kFrameHeight - y1;
  if (x1 < 0) { cw += x1; x0 -= x1; x1 = 0; }
  if (y1 < 0) { ch += y1; y0 -= y1; y1 = 0; }
  if (cw < 1 || ch < 1) return;
  // The library places the rectangle by its lower-left corner.
  PresentRect(static_cast<int>(x0), static_cast<int>(x0 + cw - 1), static_cast<int>(y0),
              static_cast<int>(y0 + ch - 1), static_cast<int>(x1), static_cast<int>(y1 + ch - 1));
  // The window picks the new frame up on the main thread; nothing else to refresh here.
}
