#pragma once
// The player's settings, kept between runs in "content\levels\settings.txt" in the player's
// folder, one setting a line:
//   fullscreen=0
//   window=1024x768
//   music=on
//   effects=on
//   volume=8
//   pauseaway=on
//   language=de      (only when the player chose one: it overrides the environment's)
//   keys=104>106,27>113  (only when the player gave commands keys of their own: the shipped
//                         key's code, then the player's; codes as the platform gives them)
// A missing line, or a line with an unknown or broken value, gives that setting's default; a file
// that held such a line is written again, whole, when it is read.
#include <string>
#include <utility>
#include <vector>

constexpr int kVolumeSteps = 8;  // volume 1 (quietest) to 8 (full)

struct Settings {
  bool fullScreen = false;
  int width = 0;  // 0 x 0: the first size the platform picks
  int height = 0;
  bool music = true;
  bool effects = true;
  int volume = kVolumeSteps;
  bool pauseAway = true;  // a running game pauses when its window is left
  std::string language{};  // "" follows the environment; "en", "de", "pt_BR"...
  // The player's own keys: (the shipped key, the player's), for the keys that differ.
  std::vector<std::pair<int, int>> keys{};
  bool operator==(const Settings&) const = default;
};

// `clean` becomes false when a line was not understood.
Settings ParseSettings(const std::string& text, bool& clean);
std::string FormatSettings(const Settings& settings);

// The settings as last read or stored; the first call reads the file (rewriting a broken one).
Settings CurrentSettings();
// Makes the settings the current ones when they differ, and has them written to the file by a
// thread of the settings' own: the caller never waits for the disk. Only the newest settings
// need to reach it. A failed write is recorded (save/failed_saves.h). Either thread.
void StoreSettings(const Settings& settings);
// True when the newest settings stored have been written (or failed to be). Never waits.
bool bSettingsFlushed();
// Waits until the newest settings stored have been written (or failed to be): at the end.
void vFlushSettings();
// Forgets what was read, once written, so that the next CurrentSettings reads the file again
// (tests).
void vForgetSettings();
