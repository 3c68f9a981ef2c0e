#include "shell/window_settings.h"

#include <cstdio>
#include <sstream>

#include "platform/files.h"
#include "platform/window.h"
#include "shell/data_dir.h"

namespace {
constexpr char kSettingsFile[] = "content\\levels\\settings.txt";
constexpr int kLargestSide = 32768;

WindowSettings gStored;
bool gStoredKnown = false;

bool SameSettings(const WindowSettings& a, const WindowSettings& b) {
  return a.fullScreen == b.fullScreen && a.width == b.width && a.height == b.height;
}
}  // namespace

WindowSettings ParseWindowSettings(const std::string& text) {
  WindowSettings settings;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    int a = 0, b = 0;
    char end = 0;
    if (std::sscanf(line.c_str(), "fullscreen=%d%c", &a, &end) == 1 && (a == 0 || a == 1)) {
      settings.fullScreen = a == 1;
    } else if (std::sscanf(line.c_str(), "window=%dx%d%c", &a, &b, &end) == 2 && a > 0 &&
               b > 0 && a <= kLargestSide && b <= kLargestSide) {
      settings.width = a;
      settings.height = b;
    }
  }
  return settings;
}

std::string FormatWindowSettings(const WindowSettings& settings) {
  std::string text = "fullscreen=" + std::to_string(settings.fullScreen ? 1 : 0) + "\n";
  if (settings.width > 0 && settings.height > 0) {
    text += "window=" + std::to_string(settings.width) + "x" + std::to_string(settings.height) + "\n";
  }
  return text;
}

WindowSettings LoadWindowSettings() {
  std::string text;
  if (FILE* f = PlatformOpen(kSettingsFile, "rb")) {
    char buffer[512];
    size_t n = std::fread(buffer, 1, sizeof buffer, f);
    text.assign(buffer, n);
    std::fclose(f);
  }
  return ParseWindowSettings(text);
}

void SaveWindowSettings(const WindowSettings& settings) {
  const std::string text = FormatWindowSettings(settings);
  PlatformWriteFileAtomic(kSettingsFile, text.data(), text.size());
}

void vApplyWindowSettings(bool windowedBuild) {
  const WindowSettings saved = LoadWindowSettings();
  gStored = saved;
  gStoredKnown = true;
  // The full-screen build starts full screen with its own display mode unless told otherwise;
  // the remembered window size is what it gets when switched to a window.
  bool fullScreen = windowedBuild ? saved.fullScreen : true;
  if (WindowChoiceOption() == WindowChoice::kFullScreen) fullScreen = true;
  if (WindowChoiceOption() == WindowChoice::kWindow) fullScreen = false;
  PlatformSetWindowMode(fullScreen, saved.width, saved.height);
}

void vStoreWindowSettings() {
  WindowSettings now;
  PlatformWindowMode(now.fullScreen, now.width, now.height);
  if (gStoredKnown && SameSettings(now, gStored)) return;
  SaveWindowSettings(now);
  gStored = now;
  gStoredKnown = true;
}
