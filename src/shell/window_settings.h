#pragma once
// The player's window settings, kept between runs in a small text file beside the saved scores:
//   fullscreen=0
//   window=1024x768
// A missing or unreadable file, or a line that makes no sense, gives the default for that line;
// the file is written again whenever the window changes.
#include <string>

struct WindowSettings {
  bool fullScreen = false;
  int width = 0;   // 0 x 0: the first size the platform picks
  int height = 0;
};

WindowSettings ParseWindowSettings(const std::string& text);
std::string FormatWindowSettings(const WindowSettings& settings);

// The settings file by its game path, read and written through the player's folder.
WindowSettings LoadWindowSettings();
void SaveWindowSettings(const WindowSettings& settings);

// Shows the window as the settings and the command line say, before it is first shown.
void vApplyWindowSettings(bool windowedBuild);
// Stores the window's current state when it differs from what was stored last.
void vStoreWindowSettings();
