#include "play/screen_loop.h"

#include "platform/clock.h"
#include "play/game_state.h"

ScreenLoop::ScreenLoop(uint32_t guardMs) : guard_(timeGetTime() + guardMs), input_(guard_) {}

ScreenLoop& ScreenLoop::Until(uint32_t limit) {
  limit_ = limit;
  limited_ = true;
  return *this;
}

ScreenLoop& ScreenLoop::EndsOnEscape() {
  escapeEnds_ = true;
  return *this;
}

ScreenLoop& ScreenLoop::EndsOnQuit() {
  quitEnds_ = true;
  return *this;
}

void ScreenLoop::Renew(uint32_t ms) { guard_ = timeGetTime() + ms; }

void ScreenLoop::Restart(uint32_t ms) {
  Renew(ms);
  input_.From(guard_);
}

bool ScreenLoop::bGuardPassed() const { return bTimeAfter(timeGetTime(), guard_); }

bool ScreenLoop::bGoesOn() const {
  if (gs.bShutdown != 0 || (quitEnds_ && gs.bQuitGame != 0)) return false;
  if (escapeEnds_ && gs.iEscapePressed == 1) return false;
  return !limited_ || !bTimeReached(timeGetTime(), limit_);
}
