// The settings' own writer, seen through the flush of a durable write wrapped at link time
// (-Wl,--wrap=fsync): a store returns while a write is held at its flush, only the newest
// settings follow the held write, and the flush at the end leaves them on disk.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "save/settings.h"
#include "support/temp_dir.h"

namespace {
std::mutex gLock;
std::condition_variable gChanged;
bool gWatching = false;
bool gGateClosed = false;            // a file's flush off the storing thread waits while closed
int gHeld = 0;                       // flushes that waited at the gate
std::thread::id gStoringThread;      // a flush on it is a store that wrote by itself
int gFlushesOnStoringThread = 0;
std::vector<std::string> gFlushed;   // what each watched file held when it was flushed

// A file about to be flushed: recorded, and held while the gate is closed.
void vSeeFileFlush(int fd) {
  char link[64];
  std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
  const std::string text = ReadWholeFile(link);
  std::unique_lock<std::mutex> lock(gLock);
  if (!gWatching) return;
  gFlushed.push_back(text);
  if (std::this_thread::get_id() == gStoringThread) {
    ++gFlushesOnStoringThread;  // never held: the test would wait for itself
    return;
  }
  ++gHeld;
  gChanged.notify_all();
  gChanged.wait(lock, [] { return !gGateClosed; });
}

void vOpenGate() {
  std::lock_guard<std::mutex> hold(gLock);
  gGateClosed = false;
  gChanged.notify_all();
}

// Watches the flushes while it lives, with the gate closed; opened again whatever happens.
struct Watch {
  Watch() {
    std::lock_guard<std::mutex> hold(gLock);
    gWatching = gGateClosed = true;
    gHeld = gFlushesOnStoringThread = 0;
    gFlushed.clear();
    gStoringThread = std::this_thread::get_id();
  }
  ~Watch() {
    vOpenGate();
    vFlushSettings();
    std::lock_guard<std::mutex> hold(gLock);
    gWatching = false;
  }
};
}  // namespace

extern "C" {
int __real_fsync(int fd);
int __wrap_fsync(int fd) {
  struct stat st {};
  if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) vSeeFileFlush(fd);
  return __real_fsync(fd);
}
}

TEST(SettingsWriter, AStoreNeverWaitsAndOnlyTheNewestFollowsAHeldWrite) {
  ScopedTempCwd cwd;
  std::filesystem::create_directories("content/levels");
  vForgetSettings();  // the next store reads this folder's (missing) file first
  const Settings a{true, 800, 600, true, true, 8}, b{true, 800, 600, false, true, 8},
      c{false, 640, 480, false, false, 2};
  {
    Watch watch;
    StoreSettings(a);
    {
      std::unique_lock<std::mutex> lock(gLock);
      ASSERT_EQ(gFlushesOnStoringThread, 0) << "the store wrote the file itself";
      // Only a safety net: a writer that never starts fails here instead of hanging.
      ASSERT_TRUE(gChanged.wait_for(lock, std::chrono::seconds(30), [] { return gHeld == 1; }));
    }
    StoreSettings(b);
    StoreSettings(c);
    EXPECT_EQ(CurrentSettings(), c);  // at once, while the disk is busy
    EXPECT_FALSE(bSettingsFlushed());
    EXPECT_FALSE(std::filesystem::exists("content/levels/settings.txt"));
    vOpenGate();
    vFlushSettings();
    EXPECT_TRUE(bSettingsFlushed());
    const std::vector<std::string> expected = {FormatSettings(a), FormatSettings(c)};
    std::lock_guard<std::mutex> hold(gLock);
    EXPECT_EQ(gFlushed, expected);
    EXPECT_EQ(gFlushesOnStoringThread, 0);
  }
  EXPECT_EQ(ReadWholeFile("content/levels/settings.txt"), FormatSettings(c));
  vForgetSettings();
}
