#include <emscripten.h>

#include "platform/files.h"
#include "platform/sdl/sdl_internal.h"

// The page's side, in library_tavimora.js: fetches the files at their addresses beside the page
// (the paths, one a line) and writes them to the same paths.
extern "C" void tv_web_fetch_files(const char* paths);

extern "C" EMSCRIPTEN_KEEPALIVE void tv_web_files_arrived() { PlatformSdlPushFilesArrived(); }

bool PlatformFetchFiles(const std::vector<std::string>& gamePaths) {
  std::string lines;
  for (const std::string& path : gamePaths) lines += PlatformPath(path.c_str()) + '\n';
  tv_web_fetch_files(lines.c_str());
  return true;
}
