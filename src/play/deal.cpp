// Dealing on the game's own board (play/deal.h): walk the pattern files, skip those that are
// broken or cannot be dealt, deal the first good one and give every tile its mouse zone.
#include <cstdio>
#include <cstring>

#include "audio/sound_effects.h"
#include "diag/debug_log.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "play/deal.h"
#include "play/game_state.h"
#include "rules/deal.h"
#include "rules/selection.h"
#include "screens/mouse_zones.h"
#include "screens/screen_layout.h"
#include "screens/zones.h"

int32_t DealtBoard[kBoardCells];

namespace {

constexpr int kPathSize = 64;
DealRandom gDealRandom;

// The deal runs on the game thread's clock, ends early when the game shuts down, and writes its
// steps to the general trace.
class GameDealHost : public DealHost {
 public:
  uint32_t Now() override { return timeGetTime(); }
  bool StopRequested() override { return gs.bShutdown.load(std::memory_order_relaxed) != 0; }
  bool TraceOn() override { return bDebugTraceOn(); }
  void Trace(const char* line) override { vDebugLog("%s", line); }
};

void vMakeLevelPath(char* path, int file) {
  std::snprintf(path, kPathSize, "content\\levels\\level%d.dat", file);
}

// Picks the next pattern file and moves iLevelFile past it; after the last file the list starts
// again at 0. False once a whole pass from file 0 has ended without a dealt level, or when there
// is no file 0 at all.
bool bNextPatternPath(char* path, bool& passFromZero) {
  vMakeLevelPath(path, gs.iLevelFile);
  if (PlatformFileReadable(path)) {
    if (gs.iLevelFile == 0) {
      if (passFromZero) return false;  // back at file 0 without having dealt anything
      passFromZero = true;
    }
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

// Loads the pattern into the Board; false (with its log line) when it must be skipped. An empty
// pattern ends the list: the next one is file 0 again.
bool bLoadUsablePattern(const char* path) {
  vLoadPattern(path);
  vDebugLog("vLoadNextLevel() Loading %s\n", path);
  vDebugLog("vLoadNextLevel() Pattern loaded\n");
  PatternProblem problem = iCheckPattern(Board);
  if (problem == kPatternEmpty) {
    vDebugLog("vLoadNextLevel() ** NO TILES FOUND IN PATTERN\n");
    gs.iLevelFile = 0;
  } else if (problem != kPatternOk) {
    vDebugLog("vLoadNextLevel() ** INVALID PATTERN %s: %s\n", path, PatternProblemText(problem));
  }
  return problem == kPatternOk;
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
    char name[kZoneNameSize];
    TileZoneName(cell, name);
    vDebugLog("vLoadNextLevel() Create mouse zone #%d [%s]\n", zone++, name);
    int x, y, z;
    vGetCellXYZ(cell, x, y, z);
    AddZone(name, {screen::iTileLeft(x, z), screen::iTileTop(y, z), screen::kTileZoneWidth,
                   screen::kTileZoneHeight});
  }
}

// A new board starts with nothing selected, no click held over from the last one and silence.
void vClearPlayState() {
  ClearPlayState(gs);
  gs.bLeftButtonDown = 0;
  vStopAllEffects();
}

void vPlaceDeal() {
  vLogSolution();
  std::memcpy(Board, DealtBoard, sizeof Board);
  int count = CountTiles(Board);
  vDebugLog("vLoadNextLevel() Creating %d mouse zones\n", count);
  if (count != gs.iSolutionCount) {
    vDebugLog("vLoadNextLevel() TOTAL COUNT && AUTO COUNT NOT EQUAL!!!!!!!!!!!!!!!!!!!!!\n");
  }
  vAddTileZones();
  vDebugLog("vLoadNextLevel() Mouse zones complete\n");
  vDebugLog("vLoadNextLevel() Populated %d tiles\n", CountTiles(Board));
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

void vLoadPattern(const char* path) {
  std::memset(Board, 0, sizeof Board);
  FILE* f = PlatformOpen(path, "rb");
  if (f == nullptr) return;
  unsigned char bytes[kPatternBytes];
  size_t got = std::fread(bytes, 1, kPatternBytes, f);  // a short file leaves the rest empty
  std::fclose(f);
  ParsePattern(bytes, got, Board);
}

bool bDealPattern() {
  GameDealHost host;
  return DealPattern(Board, DealtBoard, gs, gDealRandom, host);
}

void vSeedDealRandom(uint32_t seed) { gDealRandom.Seed(seed); }

int iDealRandom() { return gDealRandom.Next(); }

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
    vDebugLog("vLoadNextLevel() Found %d tiles in level %d\n", CountTiles(Board),
              gs.iLevelFile - 1);
    if (bDealPattern()) break;
    if (gs.bShutdown) break;  // the game is ending; the partial deal does not matter
    vDebugLog("vLoadNextLevel() ** PATTERN %s COULD NOT BE DEALT, SKIPPING\n", path);
  }
  gs.bNoPlayableLevel = 0;
  vPlaceDeal();
}
