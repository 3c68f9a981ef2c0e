// The settings' writer, seen through the flush of a durable write wrapped at link time
// (-Wl,--wrap=fsync): a store returns while a write is held, only the newest settings follow the
// held write, and the flush at the end leaves them on disk.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <condition_variable>
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
std::thread::id gTestThread;        // set while the test watches the flushes
bool gHolding = false;              // a flush off the test's thread waits while set
int gHeld = 0, gOnTestThread = 0;   // watched flushes, by thread
std::vector<std::string> gFlushed;  // what each watched file held at its flush
}  // namespace

extern "C" {
int __real_fsync(int fd);
int __wrap_fsync(int fd) {
  struct stat st {};
  const bool file = fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  const std::string text = file ? ReadWholeFile("/proc/self/fd/" + std::to_string(fd)) : "";
  std::unique_lock<std::mutex> lock(gLock);
  const bool here = std::this_thread::get_id() == gTestThread;
  if (file && gTestThread != std::thread::id()) {
    gFlushed.push_back(text);
    (here ? gOnTestThread : gHeld) += 1;
    gChanged.notify_all();
    gChanged.wait(lock, [here] { return here || !gHolding; });  // the test never waits for itself
  }
  lock.unlock();
  return __real_fsync(fd);
}
}

TEST(SettingsWriter, AStoreNeverWaitsAndOnlyTheNewestFollowsAHeldWrite) {
  ScopedTempCwd cwd;
  std::filesystem::create_directories("content/levels");
  vForgetSettings();  // the next store reads this folder's missing file
  const Settings a{true, 800, 600, true, true, 8}, b{true, 800, 600, false, true, 8},
      c{false, 640, 480, false, false, 2};
  std::unique_lock<std::mutex> lock(gLock);
  gTestThread = std::this_thread::get_id();
  gHolding = true;
  lock.unlock();
  StoreSettings(a);
  lock.lock();
  // A bound only for a writer that never writes: the test fails instead of hanging.
  EXPECT_TRUE(gChanged.wait_for(lock, std::chrono::seconds(30), [] { return gHeld + gOnTestThread > 0; }));
  EXPECT_EQ(gOnTestThread, 0) << "the store wrote the file itself";
  lock.unlock();
  StoreSettings(b);
  StoreSettings(c);
  EXPECT_EQ(CurrentSettings(), c);  // at once, while the disk is busy
  EXPECT_FALSE(bSettingsFlushed());
  lock.lock();
  gHolding = false;
  gChanged.notify_all();
  lock.unlock();
  vFlushSettings();
  EXPECT_EQ(ReadWholeFile("content/levels/settings.txt"), FormatSettings(c));
  lock.lock();
  EXPECT_EQ(gFlushed, (std::vector<std::string>{FormatSettings(a), FormatSettings(c)}));
  gTestThread = std::thread::id();
}
