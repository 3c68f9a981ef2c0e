#include <atomic>
#include <mutex>

#include "platform/clock.h"
#include "platform/virtual_clock.h"

namespace {
std::atomic<uint32_t> gNow{0};
std::atomic<bool> gWholeWaits{false};
std::mutex gHookLock;
std::function<void(uint32_t)> gHook;
std::function<void()> gWakeHook;
}  // namespace

uint32_t timeGetTime() { return gNow.load(std::memory_order_relaxed); }

void Sleep(uint32_t ms) {
  uint32_t now = gNow.fetch_add(ms, std::memory_order_relaxed) + ms;
  std::function<void(uint32_t)> hook;
  {
    std::lock_guard<std::mutex> lock(gHookLock);
    hook = gHook;
  }
  if (hook) hook(now);
}

void SleepUntilWoken(uint32_t ms) { Sleep(gWholeWaits.load(std::memory_order_relaxed) ? ms : 1); }

void WakeSleeper() {
  std::function<void()> hook;
  {
    std::lock_guard<std::mutex> lock(gHookLock);
    hook = gWakeHook;
  }
  if (hook) hook();
}

void VirtualClockWholeWaits(bool whole) { gWholeWaits.store(whole, std::memory_order_relaxed); }

void VirtualClockSet(uint32_t now) { gNow.store(now, std::memory_order_relaxed); }

void VirtualClockAdvance(uint32_t ms) { gNow.fetch_add(ms, std::memory_order_relaxed); }

void VirtualClockSetSleepHook(std::function<void(uint32_t)> hook) {
  std::lock_guard<std::mutex> lock(gHookLock);
  gHook = std::move(hook);
}

void VirtualClockSetWakeHook(std::function<void()> hook) {
  std::lock_guard<std::mutex> lock(gHookLock);
  gWakeHook = std::move(hook);
}
