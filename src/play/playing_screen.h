#pragma once
#include <memory>
#include <string>

#include "screens/screen_layout.h"

class PassWait;

// The playing screen of the game's own state: the indicators that change with time are stepped,
// then the frame is drawn from the state into the active buffer.
void vDrawGameScreen();

// A loop's record of what it last showed of the playing screen, so that it draws and presents a
// frame only when the picture changes. The indicators step on every call all the same.
class PlayingScreenFrames {
 public:
  PlayingScreenFrames();
  ~PlayingScreenFrames();
  // Steps the indicators and draws the playing screen when it would look different from the
  // last frame drawn through this record: only the areas that changed when just the indicators
  // around the board did. True when it drew (the caller adds its overlay, which must draw the
  // same pixels each time, and calls Show).
  bool Draw();
  // Presents the frame, comparing only the areas the last Draw drew again with the frame shown.
  void Show() const;
  // The next Draw draws whatever the state (something else was shown in between).
  void Invalidate() { valid_ = false; }

 private:
  struct Pictures;
  std::unique_ptr<Pictures> pictures_;
  bool valid_ = false;
  bool partial_ = false;  // the last Draw drew only inside `drawn_`
  std::string note_;      // the sound note the last whole frame showed
  screen::Rect drawn_{};
};

// The time bar alone: a full bar shows 179 ticks, the warning blinks below 40.
void vDrawTimeBar();

// Makes the pass wait no later than the next timed step of the playing screen under way (a tick,
// a blink, a hint frame, a score step, the end of a sound note).
void vAddTimedSteps(PassWait& wake);
