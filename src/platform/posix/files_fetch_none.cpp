#include "platform/files.h"

// An installed game holds all of its content.
bool PlatformFetchFiles(const std::vector<std::string>&) { return false; }
