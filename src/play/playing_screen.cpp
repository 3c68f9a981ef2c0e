#include "play/playing_screen.h"

#include <utility>

#include "platform/clock.h"
#include "play/game_state.h"
#include "play/pointer.h"
#include "rules/indicators.h"
#include "rules/time_bar.h"
#include "screens/render.h"

// The last picture drawn and the one taken now (about 9 KB each, so kept off the stack).
struct PlayingScreenFrames::Pictures {
  GameScreenPicture last;
  GameScreenPicture now;
};

PlayingScreenFrames::PlayingScreenFrames() : pictures_(std::make_unique<Pictures>()) {}

PlayingScreenFrames::~PlayingScreenFrames() = default;

bool PlayingScreenFrames::Draw() {
  uint32_t now = timeGetTime();
  StepIndicators(gs, Board, now);
  TakePicture(gs, Board, pictures_->now);
  bool changed = !valid_ || !(pictures_->now == pictures_->last);
  if (changed) {
    DrawGameScreen(gs, Board);
    std::swap(pictures_->last, pictures_->now);
    valid_ = true;
  }
  ExpireIndicators(gs, Board, now);
  return changed;
}

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

void vAddTimedSteps(PassWait& wake) {
  if (auto deadline = NextTimedStep(gs, Board, wake.Start())) wake.After(*deadline);
}
