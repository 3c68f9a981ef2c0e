#include "play/playing_screen.h"

#include "platform/clock.h"
#include "play/game_state.h"
#include "rules/indicators.h"
#include "rules/time_bar.h"
#include "screens/render.h"

void vDrawGameScreen() {
  uint32_t now = timeGetTime();
  StepIndicators(gs, Board, now);
  DrawGameScreen(gs, Board);
  ExpireIndicators(gs, Board, now);
}

void vDrawTimeBar() {
  StepTimeBar(gs, timeGetTime());
  DrawTimeBar(gs);
}
