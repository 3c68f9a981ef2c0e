#include "board/time_bar.h"

#include "board/game_state.h"
#include "gfx/game_resources.h"
#include "platform/clock.h"

namespace {
constexpr int kBarColumns = 4;
constexpr int kBarCells = 180;

void vDrawTickCell(int cell, const Sprite& tick) {
  tick.Draw(kTickCellPixels * (cell % kBarColumns), kTickCellPixels * (cell / kBarColumns));
}

const Sprite& FullTick(int k) {
  if (k < 40) return gResources.ticks[kRedTick];
  if (k >= 80) return gResources.ticks[kGreenTick];
  return gResources.ticks[kYellowTick];
}

void vStepTimeWarning() {
  uint32_t now = timeGetTime();
  if (gs.iTimeTicks >= kTimeWarningTicks) {
    gs.bTimeWarning = 0;
    return;
  }
  if (!bTimeAfter(now, gs.dwTimeWarningAt)) return;
  if (gs.bTimeWarning) {
    gs.bTimeWarning = 0;
    gs.dwTimeWarningAt = now + 150;
  } else {
    gs.bTimeWarning = 1;
    gs.dwTimeWarningAt = now + 250;
  }
}
}  // namespace

void vDrawTimeBar() {
  if (gs.iTimeTicks >= kFullTimeTicks) gs.iTimeTicks = kFullTimeTicks - 1;
  int ticks = gs.iTimeTicks < 0 ? 0 : gs.iTimeTicks;
  for (int k = 0; k < ticks; ++k) vDrawTickCell(kBarCells - 1 - k, FullTick(k));
  for (int m = 0; m < kBarCells - ticks; ++m) vDrawTickCell(m, gResources.ticks[kEmptyTick]);
  vStepTimeWarning();
  if (gs.bTimeWarning) gResources.timeRunningOut.Draw(10, 12);
}

bool bTimeRunsOut() {
  uint32_t now = timeGetTime();
  if (!bTimeAfter(now, gs.dwNextTick)) return false;
  gs.iTimeTicks -= 1;
  if (gs.iTimeTicks <= 0) {
    gs.iTimeTicks = 0;
    return true;
  }
  gs.dwNextTick = now + dwTickInterval();
  return false;
}
