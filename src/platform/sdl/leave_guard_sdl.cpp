// A desktop window closes without asking: the guard is only remembered.
#include <atomic>

#include "platform/window.h"

namespace {
std::atomic<bool> gLeaveGuard{false};
}  // namespace

void PlatformSetLeaveGuard(bool on) { gLeaveGuard.store(on, std::memory_order_relaxed); }

bool PlatformLeaveGuard() { return gLeaveGuard.load(std::memory_order_relaxed); }
