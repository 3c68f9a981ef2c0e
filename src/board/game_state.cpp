#include "board/game_state.h"

#include <algorithm>

GameState gs;
int32_t Board[kBoardCells];

void vResetGameState() {
  static_cast<GameVars&>(gs) = GameVars{};
  gs.bQuitGame = 0;
  gs.bShutdown = 0;
  gs.iEscapePressed = 0;
  gs.bLeftButtonDown = 0;
  gs.bRightButtonDown = 0;
  std::fill(std::begin(Board), std::end(Board), 0);
}
