#pragma once
// File access for the game's own paths, which are written with backslashes
// ("content\levels\level0.dat") and relative to the working directory.
#include <cstdio>
#include <string>
#include <vector>

// The game path turned into a path for this system, or where it was redirected to
// (PlatformRedirectPath, platform/user_paths.h).
std::string PlatformPath(const char* gamePath);

// fopen of a game path.
FILE* PlatformOpen(const char* gamePath, const char* mode);

// True when the file exists and can be opened for reading.
bool PlatformFileReadable(const char* gamePath);

// Writes `size` bytes to `gamePath` so that a crash, a kill or a full disk at any moment leaves
// either the old file or the new one, never a mix: a temporary file in the same folder is
// written, flushed to disk and renamed over the target. False when the new contents could not be
// stored; the old file is then untouched.
bool PlatformWriteFileAtomic(const char* gamePath, const void* data, size_t size);

// Fetches content files the system does not hold yet (a page's content comes in parts, fetched
// while the game runs). False when there is nothing to fetch here; else kEventFilesArrived
// follows once all of them are readable, or once they failed to come.
bool PlatformFetchFiles(const std::vector<std::string>& gamePaths);
