#pragma once
// Comparisons of millisecond clock values, safe across the wrap of the 32-bit clock as long as
// the two values are less than 2^31 ms (about 24 days) apart.
#include <cstdint>

// True when `now` lies strictly after `deadline`.
constexpr bool bTimeAfter(uint32_t now, uint32_t deadline) {
  return static_cast<int32_t>(now - deadline) > 0;
}

// True when `now` has reached `limit` (now >= limit).
constexpr bool bTimeReached(uint32_t now, uint32_t limit) {
  return static_cast<int32_t>(now - limit) >= 0;
}
