#pragma once
// The game's running state, one set of process-wide variables: the rules' variables, which
// belong to the game thread, and the five flags shared with the main thread, which are atomics.
#include <atomic>
#include <cstdint>
#include <string>

#include "play/board.h"
#include "rules/game_vars.h"

struct GameState : GameVars {
  // Shared with the main thread.
  std::atomic<uint8_t> bQuitGame{0};
  std::atomic<uint8_t> bShutdown{0};
  std::atomic<int32_t> iEscapePressed{0};
  std::atomic<uint8_t> bLeftButtonDown{0};
  std::atomic<uint8_t> bRightButtonDown{0};
};

extern GameState gs;

// A reason the game cannot go on (for example no level can be dealt). Sets bQuitGame; the main
// thread shows the text and ends the process with a failure code. Callable from either thread.
void vSetFatalError(const char* text);
// The text given to vSetFatalError, or an empty string.
std::string FatalErrorText();

// Puts every variable back to its value at process start (tests start from here).
void vResetGameState();

// Milliseconds between two ticks of the time bar at the current difficulty: 500, 350 or 200.
inline uint32_t dwTickInterval() { return TickInterval(gs.iDifficulty); }
