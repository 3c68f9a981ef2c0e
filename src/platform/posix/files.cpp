#include "platform/files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

#include "platform/posix/files_internal.h"
#include "platform/user_paths.h"

std::string PlatformPath(const char* gamePath) {
  std::string path(gamePath);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  std::string redirected = PlatformRedirectedPath(path);
  return redirected.empty() ? path : redirected;
}

FILE* PlatformOpen(const char* gamePath, const char* mode) {
  return std::fopen(PlatformPath(gamePath).c_str(), mode);
}

bool PlatformFileReadable(const char* gamePath) {
  FILE* f = PlatformOpen(gamePath, "rb");
  if (f == nullptr) return false;
  std::fclose(f);
  return true;
}

namespace {
bool WriteAll(int fd, const unsigned char* p, size_t size) {
  while (size > 0) {
    ssize_t n = ::write(fd, p, size);
    if (n <= 0) return false;
    p += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}
}  // namespace

bool PlatformWriteFileAtomic(const char* gamePath, const void* data, size_t size) {
  std::string path = PlatformPath(gamePath);
  std::string tmp = path + ".tmp";
  int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return false;
  bool ok = WriteAll(fd, static_cast<const unsigned char*>(data), size) && ::fsync(fd) == 0;
  ok = (::close(fd) == 0) && ok;
  if (!ok || std::rename(tmp.c_str(), path.c_str()) != 0) {
    ::unlink(tmp.c_str());
    return false;
  }
  return PlatformMakeRenameDurable(path);
}
