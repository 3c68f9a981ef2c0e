// The real clock's pause and wake, across real threads and in real time. The bounds are wide on
// purpose: they must hold on a loaded machine and under ThreadSanitizer, and still tell a sleep
// that was cut short (well under 5 s of a 10 s sleep) from one that was not (at least 150 ms of
// 200 ms).
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "platform/clock.h"

namespace {
using Steady = std::chrono::steady_clock;

// Milliseconds a call of SleepUntilWoken(ms) took.
long SleptMs(uint32_t ms) {
  const Steady::time_point start = Steady::now();
  SleepUntilWoken(ms);
  return static_cast<long>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Steady::now() - start).count());
}

TEST(RealClock, AWakeBeforeTheSleepIsKeptAndUsedUpOnce) {
  WakeSleeper();
  EXPECT_LT(SleptMs(10000), 5000) << "the wake came while nobody slept: it is not lost";
  EXPECT_GE(SleptMs(200), 150) << "the first sleep used the wake up";
}

TEST(RealClock, AWakeFromAnotherThreadCutsALongSleepShort) {
  std::thread waker([] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    WakeSleeper();
  });
  const long slept = SleptMs(10000);
  waker.join();
  EXPECT_LT(slept, 5000);
}
}  // namespace
