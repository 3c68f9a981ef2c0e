#include "save/settings.h"

#include <cctype>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <sstream>

#include "platform/files.h"
#include "platform/thread.h"
#include "save/failed_saves.h"

namespace {
constexpr char kSettingsFile[] = "content\\levels\\settings.txt";
constexpr int kLargestSide = 32768;
constexpr size_t kLargestFile = 4096;  // far more than the settings ever take

constexpr size_t kWriterStack = 256 * 1024;  // the trace line alone takes 32 KB

// The settings are written by a thread of their own, so that no caller waits for the disk: a
// store only counts a change and wakes the writer, which always writes the newest settings.
std::mutex gLock;  // guards everything below
// Never destroyed: the writer waits on it for good, also while the process exits.
std::condition_variable& gChanged = *new std::condition_variable;
Settings gCurrent;
bool gRead = false;
uint64_t gStored = 0;   // changes made, counted
uint64_t gWritten = 0;  // the count of the newest change the writer has dealt with
PlatformThread* gWriter = nullptr;

// "on" or "off" into `value`; false for anything else.
bool bParseSwitch(const char* text, bool& value) {
  if (std::strcmp(text, "on") == 0 || std::strcmp(text, "off") == 0) {
    value = text[1] == 'n';
    return true;
  }
  return false;
}

// A language's name: letters and underscores, short enough for the content's folder names.
bool bParseLanguage(const std::string& text, std::string& value) {
  if (text.size() > 15) return false;
  for (char c : text) {
    if (!std::isalpha(static_cast<unsigned char>(c)) && c != '_') return false;
  }
  value = text;
  return true;
}

// "104>106,27>113" into pairs of key codes; false for anything else (the pairs are then none).
bool bParseKeys(const std::string& text, std::vector<std::pair<int, int>>& keys) {
  constexpr int kLargestKeyCode = 1023;
  constexpr size_t kMostPairs = 64;
  std::vector<std::pair<int, int>> parsed;
  std::istringstream pairs(text);
  for (std::string pair; std::getline(pairs, pair, ',');) {
    int from = 0, to = 0;
    char end = 0;
    if (std::sscanf(pair.c_str(), "%d>%d%c", &from, &to, &end) != 2 || from < 1 || to < 1 ||
        from > kLargestKeyCode || to > kLargestKeyCode || parsed.size() == kMostPairs) {
      return false;
    }
    parsed.emplace_back(from, to);
  }
  keys = std::move(parsed);
  return true;
}

std::string FormatKeys(const std::vector<std::pair<int, int>>& keys) {
  std::string text;
  for (const auto& [from, to] : keys) {
    if (!text.empty()) text += ',';
    text += std::to_string(from);
    text += '>';
    text += std::to_string(to);
  }
  return text;
}

// One line into the settings; false when it names no setting or holds a broken value.
bool bParseLine(const std::string& line, Settings& s) {
  int a = 0, b = 0;
  char end = 0;
  const char* text = line.c_str();
  if (std::sscanf(text, "fullscreen=%d%c", &a, &end) == 1 && (a == 0 || a == 1)) {
    s.fullScreen = a == 1;
    return true;
  }
  if (std::sscanf(text, "window=%dx%d%c", &a, &b, &end) == 2 && a > 0 && b > 0 &&
      a <= kLargestSide && b <= kLargestSide) {
    s.width = a;
    s.height = b;
    return true;
  }
  if (line.rfind("music=", 0) == 0) return bParseSwitch(text + 6, s.music);
  if (line.rfind("effects=", 0) == 0) return bParseSwitch(text + 8, s.effects);
  if (line.rfind("pauseaway=", 0) == 0) return bParseSwitch(text + 10, s.pauseAway);
  if (line.rfind("language=", 0) == 0) return bParseLanguage(line.substr(9), s.language);
  if (line.rfind("keys=", 0) == 0) return bParseKeys(line.substr(5), s.keys);
  if (std::sscanf(text, "volume=%d%c", &a, &end) == 1 && a >= 1 && a <= kVolumeSteps) {
    s.volume = a;
    return true;
  }
  return false;
}

void vWrite(const Settings& settings) {
  const std::string text = FormatSettings(settings);
  const bool written = PlatformWriteFileAtomic(kSettingsFile, text.data(), text.size());
  vRecordSave(SavedFile::kSettings, kSettingsFile, written, "StoreSettings");
}

int thrSettingsWriter(void* /*unused*/) {
  std::unique_lock<std::mutex> lock(gLock);
  for (;;) {
    gChanged.wait(lock, [] { return gWritten != gStored; });
    const uint64_t newest = gStored;
    const Settings settings = gCurrent;
    lock.unlock();
    vWrite(settings);
    lock.lock();
    gWritten = newest;
    gChanged.notify_all();
  }
}

// Waits, holding the lock in `lock` again after, until the writer has dealt with the newest change.
void vWaitForWriter(std::unique_lock<std::mutex>& lock) {
  gChanged.wait(lock, [] { return gWritten == gStored; });
}

// The current settings are to reach the file: the writer is told, and started when none runs yet.
// Without a thread they are written here.
void vHandOverLocked() {
  ++gStored;
  if (gWriter == nullptr) {
    gWriter = PlatformStartThread(thrSettingsWriter, nullptr, kWriterStack, "settings");
  }
  if (gWriter != nullptr) {
    gChanged.notify_all();
    return;
  }
  vWrite(gCurrent);
  gWritten = gStored;
}

void vReadLocked() {
  std::string text;
  bool exists = false;
  if (FILE* f = PlatformOpen(kSettingsFile, "rb")) {
    exists = true;
    char buffer[kLargestFile];
    size_t n = std::fread(buffer, 1, sizeof buffer, f);
    text.assign(buffer, n);
    std::fclose(f);
  }
  bool clean = true;
  gCurrent = ParseSettings(text, clean);
  gRead = true;
  if (exists && !clean) vHandOverLocked();
}
}  // namespace

