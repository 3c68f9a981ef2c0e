#include <emscripten.h>
#include <emscripten/threading.h>

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>

#include "platform/posix/files_internal.h"
#include "platform/web_page.h"

// The page's side, in library_tavimora.js.
extern "C" {
void tv_web_sync_folder(double upTo);
void tv_web_load_kept_folder(const char* folder);
}

namespace {
void (*gAfterLoad)() = nullptr;
bool gKeptFolder = false;  // the folder is mounted from the browser's storage (main thread)

// Writing the folder through to the browser's storage. Each write asks for a sync by number;
// one sync runs at a time, and one that ends with writes still unsynced starts the next.
std::mutex gSyncLock;
std::condition_variable gSyncDone;
uint64_t gSyncAsked = 0;
uint64_t gSyncFinished = 0;  // every write numbered up to this one is stored (or failed)
bool gSyncOk = true;         // how the latest finished sync went
bool gSyncRunning = false;
// A save waits this long for the browser's storage before it counts as failed.
constexpr auto kSyncPatience = std::chrono::seconds(10);

// On the main thread: starts a sync when none runs and some write is not yet stored.
void StartSync() {
  uint64_t upTo = 0;
  {
    std::lock_guard<std::mutex> lock(gSyncLock);
    if (gSyncRunning || gSyncFinished >= gSyncAsked) return;
    if (!gKeptFolder) {
      // Nothing written lasts past the page: every save counts as failed.
      gSyncFinished = gSyncAsked;
      gSyncOk = false;
      gSyncDone.notify_all();
      return;
    }
    gSyncRunning = true;
    upTo = gSyncAsked;
  }
  tv_web_sync_folder(static_cast<double>(upTo));
}
}  // namespace

extern "C" {
EMSCRIPTEN_KEEPALIVE void tv_web_sync_finished(double upTo, int ok) {
  {
    std::lock_guard<std::mutex> lock(gSyncLock);
    gSyncRunning = false;
    gSyncFinished = static_cast<uint64_t>(upTo);
    gSyncOk = ok != 0;
  }
  gSyncDone.notify_all();
  StartSync();
}

EMSCRIPTEN_KEEPALIVE void tv_web_folder_loaded(int kept) {
  gKeptFolder = kept != 0;
  gAfterLoad();
}
}

bool PlatformMakeRenameDurable(const std::string& /*path*/) {
  uint64_t ticket = 0;
  {
    std::lock_guard<std::mutex> lock(gSyncLock);
    ticket = ++gSyncAsked;
  }
  if (emscripten_is_main_runtime_thread()) {
    // The main thread cannot wait: the sync finishes on its own after this frame.
    StartSync();
    return true;
  }
  emscripten_async_run_in_main_runtime_thread(EM_FUNC_SIG_V, StartSync);
  std::unique_lock<std::mutex> lock(gSyncLock);
  if (!gSyncDone.wait_for(lock, kSyncPatience, [ticket] { return gSyncFinished >= ticket; })) {
    return false;
  }
  return gSyncOk;
}

void PlatformLoadKeptFolder(const std::string& folder, void (*then)()) {
  gAfterLoad = then;
  std::string mountPoint = folder;
  while (mountPoint.size() > 1 && mountPoint.back() == '/') mountPoint.pop_back();
  tv_web_load_kept_folder(mountPoint.c_str());
}

