#pragma once
// Helpers shared by the fuzz targets: a private working folder and fault reports.
#include <cstddef>
#include <cstdint>
#include <string>

// A fault found by a target: says what and where, then aborts (libFuzzer keeps the input).
[[noreturn]] void vFuzzFault(const char* what, const char* file, int line);
#define FUZZ_CHECK(condition) \
  ((condition) ? (void)0 : vFuzzFault(#condition, __FILE__, __LINE__))

// The game reads paths relative to the working directory, so each input runs inside a folder of
// the process's own (under $TMPDIR, else on a memory file system), made on first use with the
// game's content\levels and content\art folders and removed when the process exits. The scope
// returns to the caller's folder afterwards, where the fuzzer reads its corpus.
class FuzzWorkDirScope {
 public:
  FuzzWorkDirScope();
  ~FuzzWorkDirScope();
  FuzzWorkDirScope(const FuzzWorkDirScope&) = delete;
  FuzzWorkDirScope& operator=(const FuzzWorkDirScope&) = delete;

 private:
  int previous_;
};

// Replaces a file (a path for this system) with the bytes; aborts when that fails.
void vWriteFuzzFile(const char* path, const uint8_t* data, size_t size);
// Whole file; empty with `exists` false when it is not a regular file.
std::string FuzzFileBytes(const char* path, bool* exists);
// Removes a file or a folder with everything in it; no error when there is none.
void vRemoveFuzzPath(const char* path);
// Makes a folder where a file is expected, so that opening it as a file fails.
void vBlockWithFolder(const char* path);

// A stable hash of the input, to steer random choices without spending input bytes.
uint32_t FuzzHash(const uint8_t* data, size_t size);
