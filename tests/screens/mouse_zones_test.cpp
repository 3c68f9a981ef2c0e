#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "screens/mouse_zones.h"

namespace {
class MouseZones : public ::testing::Test {
 protected:
  void SetUp() override { gMouseZones.Clear(); }
  void TearDown() override { gMouseZones.Clear(); }

  // The name hit at (x, y) with the given buttons, or "" when nothing was hit.
  std::string Hit(int x, int y, bool left, bool right) {
    char name[kZoneNameSize];
    std::memset(name, '?', sizeof name);
    if (!gMouseZones.HitTest(static_cast<int16_t>(x), static_cast<int16_t>(y), name, left, right)) {
      EXPECT_EQ(name[0], '?') << "a miss must leave the buffer untouched";
      return "";
    }
    return name;
  }
};
}  // namespace

TEST_F(MouseZones, EdgesBelongToTheZone) {
  gMouseZones.Add("HINT", 907, 6, 70, 70, kZoneLeft);
  EXPECT_EQ(Hit(907, 6, true, false), "HINT");
  EXPECT_EQ(Hit(977, 76, true, false), "HINT");
  EXPECT_EQ(Hit(906, 40, true, false), "");
  EXPECT_EQ(Hit(978, 40, true, false), "");
  EXPECT_EQ(Hit(950, 77, true, false), "");
}

TEST_F(MouseZones, ButtonKindsDecideWhatCanBeHit) {
  gMouseZones.Add("GAME_LOOP", 0, 0, 1024, 768, kZoneEither);
  gMouseZones.Add("100", 80, 112, 72, 88, kZoneLeft);
  gMouseZones.Add("RIGHTONLY", 500, 500, 10, 10, kZoneRight);
  EXPECT_EQ(Hit(100, 150, false, false), "");          // no button: nothing
  EXPECT_EQ(Hit(100, 150, true, false), "100");        // left over a tile
  EXPECT_EQ(Hit(100, 150, false, true), "GAME_LOOP");  // right skips the tile
  EXPECT_EQ(Hit(505, 505, true, true), "RIGHTONLY");   // both: highest qualifying slot
  EXPECT_EQ(Hit(505, 505, true, false), "GAME_LOOP");
  gMouseZones.Add("HOVER", 600, 600, 10, 10, kZoneHover);
  EXPECT_EQ(Hit(605, 605, false, false), "HOVER");
  EXPECT_EQ(Hit(605, 605, true, false), "GAME_LOOP");
}

TEST_F(MouseZones, FullScreenZoneReachesOnePixelBeyondButNotNegative) {
  gMouseZones.Add("TITLE_SCREEN", 0, 0, 1024, 768, kZoneEither);
  EXPECT_EQ(Hit(1024, 768, true, false), "TITLE_SCREEN");
  EXPECT_EQ(Hit(-1, 10, true, false), "");
  EXPECT_EQ(Hit(10, -1, true, false), "");
}

TEST_F(MouseZones, RemoveIgnoresCaseAndTakesTheLowestSlotFirst) {
  EXPECT_EQ(gMouseZones.Add("YES", 0, 0, 10, 10, kZoneLeft), 0);
  EXPECT_EQ(gMouseZones.Add("YES", 0, 0, 10, 10, kZoneLeft), 1);
  EXPECT_EQ(gMouseZones.Remove("yes"), 1);
  EXPECT_EQ(gMouseZones.Count(), 1);
  // The freed slot 0 is reused by the next zone, which now lies below the remaining "YES".
  EXPECT_EQ(gMouseZones.Add("NO", 0, 0, 10, 10, kZoneLeft), 0);
  EXPECT_EQ(Hit(5, 5, true, false), "YES");
  EXPECT_EQ(gMouseZones.Remove("MAYBE"), 0);
  EXPECT_EQ(gMouseZones.Count(), 2);
}

TEST_F(MouseZones, PriorityAfterRemovalsFollowsSlotsNotAge) {
  gMouseZones.Add("GAME_LOOP", 0, 0, 1024, 768, kZoneEither);
  gMouseZones.Add("1", 80, 112, 72, 88, kZoneLeft);   // slot 1
  gMouseZones.Add("2", 80, 112, 72, 88, kZoneLeft);   // slot 2
  gMouseZones.Add("3", 80, 112, 72, 88, kZoneLeft);   // slot 3
  EXPECT_EQ(Hit(90, 120, true, false), "3");          // latest added wins
  gMouseZones.Remove("1");
  gMouseZones.Remove("3");
  gMouseZones.Add("NEW", 80, 112, 72, 88, kZoneLeft); // takes slot 1, below "2"
  EXPECT_EQ(Hit(90, 120, true, false), "2");
  gMouseZones.Remove("2");
  EXPECT_EQ(Hit(90, 120, true, false), "NEW");
}

TEST_F(MouseZones, FullTableRefusesAndLongNamesAreCut) {
  for (int i = 0; i < kMouseZoneSlots; ++i) {
    ASSERT_EQ(gMouseZones.Add(std::to_string(i).c_str(), 0, 0, 1, 1, kZoneLeft), i);
  }
  EXPECT_EQ(gMouseZones.Add("ONE_TOO_MANY", 0, 0, 1, 1, kZoneLeft), -1);
  gMouseZones.Clear();
  std::string longName(100, 'A');
  gMouseZones.Add(longName.c_str(), 0, 0, 10, 10, kZoneLeft);
  EXPECT_EQ(Hit(1, 1, true, false), std::string(63, 'A'));
}

TEST_F(MouseZones, SumsDoNotOverflowSixteenBits) {
  gMouseZones.Add("FAR", 32000, 32000, 767, 767, kZoneLeft);
  EXPECT_EQ(Hit(32767, 32767, true, false), "FAR");
}
