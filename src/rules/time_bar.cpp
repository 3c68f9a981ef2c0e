#include "rules/time_bar.h"

#include "util/time_compare.h"

bool TimeRunsOut(GameVars& vars, uint32_t now) {
  if (!bTimeAfter(now, vars.dwNextTick)) return false;
  vars.iTimeTicks -= 1;
  if (vars.iTimeTicks <= 0) {
    vars.iTimeTicks = 0;
    return true;
  }
  vars.dwNextTick = now + TickInterval(vars.iDifficulty);
  return false;
}

void StepTimeBar(GameVars& vars, uint32_t now) {
  if (vars.iTimeTicks >= kFullTimeTicks) vars.iTimeTicks = kFullTimeTicks - 1;
  if (vars.iTimeTicks >= kTimeWarningTicks) {
    vars.bTimeWarning = 0;
    return;
  }
  if (!bTimeAfter(now, vars.dwTimeWarningAt)) return;
  vars.bTimeWarning = vars.bTimeWarning ? 0 : 1;
  vars.dwTimeWarningAt = now + (vars.bTimeWarning ? kWarningShownMs : kWarningHiddenMs);
}
