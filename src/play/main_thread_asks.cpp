#include "play/main_thread_asks.h"

#include <mutex>

#include "platform/window.h"
#include "play/game_state.h"

namespace {
std::mutex gLock;
std::vector<MainThreadRequest> gRequests;
constexpr size_t kMostRequests = 64;  // a screen never asks faster than the main loop turns
}  // namespace

MainThreadRequest CommandRequest(Command command) {
  return MainThreadRequest{MainThreadRequest::Kind::kCommand, command, false};
}

void AskToQuit() {
  gs.bQuitGame = 1;
  AskMainThread({MainThreadRequest::Kind::kQuit, Command::kNone, false});
}

void AskMainThread(const MainThreadRequest& request) {
  {
    std::lock_guard<std::mutex> hold(gLock);
    // The end is never dropped: it is the last thing the game thread asks.
    if (gRequests.size() < kMostRequests || request.kind == MainThreadRequest::Kind::kQuit) {
      gRequests.push_back(request);
    }
  }
  PlatformWakeMainThread();
}

std::vector<MainThreadRequest> TakeMainThreadRequests() {
  std::lock_guard<std::mutex> hold(gLock);
  std::vector<MainThreadRequest> requests;
  requests.swap(gRequests);
  return requests;
}
