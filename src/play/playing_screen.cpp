#include "play/playing_screen.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "gfx/frame_stack.h"
#include "platform/clock.h"
#include "play/game_state.h"
#include "play/notes.h"
#include "play/pointer.h"
#include "rules/indicators.h"
#include "rules/time_bar.h"
#include "screens/render.h"

namespace {
// The rectangle around all the areas.
screen::Rect BoundingRect(const std::vector<screen::Rect>& areas) {
  int left = areas[0].x, top = areas[0].y, right = left + areas[0].w, bottom = top + areas[0].h;
  for (const screen::Rect& a : areas) {
    left = std::min(left, a.x);
    top = std::min(top, a.y);
    right = std::max(right, a.x + a.w);
    bottom = std::max(bottom, a.y + a.h);
  }
  return {left, top, right - left, bottom - top};
}
}  // namespace

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
  const std::string note = ShortNote(now);
  const bool noteChanged = note != note_;
  bool changed = !valid_ || noteChanged || !(pictures_->now == pictures_->last);
  if (changed) {
    std::vector<screen::Rect> areas;
    if (valid_ && !noteChanged) areas = IndicatorAreas(pictures_->last, pictures_->now);
    partial_ = !areas.empty();
    if (partial_) {
      DrawGameScreenIn(gs, Board, areas);
      drawn_ = BoundingRect(areas);
    } else {
      DrawGameScreen(gs, Board);
      DrawShortNote(note);  // off the indicators' areas, so kept by the partial draws
      note_ = note;
    }
    std::swap(pictures_->last, pictures_->now);
    valid_ = true;
  }
  ExpireIndicators(gs, Board, now);
  return changed;
}

void PlayingScreenFrames::Show() const {
  if (partial_) gFrameStack.ShowFrameWithin(drawn_.x, drawn_.y, drawn_.w, drawn_.h);
  else ShowFrame(kActiveSlot);
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
  if (!ShortNote(wake.Start()).empty()) wake.After(dwShortNoteUntil());
}
