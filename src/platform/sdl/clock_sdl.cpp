#include "platform/clock.h"

#include <SDL.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {
std::mutex gWakeLock;
std::condition_variable gWakeSignal;
bool gWakePending = false;
}  // namespace

uint32_t timeGetTime() {
  // The low 32 bits of SDL's 64-bit tick count wrap like the game expects.
  return static_cast<uint32_t>(SDL_GetTicks64());
}

void Sleep(uint32_t ms) { SDL_Delay(ms); }

void SleepUntilWoken(uint32_t ms) {
  std::unique_lock<std::mutex> lock(gWakeLock);
  gWakeSignal.wait_for(lock, std::chrono::milliseconds(ms), [] { return gWakePending; });
  gWakePending = false;
}

void WakeSleeper() {
  {
    std::lock_guard<std::mutex> lock(gWakeLock);
    gWakePending = true;
  }
  gWakeSignal.notify_one();
}
