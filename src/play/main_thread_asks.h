#pragma once
// What the game thread asks of the main thread, which alone may do it: a main thread's command
// (the sound controls, since it owns the music, and the switch between window and full screen),
// typed text or the pointer's moves on or off, and the end once the game thread has finished.
// One queue of typed requests; the main loop carries them out in order on its next turn, which
// an ask wakes.
#include <vector>

#include "play/controls.h"

struct MainThreadRequest {
  enum class Kind { kCommand, kTextInput, kPointerMotion, kQuit };
  Kind kind = Kind::kCommand;
  Command command = Command::kNone;  // kCommand: one of IsMainThreadCommand's
  bool on = false;                   // kTextInput, kPointerMotion
  bool operator==(const MainThreadRequest&) const = default;
};

MainThreadRequest CommandRequest(Command command);

// The game is to quit (gs.bQuitGame) and the main loop to end once the game thread has left its
// screen. Either thread.
void AskToQuit();
// Game thread (or whatever ends it): one request.
void AskMainThread(const MainThreadRequest& request);
// Main thread: the requests in the order they came, taken.
std::vector<MainThreadRequest> TakeMainThreadRequests();
