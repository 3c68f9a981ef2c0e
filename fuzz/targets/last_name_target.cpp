// lastname.txt: the bytes become the file; the name read is at most 32 bytes of its first line,
// without the line's end.
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "fuzz_targets.h"
#include "save/scores.h"

namespace {
constexpr size_t kMaxInput = 64 * 1024;
}  // namespace

int FuzzLastNameFile(const uint8_t* data, size_t size) {
  if (size > kMaxInput) return 0;
  FuzzWorkDirScope workDir;
  vWriteFuzzFile("content/levels/lastname.txt", data, size);
  const std::string name = LastEnteredName();
  FUZZ_CHECK(name.size() <= static_cast<size_t>(kHighScoreNameChars));
  FUZZ_CHECK(name.find('\n') == std::string::npos);
  FUZZ_CHECK(std::memchr(name.data(), '\0', name.size()) == nullptr);
  FUZZ_CHECK(size == 0 || std::memcmp(name.data(), data, name.size()) == 0);
  return 0;
}
