#include "play/typed_keys.h"

#include <deque>
#include <mutex>

#include "platform/clock.h"
#include "platform/window.h"
#include "play/sound_controls.h"
#include "rules/score_table.h"

std::atomic<bool> bTextInputWanted{false};

namespace {
struct QueuedKey {
  uint32_t at;      // when the window procedure took it
  int command;      // a PlatformKey, or kKeyOther when it is no command
  std::string typed;  // what it types (text, kTypedEnter, kTypedBackspace), or nothing
};

std::mutex gLock;
std::deque<QueuedKey> gKeys;
// Keys that came at or before this moment belong to no screen that is still to take keys.
uint32_t gKeysAfter = 0;
constexpr size_t kMaxQueued = 64;  // a flood of keys the game does not read is dropped

bool bIsArrow(int key) { return key >= kKeyUp && key <= kKeyRight; }

// Under gLock: drops the keys at the front that belong to no screen that is still to take keys.
void vDropStaleLocked() {
  while (!gKeys.empty() && !bTimeAfter(gKeys.front().at, gKeysAfter)) gKeys.pop_front();
}

// Under gLock: the oldest key of this screen, or false when there is none.
bool bTakeLocked(QueuedKey& key) {
  vDropStaleLocked();
  if (gKeys.empty()) return false;
  key = std::move(gKeys.front());
  gKeys.pop_front();
  return true;
}

std::string TypedBy(const PlatformEvent& e) {
  std::string typed;
  switch (e.kind) {
    case kEventText: AppendTyped(typed, e.text); break;  // cut at 32 bytes, which one event never reaches
    case kEventEnter: typed = kTypedEnter; break;
    case kEventBackspace: typed = kTypedBackspace; break;
    default: break;
  }
  return typed;
}

int CommandOf(const PlatformEvent& e) {
  if (bTextInputWanted || (e.repeat && !bIsArrow(e.key))) return kKeyOther;
  return e.key;
}

void vKeysAfter(uint32_t moment) {
  std::lock_guard<std::mutex> hold(gLock);
  gKeysAfter = moment;
  vDropStaleLocked();
}
}  // namespace

void vQueueKeyEvent(const PlatformEvent& e) {
  const int command = CommandOf(e);
  if (command != kKeyOther && bSoundControlKey(command)) return;
  QueuedKey key{timeGetTime(), command, TypedBy(e)};
  std::lock_guard<std::mutex> hold(gLock);
  vDropStaleLocked();
  if (gKeys.size() < kMaxQueued) gKeys.push_back(std::move(key));
}

int iTakeCommandKey() {
  std::lock_guard<std::mutex> hold(gLock);
  for (QueuedKey key; bTakeLocked(key);) {
    if (key.command != kKeyOther) return key.command;
  }
  return kKeyOther;
}

std::string TakeTypedKeys() {
  std::lock_guard<std::mutex> hold(gLock);
  std::string typed;
  for (QueuedKey key; bTakeLocked(key);) typed += key.typed;
  return typed;
}

bool bTakeAnyKey() {
  std::lock_guard<std::mutex> hold(gLock);
  vDropStaleLocked();
  const bool any = !gKeys.empty();
  gKeys.clear();
  return any;
}

ScreenKeys::ScreenKeys(uint32_t guard) { vKeysAfter(guard); }

ScreenKeys::~ScreenKeys() { vKeysAfter(timeGetTime()); }

void ScreenKeys::From(uint32_t guard) { vKeysAfter(guard); }
