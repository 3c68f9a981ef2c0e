#include "rules/pause.h"

#include <initializer_list>

void ResumeAfterPause(GameVars& vars, uint32_t pausedMs) {
  for (uint32_t* deadline : {&vars.dwNextTick, &vars.dwTimeWarningAt, &vars.dwNextScoreStep,
                             &vars.dwHintUntil, &vars.dwNextHintFrame, &vars.dwBlockedUntil,
                             &vars.dwBlockedBlinkAt}) {
    *deadline += pausedMs;
  }
}
