// The cost of loading every image of the game out of the generated archive at 32 bits, as
// video set-up does at start-up, and of the title picture alone (what the first frame needs).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "content/catalogue.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "gfx/sprite.h"
#include "platform/user_paths.h"

namespace {
// A folder of the benchmark's own for the temporary file, removed at the end.
struct OwnFolder {
  std::string path = PlatformMakePrivateFolder("tavimora-bench");
  ~OwnFolder() {
    std::error_code ignored;
    if (!path.empty()) std::filesystem::remove_all(path, ignored);
  }
};

// Runs in the game's folder, as the game does.
void SetUpOnce() {
  static OwnFolder folder;
  static const bool ready = [] {
    if (folder.path.empty() || chdir(TAVIMORA_GAME_FOLDER) != 0) std::abort();
    PlatformRedirectPath("content\\art\\temp.pcx", folder.path + "temp.pcx");
    gFrameStack.Init(kFrameWidth, kFrameHeight, 32, nullptr, true);
    iColorDepth = gFrameStack.Depth();
    gResources.iFrameVB = gFrameStack.CreateBuffer(kFrameWidth, kFrameHeight);
    return true;
  }();
  (void)ready;
}

void BM_LoadAllImages(benchmark::State& state) {
  SetUpOnce();
  for (auto _ : state) vLoadBitmaps();
  if (szContentError[0] != '\0') state.SkipWithError(szContentError);
}
BENCHMARK(BM_LoadAllImages)->Unit(benchmark::kMillisecond);

void BM_LoadTitle(benchmark::State& state) {
  SetUpOnce();
  vLoadBitmaps();  // the catalogue
  Sprite title;
  for (auto _ : state) {
    title.Init(0, 0, static_cast<int16_t>(iColorDepth), &gFrameStack, false, true, &gCatalogue);
    title.Load("title");
  }
  if (title.width != kFrameWidth) state.SkipWithError("no title picture");
}
BENCHMARK(BM_LoadTitle)->Unit(benchmark::kMillisecond);
}  // namespace
