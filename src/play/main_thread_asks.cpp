#include "play/main_thread_asks.h"

#include <mutex>

#include "platform/window.h"

namespace {
std::mutex gLock;
std::vector<int> gAsks;
constexpr size_t kMostAsks = 64;  // a screen never asks faster than the main loop turns
}  // namespace

void vAskMainThread(int ask) {
  {
    std::lock_guard<std::mutex> hold(gLock);
    if (gAsks.size() < kMostAsks) gAsks.push_back(ask);
  }
  PlatformWakeMainThread();
}

std::vector<int> TakeMainThreadAsks() {
  std::lock_guard<std::mutex> hold(gLock);
  std::vector<int> asks;
  asks.swap(gAsks);
  return asks;
}