Settings ParseSettings(const std::string& text, bool& clean) {
  Settings settings;
  clean = text.size() < kLargestFile;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (!bParseLine(line, settings)) clean = false;
  }
  return settings;
}

std::string FormatSettings(const Settings& s) {
  std::string text = "fullscreen=" + std::to_string(s.fullScreen ? 1 : 0) + "\n";
  if (s.width > 0 && s.height > 0) {
    text += "window=" + std::to_string(s.width) + "x" + std::to_string(s.height) + "\n";
  }
  text += std::string("music=") + (s.music ? "on" : "off") + "\n";
  text += std::string("effects=") + (s.effects ? "on" : "off") + "\n";
  text += "volume=" + std::to_string(s.volume) + "\n";
  text += std::string("pauseaway=") + (s.pauseAway ? "on" : "off") + "\n";
  if (!s.language.empty()) text += "language=" + s.language + "\n";
  if (!s.keys.empty()) text += "keys=" + FormatKeys(s.keys) + "\n";
  return text;
}

Settings CurrentSettings() {
  std::lock_guard<std::mutex> hold(gLock);
  if (!gRead) vReadLocked();
  return gCurrent;
}

void StoreSettings(const Settings& settings) {
  std::lock_guard<std::mutex> hold(gLock);
  if (!gRead) vReadLocked();
  if (settings == gCurrent) return;
  gCurrent = settings;
  vHandOverLocked();
}

bool bSettingsFlushed() {
  std::lock_guard<std::mutex> hold(gLock);
  return gWritten == gStored;
}

void vFlushSettings() {
  std::unique_lock<std::mutex> lock(gLock);
  vWaitForWriter(lock);
}

void vForgetSettings() {
  std::unique_lock<std::mutex> lock(gLock);
  vWaitForWriter(lock);
  gRead = false;
}
