// Presenting only what changed: the rectangles a new frame differs in.
#include "gfx/presented_copy.h"

#include <gtest/gtest.h>

#include <vector>

namespace {
struct Frame {
  int width = 200, height = 100;
  std::vector<uint8_t> bytes = std::vector<uint8_t>(200 * 100 * 4, 0);
  BufferView View() { return {bytes.data(), width, height, width * 4, 4}; }
  void Set(int x, int y, uint8_t v) { bytes[(static_cast<size_t>(y) * width + x) * 4 + 1] = v; }
};

TEST(PresentedCopy, SendsTheFirstFrameWholeThenOnlyTheRectanglesThatChanged) {
  PresentedCopy copy;
  Frame f;
  auto first = copy.TakeChanges(f.View(), 3);
  ASSERT_EQ(first.size(), 1u);
  EXPECT_EQ(first[0].w * first[0].h, 200 * 100);
  EXPECT_TRUE(copy.TakeChanges(f.View(), 3).empty()) << "an unchanged frame sends nothing";

  // A change spanning two bands is one rectangle; one far below is another.
  f.Set(10, 14, 1);
  f.Set(12, 17, 1);
  f.Set(150, 90, 1);
  auto changes = copy.TakeChanges(f.View(), 3);
  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0].x, 10);
  EXPECT_EQ(changes[0].w, 3);
  EXPECT_LE(changes[0].y, 14);
  EXPECT_GE(changes[0].y + changes[0].h, 18);
  EXPECT_EQ(changes[1].x, 150);
  EXPECT_EQ(changes[1].w, 1);
  EXPECT_TRUE(copy.TakeChanges(f.View(), 3).empty()) << "the copy took the change";

  // Another buffer, or a forgotten copy, is sent whole again.
  EXPECT_EQ(copy.TakeChanges(f.View(), 4).size(), 1u);
  copy.Forget();
  EXPECT_EQ(copy.TakeChanges(f.View(), 4)[0].w, 200);
}
// A caller that knows where it drew has only that rectangle compared; a change outside it stays
// different from the copy and is found by the next comparison that covers it.
TEST(PresentedCopy, ComparesOnlyWithinTheRectangleItIsGiven) {
  PresentedCopy copy;
  Frame f;
  copy.TakeChanges(f.View(), 3);
  f.Set(40, 20, 1);
  f.Set(199, 99, 1);
  const PixelRect within{30, 18, 20, 5};
  auto changes = copy.TakeChanges(f.View(), 3, &within);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].x, 40);
  EXPECT_EQ(changes[0].w, 1);
  const PixelRect offFrame{190, 90, 50, 50};  // cut to the frame: the bottom-right pixel
  changes = copy.TakeChanges(f.View(), 3, &offFrame);
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0].x, 199);
  EXPECT_TRUE(copy.TakeChanges(f.View(), 3).empty());
}
}  // namespace
