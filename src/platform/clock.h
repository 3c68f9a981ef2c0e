#pragma once
// The game's millisecond clock and pause. Two implementations exist: the real one over SDL
// (clock_sdl.cpp) linked into the game, and a virtual one (clock_virtual.cpp) linked into the
// tests, which only moves when a test or a Sleep moves it.
#include <cstdint>

#include "util/time_compare.h"

// Milliseconds since an arbitrary start, unsigned 32-bit; wraps after about 49.7 days.
uint32_t timeGetTime();

// Pauses the calling thread for about `ms` milliseconds.
void Sleep(uint32_t ms);

// Pauses the calling thread until another thread calls WakeSleeper or about `ms` milliseconds
// pass. A wake that comes while nobody sleeps is kept for the next sleep, so none is lost.
// The virtual clock moves 1 ms per call instead (see virtual_clock.h).
void SleepUntilWoken(uint32_t ms);
void WakeSleeper();
