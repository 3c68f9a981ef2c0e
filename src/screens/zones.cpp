#include "screens/zones.h"

#include <charconv>
#include <cstdio>
#include <cstring>

#include "screens/screen_layout.h"

void AddZone(const char* name, const PixelRect& r, int16_t kind, int dx, int dy) {
  gMouseZones.Add(name, static_cast<int16_t>(r.x + dx), static_cast<int16_t>(r.y + dy),
                  static_cast<int16_t>(r.w), static_cast<int16_t>(r.h), kind);
}

void AddWholeScreenZone(const char* name) { AddZone(name, screen::kWholeScreen, kZoneEither); }

void TileZoneName(CellIndex cell, char name[kZoneNameSize]) {
  std::snprintf(name, kZoneNameSize, "%d", static_cast<int>(cell));
}

bool TileZoneCell(const char* name, CellIndex& cell) {
  const char* end = name + std::strlen(name);
  CellIndex read = -1;
  const auto [stop, error] = std::from_chars(name, end, read);
  if (error != std::errc{} || stop != end || read < 0 || read >= kBoardCells) return false;
  cell = read;
  return true;
}

ScreenZones::~ScreenZones() {
  for (const std::string& name : names_) gMouseZones.Remove(name.c_str());
}

ScreenZones& ScreenZones::Add(const char* name, const PixelRect& r, int dx, int dy) {
  AddZone(name, r, kZoneLeft, dx, dy);
  names_.emplace_back(name);
  return *this;
}

ScreenZones& ScreenZones::AddWholeScreen(const char* name) {
  AddWholeScreenZone(name);
  names_.emplace_back(name);
  return *this;
}
