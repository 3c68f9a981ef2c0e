#pragma once
// Shared between the platform's file code and the store each system keeps files in.
#include <string>

// Makes a file just renamed into place at `path` last: on the desktop the folder that holds it is
// flushed to disk; in a browser the folder is written through to the browser's storage. False
// when the new file could not be made to last.
bool PlatformMakeRenameDurable(const std::string& path);
