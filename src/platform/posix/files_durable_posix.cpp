#include <fcntl.h>
#include <unistd.h>

#include "platform/posix/files_internal.h"

bool PlatformMakeRenameDurable(const std::string& path) {
  // The rename itself lasts once the folder that holds the file is synced.
  std::string dir = ".";
  size_t slash = path.rfind('/');
  if (slash != std::string::npos) dir = slash == 0 ? "/" : path.substr(0, slash);
  int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return true;
  ::fsync(fd);
  ::close(fd);
  return true;
}
