// Loading the next level: walk the pattern files, skip those that are broken or cannot be dealt,
// deal the first good one and give every tile its mouse zone.
#include <cstdio>
#include <cstring>

#include "audio/sound_effects.h"
#include "board/deal.h"
#include "board/game_state.h"
#include "diag/debug_log.h"
#include "platform/files.h"
#include "screens/mouse_zones.h"

namespace {

constexpr int kPathSize = 64;

void vMakeLevelPath(char* path, int file) {
  std::snprintf(path, kPathSize, "content\\levels\\level%d.dat", file);
}

// Picks the next pattern file and moves iLevelFile past it; after the last file the list starts
// again at 0. False once a whole pass from file 0 has ended without a dealt level, or when there
// is no file 0 at all.
bool bNextPatternPath(char* path, bool& passFromZero) {
  vMakeLevelPath(path, gs.iLevelFile);
  if (PlatformFileReadable(path)) {
    if (gs.iLevelFile == 0) passFromZero = true;
    ++gs.iLevelFile;
    return true;
  }
  if (passFromZero) return false;
  gs.iLevelFile = 0;
  vMakeLevelPath(path, 0);
  vDebugLog("vLoadNextLevel() No more levels, circle back to 0\n");
  gs.iLevelFile = 1;
  passFromZero = true;
  return PlatformFileReadable(path);
}

// Loads the pattern into the Board; false (with its log line) when it must be skipped.
bool bLoadUsablePattern(const char* path) {
  vLoadPattern(path);
  vDebugLog("vLoadNextLevel() Loading %s\n", path);
  vDebugLog("vLoadNextLevel() Pattern loaded\n");
  PatternProblem problem = iCheckPattern(Board);
  if (problem == kPatternEmpty) {
    vDebugLog("vLoadNextLevel() ** NO TILES FOUND IN PATTERN\n");
  } else if (problem != kPatternOk) {
    vDebugLog("vLoadNextLevel() ** INVALID PATTERN %s: %s\n", path, PatternProblemText(problem));
  }
  return problem == kPatternOk;
}

int iCountBoardTiles() {
  int count = 0;
  for (int32_t v : Board) count += v != 0 ? 1 : 0;
  return count;
}

void vLogSolution() {
  vDebugLog("vLoadNextLevel() Fill complete\n");
  vDebugLog("vLoadNextLevel() Auto Count = %d\n", gs.iSolutionCount);
  for (int k = 0; k < gs.iSolutionCount; ++k) {
    vDebugLog("vLoadNextLevel() Solution #%d = %d\n", k, gs.aiSolution[k]);
  }
}

// One zone per tile, in cell order, so that tiles of higher layers lie above those below.
void vAddTileZones() {
  int zone = 0;
  for (CellIndex cell = 0; cell < kBoardCells; ++cell) {
    if (Board[cell] == 0) continue;
    char name[16];
    std::snprintf(name, sizeof name, "%d", cell);
    vDebugLog("vLoadNextLevel() Create mouse zone #%d [%s]\n", zone++, name);
    int x, y, z;
    vGetCellXYZ(cell, x, y, z);
    gMouseZones.Add(name, static_cast<int16_t>(80 + 32 * x + 9 * z),
                    static_cast<int16_t>(112 + 40 * y - 10 * z), 72, 88, kZoneLeft);
  }
}

void vClearPlayState() {
  gs.iSelectedCount = 0;
  gs.aiSelectedCell[0] = -1;
  gs.aiSelectedCell[1] = -1;
  gs.bHintShown = 0;
  gs.iBlockedCell = -1;
  gs.bLeftButtonDown = 0;
  vStopAllEffects();
}

void vPlaceDeal() {
  vLogSolution();
  std::memcpy(Board, DealtBoard, sizeof Board);
  int count = iCountBoardTiles();
  vDebugLog("vLoadNextLevel() Creating %d mouse zones\n", count);
  if (count != gs.iSolutionCount) {
    vDebugLog("vLoadNextLevel() TOTAL COUNT && AUTO COUNT NOT EQUAL!!!!!!!!!!!!!!!!!!!!!\n");
  }
  vAddTileZones();
  vDebugLog("vLoadNextLevel() Mouse zones complete\n");
  vDebugLog("vLoadNextLevel() Populated %d tiles\n", iCountBoardTiles());
  vClearPlayState();
}

void vGiveUpNoPlayableLevel() {
  vDebugLog("vLoadNextLevel() ** NO PLAYABLE PATTERN IN THE WHOLE LIST, GIVING UP\n");
  std::memset(Board, 0, sizeof Board);
  std::memset(DealtBoard, 0, sizeof DealtBoard);
  gs.iSolutionCount = 0;
  gs.bNoPlayableLevel = 1;
  vClearPlayState();
}

}  // namespace

void vLoadNextLevel() {
  bool passFromZero = false;
  char path[kPathSize];
  for (;;) {
    std::memset(DealtBoard, 0, sizeof DealtBoard);
    if (!bNextPatternPath(path, passFromZero)) {
      vGiveUpNoPlayableLevel();
      return;
    }
    if (!bLoadUsablePattern(path)) continue;
    vDebugLog("vLoadNextLevel() Found %d tiles in level %d\n", iCountBoardTiles(),
              gs.iLevelFile - 1);
    if (bDealPattern()) break;
    if (gs.bShutdown) break;  // the game is ending; the partial deal does not matter
    vDebugLog("vLoadNextLevel() ** PATTERN %s COULD NOT BE DEALT, SKIPPING\n", path);
  }
  gs.bNoPlayableLevel = 0;
  vPlaceDeal();
}
