#include "hardening_support.h"

#include <fcntl.h>
#include <malloc.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <thread>

#include "play/board.h"
#include "support/temp_dir.h"
#include "util/little_endian.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {
constexpr size_t kRecordBytes = 264;
constexpr size_t kNameBytes = 256;

// The environment for the game: headless drivers and no display to reach.
std::vector<std::string> HeadlessEnvironment() {
  std::vector<std::string> env;
  for (char** e = environ; *e != nullptr; ++e) {
    std::string entry = *e;
    if (entry.rfind("DISPLAY=", 0) == 0 || entry.rfind("WAYLAND_DISPLAY=", 0) == 0 ||
        entry.rfind("SDL_VIDEODRIVER=", 0) == 0 || entry.rfind("SDL_AUDIODRIVER=", 0) == 0) {
      continue;
    }
    env.push_back(entry);
  }
  env.push_back("SDL_VIDEODRIVER=dummy");
  env.push_back("SDL_AUDIODRIVER=dummy");
  return env;
}

bool Reap(pid_t pid, GameRun& run) {
  int status = 0;
  if (waitpid(pid, &status, WNOHANG) != pid) return false;
  if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
  if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
  return true;
}

// Waits until the child ends or the time is up; true when it ended.
bool WaitFor(pid_t pid, GameRun& run, double seconds) {
  auto start = std::chrono::steady_clock::now();
  for (;;) {
    if (Reap(pid, run)) return true;
    std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    if (spent.count() >= seconds) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}
}  // namespace

std::string BuiltContentDir() { return TAVIMORA_CONTENT_DIR; }

std::string BuiltGameDir() { return fs::path(TAVIMORA_CONTENT_DIR).parent_path().string(); }

void CopyBuiltLevels() {
  fs::create_directories("content/levels");
  for (const auto& entry : fs::directory_iterator(fs::path(BuiltContentDir()) / "levels")) {
    std::string name = entry.path().filename().string();
    if (name.rfind("level", 0) != 0) continue;
    fs::copy_file(entry.path(), fs::path("content/levels") / name,
                  fs::copy_options::overwrite_existing);
  }
}

size_t ResidentBytes() {
  FILE* f = std::fopen("/proc/self/statm", "r");
  if (f == nullptr) return 0;
  unsigned long size = 0, resident = 0;
  int got = std::fscanf(f, "%lu %lu", &size, &resident);
  std::fclose(f);
  if (got != 2) return 0;
  return static_cast<size_t>(resident) * static_cast<size_t>(sysconf(_SC_PAGESIZE));
}

size_t HeapInUseBytes() { return mallinfo2().uordblks; }

std::vector<IndexRecord> ReadIndex(const std::string& path) {
  std::string bytes = ReadWholeFile(path);
  std::vector<IndexRecord> records;
  for (size_t at = 0; at + kRecordBytes <= bytes.size(); at += kRecordBytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data() + at);
    IndexRecord r;
    r.offset = ReadLe32(p);
    r.name.assign(reinterpret_cast<const char*>(p + 4),
                  strnlen(reinterpret_cast<const char*>(p + 4), kNameBytes));
    r.length = ReadLe32(p + 4 + kNameBytes);
    records.push_back(r);
  }
  return records;
}

void WriteIndex(const std::string& path, const std::vector<IndexRecord>& records) {
  std::string out;
  for (const IndexRecord& r : records) {
    AppendLe32(out, r.offset);
    std::string name = r.name.substr(0, kNameBytes - 1);
    name.resize(kNameBytes, '\0');
    out += name;
    AppendLe32(out, r.length);
  }
  WriteWholeFile(path, out);
}

int FindRecord(const std::vector<IndexRecord>& records, const std::string& name) {
  for (size_t i = 0; i < records.size(); ++i) {
    if (records[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

int TilesOnBoard() {
  int n = 0;
  for (int32_t c : Board) n += c != 0;
  return n;
}

int Occurrences(const std::string& text, const std::string& what) {
  int n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

std::string Garbage(size_t length, uint32_t seed) {
  std::string bytes(length, '\0');
  uint32_t state = seed * 2654435761u + 1;
  for (char& c : bytes) {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    c = static_cast<char>(state >> 24);
  }
  return bytes;
}

GameRun RunGameBinary(const std::string& dir, double waitSeconds) {
  GameRun run;
  const std::string errPath = dir + "/stderr.txt";
  std::vector<std::string> env = HeadlessEnvironment();
  // The player's folder inside the test's own, never the real home.
  std::erase_if(env, [](const std::string& e) { return e.rfind("XDG_DATA_HOME=", 0) == 0; });
  env.push_back("XDG_DATA_HOME=" + dir + "/player-data");
  std::vector<char*> envp;
  for (std::string& e : env) envp.push_back(e.data());
  envp.push_back(nullptr);
  std::string binary = dir + "/tavimora";
  char* argv[] = {binary.data(), nullptr};

  auto start = std::chrono::steady_clock::now();
  pid_t pid = fork();
  if (pid == 0) {
    // Only async-signal-safe calls between fork and exec.
    int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int nul = open("/dev/null", O_RDWR);
    if (err < 0 || nul < 0 || chdir(dir.c_str()) != 0) _exit(126);
    dup2(nul, 0);
    dup2(nul, 1);
    dup2(err, 2);
    execve(binary.c_str(), argv, envp.data());
    _exit(127);
  }
  if (pid < 0) return run;
  run.exited = WaitFor(pid, run, waitSeconds);
  if (!run.exited) {
    run.stillRunning = true;
    kill(pid, SIGTERM);
    if (!WaitFor(pid, run, 5.0)) {
      kill(pid, SIGKILL);
      WaitFor(pid, run, 5.0);
    }
  }
  std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
  run.seconds = spent.count();
  run.stderrText = ReadWholeFile(errPath);
  return run;
}
