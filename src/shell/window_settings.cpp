#include "shell/window_settings.h"

#include "platform/window.h"
#include "save/settings.h"
#include "shell/data_dir.h"

void vApplyWindowSettings(bool windowedBuild) {
  const Settings saved = CurrentSettings();
  // The full-screen build starts full screen with its own display mode unless told otherwise;
  // the remembered window size is what it gets when switched to a window.
  bool fullScreen = windowedBuild ? saved.fullScreen : true;
  if (WindowChoiceOption() == WindowChoice::kFullScreen) fullScreen = true;
  if (WindowChoiceOption() == WindowChoice::kWindow) fullScreen = false;
  PlatformSetWindowMode(fullScreen, saved.width, saved.height);
}

void vStoreWindowSettings() {
  Settings now = CurrentSettings();
  PlatformWindowMode(now.fullScreen, now.width, now.height);
  StoreSettings(now);
}

void vStoreLastSettings() {
  vStoreWindowSettings();
  vFlushSettings();
}

bool bLastSettingsStored() {
  vStoreWindowSettings();
  return bSettingsFlushed();
}
