#pragma once
// The game's millisecond clock and pause. Two implementations exist: the real one over SDL
// (clock_sdl.cpp) linked into the game, and a virtual one (clock_virtual.cpp) linked into the
// tests, which only moves when a test or a Sleep moves it.
#include <cstdint>

// Milliseconds since an arbitrary start, unsigned 32-bit; wraps after about 49.7 days.
uint32_t timeGetTime();

// Pauses the calling thread for about `ms` milliseconds.
void Sleep(uint32_t ms);

// True when `now` lies strictly after `deadline`. Safe across the 32-bit wrap, as long as the
// two are less than 2^31 ms (about 24 days) apart.
inline bool bTimeAfter(uint32_t now, uint32_t deadline) {
  return static_cast<int32_t>(now - deadline) > 0;
}

// True when `now` has reached `limit` (now >= limit), wrap-safe like bTimeAfter.
inline bool bTimeReached(uint32_t now, uint32_t limit) {
  return static_cast<int32_t>(now - limit) >= 0;
}
