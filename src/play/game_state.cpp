#include "play/game_state.h"

#include "play/main_thread_asks.h"

#include <algorithm>
#include <cstdio>
#include <mutex>

GameState gs;

void vResetGameState() {
  static_cast<GameVars&>(gs) = GameVars{};
  gs.bQuitGame = 0;
  gs.bShutdown = 0;
  gs.iEscapePressed = 0;
  gs.bLeftButtonDown = 0;
  gs.bRightButtonDown = 0;
  std::fill(std::begin(Board), std::end(Board), 0);
}

namespace {
std::mutex gFatalLock;
char gFatalText[512] = "";
}  // namespace

void vSetFatalError(const char* text) {
  {
    std::lock_guard<std::mutex> lock(gFatalLock);
    std::snprintf(gFatalText, sizeof gFatalText, "%s", text);
  }
  AskToQuit();
}

std::string FatalErrorText() {
  std::lock_guard<std::mutex> lock(gFatalLock);
  return gFatalText;
}
