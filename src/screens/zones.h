#pragma once
// The zones the screens add, written once: a rectangle as a zone, the whole screen as one, a
// tile's zone named by its cell and the cell read back, and the zones a screen removes again on
// every way out of it.
#include <cstdint>
#include <string>
#include <vector>

#include "rules/board.h"
#include "screens/mouse_zones.h"
#include "util/pixel_rect.h"

// Adds a zone over `r` moved by (dx, dy), for a rectangle given relative to a panel's corner.
void AddZone(const char* name, const PixelRect& r, int16_t kind = kZoneLeft, int dx = 0, int dy = 0);
// Adds a zone over the whole screen that either button hits: a screen's background.
void AddWholeScreenZone(const char* name);

// A tile's zone is named by its cell in decimal.
void TileZoneName(CellIndex cell, char name[kZoneNameSize]);
// The cell that a tile zone's name stands for; false for any other name.
bool TileZoneCell(const char* name, CellIndex& cell);

// The zones a screen adds for itself, removed again when it goes out of scope.
class ScreenZones {
 public:
  ScreenZones() = default;
  ~ScreenZones();
  ScreenZones(const ScreenZones&) = delete;
  ScreenZones& operator=(const ScreenZones&) = delete;

  ScreenZones& Add(const char* name, const PixelRect& r, int dx = 0, int dy = 0);
  ScreenZones& AddWholeScreen(const char* name);

 private:
  std::vector<std::string> names_;
};
