// The move test runs on every pass of the game loop; a deal runs between levels with the screen
// standing still. Both have to stay well out of the way.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "play/deal.h"
#include "play/game_state.h"
#include "play/selection.h"
#include "diag/debug_log.h"
#include "screens/mouse_zones.h"

namespace {

// Three identical layers of four rows of twelve tiles: 144 tiles of which only the eight ends of
// the top rows are free. The move test has to judge every one of them.
void vFillRowBoard(bool latePair) {
  vResetGameState();
  int face = 1;
  for (int z = 0; z < 3; ++z) {
    for (int y = 2; y <= 8; y += 2) {
      for (int x = 2; x <= 24; x += 2) Board[iGetCellIndex(x, y, z)] = face++ % 28 + 1;
    }
  }
  const int ends[8][2] = {{2, 2}, {24, 2}, {2, 4}, {24, 4}, {2, 6}, {24, 6}, {2, 8}, {24, 8}};
  for (int k = 0; k < 8; ++k) Board[iGetCellIndex(ends[k][0], ends[k][1], 2)] = 20 + k;
  if (latePair) Board[iGetCellIndex(2, 8, 2)] = Board[iGetCellIndex(24, 8, 2)];
}

// A 144-tile pyramid reaching the top layer.
void vFillPyramidPattern(int32_t* cells) {
  std::memset(cells, 0, sizeof(int32_t) * kBoardCells);
  const int grid[5][4] = {{0, 11, 0, 5}, {1, 10, 1, 4}, {2, 9, 2, 3}, {3, 8, 2, 3}, {4, 5, 2, 3}};
  for (int z = 0; z < 5; ++z) {
    for (int j = grid[z][2]; j <= grid[z][3]; ++j) {
      for (int i = grid[z][0]; i <= grid[z][1]; ++i) cells[iGetCellIndex(2 * i + 2, 2 * j + 2, z)] = 1;
    }
  }
}

void BM_MoveAvailableNoFreePair(benchmark::State& state) {
  vFillRowBoard(false);
  for (auto _ : state) benchmark::DoNotOptimize(bMoveAvailable());
  if (bMoveAvailable()) state.SkipWithError("the board has a free pair");
}
BENCHMARK(BM_MoveAvailableNoFreePair);

void BM_MoveAvailableLatePair(benchmark::State& state) {
  vFillRowBoard(true);
  for (auto _ : state) benchmark::DoNotOptimize(bMoveAvailable());
  if (!bMoveAvailable()) state.SkipWithError("the board has no free pair");
}
BENCHMARK(BM_MoveAvailableLatePair);

void BM_DealPattern144(benchmark::State& state) {
  vSetDebugTrace(false);
  vResetGameState();
  static int32_t pattern[kBoardCells];
  vFillPyramidPattern(pattern);
  uint32_t seed = 1;
  for (auto _ : state) {
    std::memcpy(Board, pattern, sizeof pattern);
    vSeedDealRandom(seed++);
    if (!bDealPattern()) state.SkipWithError("deal failed");
  }
}
BENCHMARK(BM_DealPattern144)->Unit(benchmark::kMicrosecond);

void BM_LoadNextLevel144(benchmark::State& state) {
  vSetDebugTrace(false);
  std::filesystem::path dir = std::filesystem::temp_directory_path() /
                              ("tavimora-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir / "content" / "levels");
  static int32_t pattern[kBoardCells];
  vFillPyramidPattern(pattern);
  FILE* f = std::fopen((dir / "content" / "levels" / "level0.dat").c_str(), "wb");
  std::fwrite(pattern, sizeof pattern, 1, f);  // the file's byte order is the machine's here
  std::fclose(f);
  std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir);
  vResetGameState();
  for (auto _ : state) {
    gMouseZones.Clear();
    gs.iLevelFile = 0;
    vLoadNextLevel();
  }
  if (gs.bNoPlayableLevel) state.SkipWithError("no level dealt");
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(dir);
}
BENCHMARK(BM_LoadNextLevel144)->Unit(benchmark::kMicrosecond);

}  // namespace
