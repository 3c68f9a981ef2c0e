#include <gtest/gtest.h>

#include "platform/clock.h"
#include "platform/virtual_clock.h"

TEST(Clock, VirtualTimeMovesOnlyWhenTold) {
  VirtualClockSet(1000);
  EXPECT_EQ(timeGetTime(), 1000u);
  EXPECT_EQ(timeGetTime(), 1000u);
  Sleep(7);
  EXPECT_EQ(timeGetTime(), 1007u);
  VirtualClockAdvance(3);
  EXPECT_EQ(timeGetTime(), 1010u);
}

TEST(Clock, SleepHookSeesTheNewTime) {
  VirtualClockSet(50);
  uint32_t seen = 0;
  VirtualClockSetSleepHook([&](uint32_t now) { seen = now; });
  Sleep(250);
  VirtualClockSetSleepHook({});
  EXPECT_EQ(seen, 300u);
}

TEST(Clock, DeadlinesHoldAcrossTheWrap) {
  // "Passed" means strictly later; "reached" includes the moment itself.
  EXPECT_FALSE(bTimeAfter(100, 100));
  EXPECT_TRUE(bTimeAfter(101, 100));
  EXPECT_TRUE(bTimeReached(100, 100));
  EXPECT_FALSE(bTimeReached(99, 100));
  // A deadline set just before the wrap has not passed just before it, and has after it.
  const uint32_t deadline = 0xFFFFFFF0u + 1000u;  // wrapped to 984
  EXPECT_FALSE(bTimeAfter(0xFFFFFFF0u, deadline));
  EXPECT_FALSE(bTimeAfter(500, deadline));
  EXPECT_TRUE(bTimeAfter(985, deadline));
}
