#include "player_script.h"

#include <gtest/gtest.h>

#include "platform/clock.h"

Step Step::After(uint32_t ms) const {
  Step s = *this;
  s.afterMs = ms;
  return s;
}

Step Step::Shows(std::string zone, uint32_t ready) const {
  Step s = *this;
  s.screen = std::move(zone);
  s.readyMs = ready;
  return s;
}

namespace {
Step Given(std::function<void(GameHarness&)> input) {
  Step s;
  s.input = std::move(input);
  return s;
}
}  // namespace

Step Key(int key) {
  return Given([key](GameHarness&) { QueueKey(key); });
}
Step KeyRepeat(int key) {
  return Given([key](GameHarness&) { QueueKeyRepeat(key); });
}
Step LeaveWindow(bool covered) {
  return Given([covered](GameHarness&) { QueueWindowLeft(covered); });
}
Step PadButton(int button) {
  return Given([button](GameHarness&) { QueuePadButton(button); });
}
Step Text(const char* utf8) {
  return Given([text = std::string(utf8)](GameHarness&) { QueueText(text.c_str()); });
}
Step Press(int x, int y, uint32_t holdMs) {
  return Given([=](GameHarness& h) { h.Press(x, y, false, holdMs); });
}
Step PressZone(const char* zone, bool right, uint32_t holdMs) {
  return Given([=, name = std::string(zone)](GameHarness& h) {
    EXPECT_TRUE(h.PressZone(name.c_str(), right, holdMs)) << "no zone " << name;
  });
}
Step PressTile(int cell, uint32_t holdMs) {
  return Given([=](GameHarness& h) { h.PressTile(cell, holdMs); });
}
Step Escape() {
  return Given([](GameHarness& h) { h.PressEscape(); });
}
Step LeaveGame() {
  return Given([](GameHarness& h) { h.LeaveGame(); });
}
Step Wait(uint32_t ms) { return Step{}.After(ms); }
Step WaitUntil(std::function<bool()> done) {
  Step s;
  s.until = std::move(done);
  return s;
}
Step Do(std::function<void()> what) {
  return Given([what = std::move(what)](GameHarness&) { what(); });
}

std::vector<uint32_t> PlayScript(GameHarness& h, std::function<void()> screen,
                                 const Script& script, uint32_t limitMs) {
  std::vector<uint32_t> at(script.size(), 0);
  size_t next = 0;
  bool given = false;  // the next step's input was given; its screen is awaited
  uint32_t since = timeGetTime();
  h.Run(std::move(screen),
        [&](uint32_t now) {
          while (next < script.size()) {
            const Step& step = script[next];
            // The screen is watched from the step's start, so one already up counts its time.
            const bool expected = !step.screen.empty();
            const bool shown = !expected || h.ZoneReady(step.screen.c_str(), now, step.readyMs);
            if (!given) {
              if (now - since < step.afterMs) break;
              if (step.input) step.input(h);
              at[next] = since = now;
              given = true;
            }
            if (!shown || (expected && h.Busy()) || (step.until && !step.until())) break;
            since = now;
            given = false;
            ++next;
          }
          return true;
        },
        limitMs);
  if (next < script.size()) {
    ADD_FAILURE() << "step " << next << " never done"
                  << (script[next].screen.empty() ? "" : ": no screen " + script[next].screen);
  }
  EXPECT_FALSE(h.timedOut) << "the screen had to be stopped";
  return at;
}
