// The order of the system calls of a durable write, seen by wrapping them at link time
// (-Wl,--wrap): the new contents reach the disk before the rename makes them the file, and the
// rename reaches it after. A killed process keeps the page cache, so only the order shows what
// a power cut would leave.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/files.h"
#include "support/temp_dir.h"

namespace {
bool gRecording = false;
std::vector<std::string> gCalls;

void Record(const std::string& call) {
  if (gRecording) gCalls.push_back(call);
}
}  // namespace

extern "C" {
ssize_t __real_write(int fd, const void* data, size_t size);
int __real_fsync(int fd);
int __real_close(int fd);
int __real_rename(const char* from, const char* to);

ssize_t __wrap_write(int fd, const void* data, size_t size) {
  Record("write");
  return __real_write(fd, data, size);
}
int __wrap_fsync(int fd) {
  struct stat st {};
  Record(fstat(fd, &st) == 0 && S_ISDIR(st.st_mode) ? "flush folder" : "flush file");
  return __real_fsync(fd);
}
int __wrap_close(int fd) {
  Record("close");
  return __real_close(fd);
}
int __wrap_rename(const char* from, const char* to) {
  Record("rename");
  return __real_rename(from, to);
}
}

namespace {
TEST(DurableWrite, FlushesTheFileBeforeTheRenameAndTheFolderAfterIt) {
  ScopedTempCwd cwd;
  WriteWholeFile("content/levels/scr.dat", "old!");
  gCalls.clear();
  gRecording = true;
  const bool written = PlatformWriteFileAtomic("content\\levels\\scr.dat", "new1", 4);
  gRecording = false;
  ASSERT_TRUE(written);
  const std::vector<std::string> expected = {"write", "flush file", "close",
                                             "rename", "flush folder", "close"};
  EXPECT_EQ(gCalls, expected);
  EXPECT_EQ(ReadWholeFile("content/levels/scr.dat"), "new1");
  EXPECT_FALSE(PlatformFileReadable("content\\levels\\scr.dat.tmp"));
  // A folder that does not exist cannot take the file; nothing is reported as written.
  EXPECT_FALSE(PlatformWriteFileAtomic("missing\\scr.dat", "x", 1));
  // Nor can a folder in the file's place; the written copy beside it does not stay.
  WriteWholeFile("content/levels/busy/inside", "x");
  EXPECT_FALSE(PlatformWriteFileAtomic("content\\levels\\busy", "x", 1));
  EXPECT_FALSE(PlatformFileReadable("content\\levels\\busy.tmp"));
}
}  // namespace
