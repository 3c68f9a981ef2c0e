#pragma once
// The window's part of the player's settings (save/settings.h): full screen or not, and the
// window's size, written again whenever the window changes.

// Shows the window as the settings and the command line say, before it is first shown.
void vApplyWindowSettings(bool windowedBuild);
// Stores the window's current state when it differs from what was stored last.
void vStoreWindowSettings();
// At the end: stores the window's settings and waits until the newest settings are on disk.
void vStoreLastSettings();
// The same without waiting, for the web page's end, which asks once a frame: true once they are.
bool bLastSettingsStored();
