// The whole playing screen, vDrawGameScreen, with the generated art at 32 bits: the largest
// layout dealt (about 144 tiles), one tile selected, a hint and a blocked tile showing. Its cost
// is compared, in the same run, with a plain memcpy of the bytes a frame writes: the opaque
// background, three 72 x 88 layers per tile and the two tinted faces.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "play/board.h"
#include "play/game_state.h"
#include "gfx/frame_stack.h"
#include "gfx/game_resources.h"
#include "content/video_setup.h"
#include "platform/clock.h"
#include "play/playing_screen.h"
#include "screens/render.h"
#include "staged_board.h"

namespace {
namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr size_t kTileLayerBytes = 72 * 88 * 4;
constexpr size_t kBackgroundBytes = size_t(kFrameWidth) * kFrameHeight * 4;

// Copies the generated content next to the benchmark, sets up video and stages the board.
// False when any of it fails.
bool bSetUpOnce() {
  static const bool ok = [] {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    std::error_code error;
    for (const char* sub : {"art", "levels"}) {
      fs::create_directories(fs::path("content") / sub, error);
      fs::copy(fs::path(TAVIMORA_CONTENT_DIR) / sub, fs::path("content") / sub,
               fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
    }
    if (!bInitVideo(nullptr)) return false;
    // The largest layout, with a selected tile, a hint and a blocked tile showing.
    if (!bStageBoard(iLargestLayout())) return false;
    gs.dwBlockedUntil = gs.dwBlockedBlinkAt = timeGetTime() + 1000000000u;
    gFrameStack.Select(gResources.iFrameVB);
    return true;
  }();
  return ok;
}

int iTilesOnBoard() {
  int tiles = 0;
  for (int32_t c : Board) tiles += c > 0;
  return tiles;
}

double SecondsPerRound(Clock::time_point from, int64_t rounds) {
  return std::chrono::duration<double>(Clock::now() - from).count() / double(rounds);
}

void BM_DrawGameScreen(benchmark::State& state) {
  if (!bSetUpOnce()) {
    state.SkipWithError("video or content could not be set up");
    return;
  }
  const int tiles = iTilesOnBoard();
  const size_t bytes = kBackgroundBytes + size_t(tiles) * 3 * kTileLayerBytes + 2 * kTileLayerBytes;

  Clock::time_point start = Clock::now();
  for (auto _ : state) {
    vDrawGameScreen();
    benchmark::ClobberMemory();
  }
  const double drawSeconds = SecondsPerRound(start, state.iterations());

  // The plain copy of the same bytes, as many rounds (at least 20).
  std::vector<uint8_t> from(bytes, 0x5A), to(bytes);
  const int64_t rounds = std::max<int64_t>(state.iterations(), 20);
  start = Clock::now();
  for (int64_t i = 0; i < rounds; ++i) {
    std::memcpy(to.data(), from.data(), bytes);
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
  const double copySeconds = SecondsPerRound(start, rounds);

  state.counters["tiles"] = tiles;
  state.counters["depth"] = gFrameStack.Depth();
  state.counters["copy_us"] = copySeconds * 1e6;
  state.counters["ratio_to_copy"] = drawSeconds / copySeconds;
  state.SetBytesProcessed(state.iterations() * int64_t(bytes));
}
BENCHMARK(BM_DrawGameScreen)->Unit(benchmark::kMicrosecond);
}  // namespace
