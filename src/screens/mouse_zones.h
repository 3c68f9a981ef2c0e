#pragma once
// Named rectangular hit regions in frame pixels. Every clickable area of every screen is a zone,
// each tile of the board too (named by its cell number). Later zones lie above earlier ones.
#include <cstdint>

// The button condition under which a zone can be hit.
enum MouseZoneKind : int16_t {
  kZoneLeft = 0,    // the left button is down
  kZoneRight = 1,   // the right button is down
  kZoneEither = 2,  // either button is down
  kZoneHover = 3,   // no button is down
};

constexpr int kZoneNameSize = 64;
constexpr int kMouseZoneSlots = 10000;

struct MouseZone {
  int16_t x;
  int16_t y;
  int16_t width;
  int16_t height;
  uint8_t inUse;
  int16_t kind;
  char name[kZoneNameSize];
};

class MouseZoneList {
 public:
  MouseZoneList();
  ~MouseZoneList();

  // Frees every slot.
  void Clear();

  // Puts the zone into the lowest free slot and returns that slot, or -1 when all are in use.
  // A name of 64 characters or more is cut to 63.
  int32_t Add(const char* name, int16_t x, int16_t y, int16_t width, int16_t height,
              int16_t kind);

  // Frees the lowest slot whose name matches, ignoring ASCII case. 1 when one was removed, else 0.
  int Remove(const char* name);

  // Finds the highest slot in use whose kind admits the buttons and whose rectangle, edges
  // included, holds (x, y). True with its name copied into `name`; false leaves `name` untouched.
  bool HitTest(int16_t x, int16_t y, char name[kZoneNameSize], bool left, bool right) const;

  // The number of slots in use (for tests and diagnostics).
  int Count() const;

  // The lowest zone in use with that name (ignoring case), or null.
  const MouseZone* Find(const char* name) const;

 private:
  MouseZone zones_[kMouseZoneSlots];
  int32_t highestUsed_ = -1;  // no slot above this one has ever been filled since the last Clear
};

extern MouseZoneList gMouseZones;
