#include "play/typed_keys.h"

#include <deque>
#include <mutex>

#include "platform/window.h"
#include "play/sound_controls.h"
#include "rules/score_table.h"

std::atomic<bool> bTextInputWanted{false};

namespace {
std::mutex gLock;
std::string gTyped;
bool gAnyKey = false;
std::deque<int> gCommands;
constexpr size_t kMaxQueued = 256;  // a flood of keys the game does not read is dropped
constexpr size_t kMaxCommands = 16;

bool bIsArrow(int key) { return key >= kKeyUp && key <= kKeyRight; }
}  // namespace

void vQueueTypedText(const char* utf8) {
  std::string clean;
  AppendTyped(clean, utf8);  // cut at 32 bytes, which one text event never reaches
  std::lock_guard<std::mutex> hold(gLock);
  gAnyKey = true;
  if (gTyped.size() + clean.size() <= kMaxQueued) gTyped += clean;
}

void vQueueTypedKey(char key) {
  std::lock_guard<std::mutex> hold(gLock);
  gAnyKey = true;
  if (gTyped.size() < kMaxQueued) gTyped += key;
}

void vQueueOtherKey() {
  std::lock_guard<std::mutex> hold(gLock);
  gAnyKey = true;
}

void vQueueCommandKey(int key, bool repeat) {
  if (key == kKeyOther || bTextInputWanted || (repeat && !bIsArrow(key))) return;
  if (bSoundControlKey(key)) return;
  std::lock_guard<std::mutex> hold(gLock);
  if (gCommands.size() < kMaxCommands) gCommands.push_back(key);
}

int iTakeCommandKey() {
  std::lock_guard<std::mutex> hold(gLock);
  if (gCommands.empty()) return kKeyOther;
  const int key = gCommands.front();
  gCommands.pop_front();
  return key;
}

std::string TakeTypedKeys() {
  std::lock_guard<std::mutex> hold(gLock);
  std::string typed;
  typed.swap(gTyped);
  return typed;
}

bool bTakeAnyKey() {
  std::lock_guard<std::mutex> hold(gLock);
  bool any = gAnyKey;
  gAnyKey = false;
  return any;
}

void vClearTypedKeys() {
  std::lock_guard<std::mutex> hold(gLock);
  gTyped.clear();
  gAnyKey = false;
  gCommands.clear();
}
