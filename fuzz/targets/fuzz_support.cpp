#include "fuzz_support.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace {
fs::path gWorkDir;

void vRemoveWorkDir() {
  std::error_code error;
  fs::remove_all(gWorkDir, error);
}

// The caller's choice first, then memory: the targets write a file for every input.
std::string MakeWorkDir() {
  const char* parents[] = {std::getenv("TMPDIR"), "/dev/shm", "/tmp"};
  for (const char* parent : parents) {
    if (parent == nullptr) continue;
    std::string pattern = std::string(parent) + "/tavimora-fuzz-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) return pattern;
  }
  vFuzzFault("no temporary folder can be made", __FILE__, __LINE__);
}
}  // namespace

void vFuzzFault(const char* what, const char* file, int line) {
  std::fprintf(stderr, "FUZZ FAULT at %s:%d: %s\n", file, line, what);
  std::fflush(stderr);
  std::abort();
}

FuzzWorkDirScope::FuzzWorkDirScope() : previous_(::open(".", O_RDONLY | O_DIRECTORY)) {
  FUZZ_CHECK(previous_ >= 0);
  if (gWorkDir.empty()) {
    gWorkDir = MakeWorkDir();
    std::error_code error;
    fs::create_directories(gWorkDir / "content" / "levels", error);
    fs::create_directories(gWorkDir / "content" / "art", error);
    FUZZ_CHECK(!error);
    std::atexit(vRemoveWorkDir);
  }
  FUZZ_CHECK(::chdir(gWorkDir.c_str()) == 0);
}

FuzzWorkDirScope::~FuzzWorkDirScope() {
  FUZZ_CHECK(::fchdir(previous_) == 0);
  ::close(previous_);
}

void vWriteFuzzFile(const char* path, const uint8_t* data, size_t size) {
  int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  FUZZ_CHECK(fd >= 0);
  while (size > 0) {
    ssize_t n = ::write(fd, data, size);
    FUZZ_CHECK(n > 0);
    data += n;
    size -= static_cast<size_t>(n);
  }
  FUZZ_CHECK(::close(fd) == 0);
}

std::string FuzzFileBytes(const char* path, bool* exists) {
  std::error_code error;
  *exists = fs::is_regular_file(path, error);
  if (!*exists) return {};
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void vRemoveFuzzPath(const char* path) {
  std::error_code error;
  fs::remove_all(path, error);
}

void vBlockWithFolder(const char* path) {
  vRemoveFuzzPath(path);
  std::error_code error;
  fs::create_directory(path, error);
  FUZZ_CHECK(!error);
}

uint32_t FuzzHash(const uint8_t* data, size_t size) {
  uint32_t hash = 2166136261u;  // FNV-1a
  for (size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 16777619u;
  return hash;
}
