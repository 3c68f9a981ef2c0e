// Large pictures are packed into shared regions: pieces must never overlap or lose their bytes when
// the region's end is given back, a freed piece must be taken again before the region grows, and
// a piece larger than a region must still be had.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/posix/picture_memory.h"

namespace {
using picture_memory::Arena;

TEST(PictureMemory, PiecesDoNotOverlapAndFreedOnesAreTakenAgain) {
  Arena arena;
  const size_t sizes[] = {3145728, 1152000, 3194880, 1824000, 1166400, 3145728};
  std::vector<uint8_t*> pieces;
  for (size_t i = 0; i < std::size(sizes); ++i) {
    auto* p = static_cast<uint8_t*>(arena.Take(sizes[i]));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(p) % picture_memory::kAlignment, 0u);
    std::memset(p, static_cast<int>(i + 1), sizes[i]);
    pieces.push_back(p);
  }
  arena.Trim();  // gives back the region's unused end, never a byte of a piece
  for (size_t i = 0; i < pieces.size(); ++i) {
    EXPECT_EQ(pieces[i][0], i + 1);
    EXPECT_EQ(pieces[i][sizes[i] - 1], i + 1) << "piece " << i << " was overwritten";
  }
  arena.Give(pieces[1], sizes[1]);
  EXPECT_EQ(arena.Take(1100000), pieces[1]) << "the freed piece that fits best is reused";
  EXPECT_EQ(arena.Take(50000), pieces[1] + 1100032) << "and what it has left stays free";
  auto* huge = static_cast<uint8_t*>(arena.Take(size_t{40} << 20));
  ASSERT_NE(huge, nullptr);
  huge[(size_t{40} << 20) - 1] = 7;
  EXPECT_EQ(reinterpret_cast<uintptr_t>(huge) % picture_memory::kHugePage, 0u);
}
}  // namespace
