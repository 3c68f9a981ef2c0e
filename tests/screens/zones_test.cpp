// The zone helpers (src/screens/zones.cpp): tile zone names both ways, and a screen's zones gone
// whichever way it ends.
#include <gtest/gtest.h>

#include <string>

#include "screens/zones.h"

namespace {
TEST(TileZones, ANameReadsBackAsItsCell) {
  for (CellIndex cell : {0, 7, 1234, kBoardCells - 1}) {
    char name[kZoneNameSize];
    TileZoneName(cell, name);
    CellIndex read = -1;
    EXPECT_TRUE(TileZoneCell(name, read)) << name;
    EXPECT_EQ(read, cell);
  }
}

// Any other zone is no tile: no name of a button or a background stands for cell 0.
TEST(TileZones, OtherNamesAreNoCell) {
  for (const char* name : {"", "GAME_LOOP", "HINT", "12x", " 5", "-1", "2240", "99999999999"}) {
    CellIndex cell = 42;
    EXPECT_FALSE(TileZoneCell(name, cell)) << '"' << name << '"';
    EXPECT_EQ(cell, 42);
  }
}

TEST(ScreenZones, GoWhenTheScreenEndsAndLeaveTheRest) {
  gMouseZones.Clear();
  AddWholeScreenZone("TITLE_SCREEN");
  {
    ScreenZones zones;
    zones.Add("YES", {10, 20, 30, 40}, 100, 200).AddWholeScreen("CONTINUE");
    const MouseZone* yes = gMouseZones.Find("YES");
    ASSERT_NE(yes, nullptr);
    EXPECT_EQ(std::to_string(yes->x) + "," + std::to_string(yes->y), "110,220");
    EXPECT_EQ(gMouseZones.Count(), 3);
  }
  EXPECT_EQ(gMouseZones.Count(), 1);
  EXPECT_NE(gMouseZones.Find("TITLE_SCREEN"), nullptr);
  gMouseZones.Clear();
}
}  // namespace
