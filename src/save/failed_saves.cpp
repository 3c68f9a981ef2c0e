#include "save/failed_saves.h"

#include <mutex>

#include "diag/debug_log.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace {
std::mutex gLock;
bool gTold[kSavedFiles] = {};     // failed since its last successful write, and told so
bool gUntaken[kSavedFiles] = {};  // told, but the player's note has not taken it yet
}  // namespace

void vRecordSave(SavedFile file, const char* gamePath, bool written, const char* caller) {
  const int i = static_cast<int>(file);
  {
    std::lock_guard<std::mutex> hold(gLock);
    if (written || gTold[i]) {
      gTold[i] = !written;
      gUntaken[i] = gUntaken[i] && !written;
      return;
    }
    gTold[i] = true;
    gUntaken[i] = true;
  }
  vDebugLog("%s() Could not save %s\n", caller, PlatformPath(gamePath).c_str());
  WakeSleeper();  // the screen up shows the note without waiting for its next pass
}

bool bTakeFailedSave(SavedFile& file) {
  std::lock_guard<std::mutex> hold(gLock);
  for (int i = 0; i < kSavedFiles; ++i) {
    if (gUntaken[i]) {
      gUntaken[i] = false;
      file = static_cast<SavedFile>(i);
      return true;
    }
  }
  return false;
}

void vForgetFailedSaves() {
  std::lock_guard<std::mutex> hold(gLock);
  for (int i = 0; i < kSavedFiles; ++i) gTold[i] = gUntaken[i] = false;
}
