#include "screens/mouse_zones.h"

#include <strings.h>

#include <cstring>

#include "util/pixel_rect.h"

MouseZoneList gMouseZones;

MouseZoneList::MouseZoneList() { Clear(); }

MouseZoneList::~MouseZoneList() { Clear(); }

void MouseZoneList::Clear() {
  std::memset(zones_, 0, sizeof zones_);
  highestUsed_ = -1;
}

int32_t MouseZoneList::Add(const char* name, int16_t x, int16_t y, int16_t width, int16_t height,
                           int16_t kind) {
  for (int32_t slot = 0; slot < kMouseZoneSlots; ++slot) {
    MouseZone& z = zones_[slot];
    if (z.inUse) continue;
    z.x = x;
    z.y = y;
    z.width = width;
    z.height = height;
    z.kind = kind;
    z.inUse = 1;
    std::memset(z.name, 0, sizeof z.name);
    std::strncpy(z.name, name, kZoneNameSize - 1);
    if (slot > highestUsed_) highestUsed_ = slot;
    return slot;
  }
  return -1;
}

int MouseZoneList::Remove(const char* name) {
  for (MouseZone& z : zones_) {
    if (z.inUse && strcasecmp(z.name, name) == 0) {
      z.inUse = 0;
      return 1;
    }
  }
  return 0;
}

namespace {
bool KindAdmits(int16_t kind, bool left, bool right) {
  switch (kind) {
    case kZoneLeft: return left;
    case kZoneRight: return right;
    case kZoneEither: return left || right;
    case kZoneHover: return !left && !right;
    default: return false;
  }
}
}  // namespace

bool MouseZoneList::HitTest(int16_t x, int16_t y, char name[kZoneNameSize], bool left,
                            bool right) const {
  // Slots above the highest ever filled are all free; the search starts below them.
  for (int slot = highestUsed_; slot >= 0; --slot) {
    const MouseZone& z = zones_[slot];
    if (!z.inUse || !KindAdmits(z.kind, left, right)) continue;
    if (PixelRect{z.x, z.y, z.width, z.height}.Contains(x, y)) {
      std::memcpy(name, z.name, kZoneNameSize);
      return true;
    }
  }
  return false;
}

int MouseZoneList::Count() const {
  int count = 0;
  for (const MouseZone& z : zones_) count += z.inUse ? 1 : 0;
  return count;
}

const MouseZone* MouseZoneList::Find(const char* name) const {
  for (const MouseZone& z : zones_) {
    if (z.inUse && strcasecmp(z.name, name) == 0) return &z;
  }
  return nullptr;
}
