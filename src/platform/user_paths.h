#pragma once
// Where the program and the player's own files are, and the game paths that live outside the
// content folder. An installed game's folder is read-only, so the files the game writes are
// redirected into a folder of the player's; the game itself keeps using its usual paths.
#include <string>

// Folder of the running executable, ending in '/'; empty when it cannot be told.
std::string PlatformExecutableFolder();

// The per-user data folder of `app` ($XDG_DATA_HOME/app, by default ~/.local/share/app), ending
// in '/' and created when missing. False, with the reason in `error`, when it cannot be had.
// Drops an XDG_DATA_HOME that is empty or relative from the environment.
bool PlatformUserDataFolder(const char* app, std::string& folder, std::string& error);

// A new folder only this user can use, under the system's temporary folder; empty on failure.
std::string PlatformMakePrivateFolder(const char* app);

// True when files can be created in `folder`.
bool PlatformFolderWritable(const std::string& folder);

// From now on the game path `gamePath` ("content\levels\scr.dat") stands for `systemPath`.
// Set up at start-up, before other threads run; PlatformPath and everything built on it obey it.
void PlatformRedirectPath(const char* gamePath, const std::string& systemPath);
void PlatformClearRedirects();

// The path a game path (already in this system's form) is redirected to, or empty.
std::string PlatformRedirectedPath(const std::string& path);
