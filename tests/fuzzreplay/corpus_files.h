#pragma once
// The fuzzers' input folders and their files, for the tests that replay them.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fuzzreplay {
namespace fs = std::filesystem;

inline fs::path FuzzDir() { return TAVIMORA_FUZZ_DIR; }

// The inputs of a folder in name order (none when it does not exist); hidden files are left out.
inline std::vector<fs::path> FilesIn(const fs::path& dir) {
  std::vector<fs::path> files;
  if (!fs::is_directory(dir)) return files;
  for (const auto& entry : fs::directory_iterator(dir)) {
    if (entry.is_regular_file() && entry.path().filename().string()[0] != '.') {
      files.push_back(entry.path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

inline std::vector<fs::path> Seeds(const char* target) {
  return FilesIn(FuzzDir() / "corpus" / target);
}

inline std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

inline const uint8_t* Data(const std::string& bytes) {
  return reinterpret_cast<const uint8_t*>(bytes.data());
}
}  // namespace fuzzreplay
