#pragma once
// The loop every screen runs, written once: the click guard, the screen's time limit, the end on
// Escape or on shutdown, the pause until the next event or the earliest moment the screen acts
// by itself, and the screen's own input (nothing pressed before its guard acts on it). A screen
// keeps its own decisions: what it draws on a pass, and what a zone or a command does.
#include <cstdint>

#include "play/input.h"
#include "play/pointer.h"

// A screen's click guard: its input waits this long after it starts, and after a press that does
// not end it, so that the press that led to it or a double click does not act on it.
constexpr uint32_t kClickGuardMs = 250;

// What a pass decided: go on, or end the screen.
enum class PassResult { kGoOn, kEnd };

class ScreenLoop {
 public:
  // The click guard ends `guardMs` after now; the screen's input begins then.
  explicit ScreenLoop(uint32_t guardMs);
  // The screen ends by itself once the clock reaches `limit`.
  ScreenLoop& Until(uint32_t limit);
  // The screen ends as soon as Escape was pressed (gs.iEscapePressed).
  ScreenLoop& EndsOnEscape();
  // The screen ends once the game is to quit (gs.bQuitGame), not only at shutdown.
  ScreenLoop& EndsOnQuit();

  // Runs passes until `act` ends the screen (true) or it ends by itself (false). Each pass
  // checks the ends, then `draw(wake)` draws what changed and names the moments the pass must
  // wake for; then it waits, and `act()` looks at the input and decides.
  template <typename Draw, typename Act>
  bool Run(Draw&& draw, Act&& act) {
    while (bGoesOn()) {
      PassWait wake;
      draw(wake);
      wake.After(guard_);
      if (limited_) wake.At(limit_);
      wake.Wait();
      if (act() == PassResult::kEnd) return true;
    }
    return false;
  }

  // The pass's look at the mouse: the zone hit by the next press after the guard (bPollZone).
  bool bZone(char name[kZoneNameSize], TapChooser chooseTapped = nullptr) {
    return bPollZone(name, guard_, chooseTapped);
  }
  // The next press after the guard, or a button held past it, wherever it is.
  bool bPress(PointerPress& press) { return bTakePress(guard_, press); }
  // After a hit that does not end the screen: the guard runs `ms` from now.
  void Renew(uint32_t ms);
  // A new guard that the screen's input also waits for (the title's after the quit box's NO).
  void Restart(uint32_t ms);
  bool bGuardPassed() const;

 private:
  bool bGoesOn() const;
  uint32_t guard_;
  uint32_t limit_ = 0;
  bool limited_ = false;
  bool escapeEnds_ = false;
  bool quitEnds_ = false;
  ScreenInput input_;
};
