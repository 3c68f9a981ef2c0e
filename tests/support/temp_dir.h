#pragma once
// Runs a test inside a fresh temporary folder, so files the game writes relative to the working
// directory (trace files, saved scores, content) never leak between tests.
#include <string>

class ScopedTempCwd {
 public:
  ScopedTempCwd();
  ~ScopedTempCwd();
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  std::string previous_;
};

// Whole contents of a file, or an empty string when it cannot be read.
std::string ReadWholeFile(const std::string& path);

// Writes bytes to a file, creating folders on the way (a path for this system).
void WriteWholeFile(const std::string& path, const std::string& bytes);
