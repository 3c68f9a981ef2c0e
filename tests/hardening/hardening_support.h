#pragma once
// Helpers shared by the long-run and damaged-content tests: the built game's files, memory
// figures of this process, archive records, and running the real game binary.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// True in builds with AddressSanitizer or ThreadSanitizer, where everything runs several times
// slower (under ThreadSanitizer many times) and the allocator keeps freed memory back.
#if defined(__SANITIZE_THREAD__)
#define TAVIMORA_TEST_TSAN 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define TAVIMORA_TEST_TSAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define TAVIMORA_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TAVIMORA_TEST_ASAN 1
#endif
#endif
#if defined(TAVIMORA_TEST_TSAN)
constexpr bool kThreadSanitizedBuild = true;
#else
constexpr bool kThreadSanitizedBuild = false;
#endif
#if defined(TAVIMORA_TEST_ASAN) || defined(TAVIMORA_TEST_TSAN)
constexpr bool kSanitizedBuild = true;
#else
constexpr bool kSanitizedBuild = false;
#endif

// The game folder the build assembled (binary and content tree).
std::string BuiltGameDir();
std::string BuiltContentDir();

// Copies the built level patterns into content/levels of the working folder.
void CopyBuiltLevels();

// Resident set size of this process, in bytes (from /proc/self/statm).
size_t ResidentBytes();
// Bytes the allocator has handed out and not yet taken back.
size_t HeapInUseBytes();

// One record of the content index.
struct IndexRecord {
  uint32_t offset = 0;
  std::string name;
  uint32_t length = 0;
};
std::vector<IndexRecord> ReadIndex(const std::string& path);
void WriteIndex(const std::string& path, const std::vector<IndexRecord>& records);
// Index of the record with that name, or -1.
int FindRecord(const std::vector<IndexRecord>& records, const std::string& name);

// Tiles left on the Board.
int TilesOnBoard();
// How many times `what` stands in `text` (overlapping ones counted).
int Occurrences(const std::string& text, const std::string& what);

// Bytes that follow no file format: a fixed pseudo-random sequence.
std::string Garbage(size_t length, uint32_t seed);

// The outcome of running the game binary.
struct GameRun {
  bool exited = false;        // ended by itself within the time allowed
  int exitCode = -1;          // when it exited normally
  int signal = 0;             // when a signal ended it
  bool stillRunning = false;  // alive when the time was up (and stopped then)
  double seconds = 0;
  std::string stderrText;
};
// Runs `dir`/tavimora with `dir` as its working folder, headless (dummy video and audio, no
// display). Waits up to `waitSeconds`; a game still running then is ended (terminate, then kill)
// and reported as still running.
GameRun RunGameBinary(const std::string& dir, double waitSeconds);
