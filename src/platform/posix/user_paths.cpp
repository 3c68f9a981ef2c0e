#include "platform/user_paths.h"

#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace {
// Written at start-up only, read by every file access afterwards.
std::vector<std::pair<std::string, std::string>> gRedirects;

std::string TakeSdlString(char* text) {
  std::string s = text != nullptr ? text : "";
  SDL_free(text);
  return s;
}
}  // namespace

std::string PlatformExecutableFolder() { return TakeSdlString(SDL_GetBasePath()); }

bool PlatformUserDataFolder(const char* app, std::string& folder, std::string& error) {
  // An empty or relative XDG_DATA_HOME counts as unset, as the XDG rules say; SDL would take it
  // as it is and make the folder under / or the working directory.
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome != nullptr && dataHome[0] != '/') ::unsetenv("XDG_DATA_HOME");
  folder = TakeSdlString(SDL_GetPrefPath("", app));
  if (folder.empty()) error = SDL_GetError();
  return !folder.empty();
}

std::string PlatformMakePrivateFolder(const char* app) {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp != nullptr && *tmp != '\0' ? tmp : "/tmp") + "/" + app + "-XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) return "";
  return pattern + "/";
}

bool PlatformFolderWritable(const std::string& folder) {
  return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

void PlatformRedirectPath(const char* gamePath, const std::string& systemPath) {
  std::string path(gamePath);
  std::replace(path.begin(), path.end(), '\\', '/');
  for (auto& entry : gRedirects) {
    if (entry.first == path) {
      entry.second = systemPath;
      return;
    }
  }
  gRedirects.emplace_back(path, systemPath);
}

void PlatformClearRedirects() { gRedirects.clear(); }

std::string PlatformRedirectedPath(const std::string& path) {
  for (const auto& entry : gRedirects) {
    if (entry.first == path) return entry.second;
  }
  return "";
}
