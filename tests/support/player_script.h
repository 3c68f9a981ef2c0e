#pragma once
// What a player does, as a script run on the virtual clock: each step waits its time after the
// step before, gives one input, and then, when it names a screen, waits until that screen is up
// (its zone present for longer than a click guard, no press held). A test of a screen then reads
// as the player's moves and the screens they lead to.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "game_harness.h"

struct Step {
  std::function<void(GameHarness&)> input;  // empty: only a wait
  uint32_t afterMs = 0;                     // after the step before ended
  std::string screen;                       // the zone of the screen expected after the input
  uint32_t readyMs = 300;
  std::function<bool()> until;  // or what else must hold before the step ends

  Step After(uint32_t ms) const;
  Step Shows(std::string zone, uint32_t ready = 300) const;
};
using Script = std::vector<Step>;

Step Key(int key);
// The key's auto-repeat while it is held.
Step KeyRepeat(int key);
// The window left: another window chosen, or this one minimised.
Step LeaveWindow(bool covered = false);
Step PadButton(int button);
Step Text(const char* utf8);
Step Press(int x, int y, uint32_t holdMs = 30);
Step PressZone(const char* zone, bool right = false, uint32_t holdMs = 30);
Step PressTile(int cell, uint32_t holdMs = 30);
// Escape as the window procedure sets it; LeaveGame answers YES in the box that asks.
Step Escape();
Step LeaveGame();
Step Wait(uint32_t ms);
// Waits until `done` holds: for what is no screen of its own, such as a message's end.
Step WaitUntil(std::function<bool()> done);
// Anything else at that moment: a look at the game, or a change a player cannot make.
Step Do(std::function<void()> what);

// Runs `screen` on the game thread with the script as the player and returns the moment each
// step's input was given (0 for a step never reached). A step never reached or a screen that had
// to be stopped fails the test.
std::vector<uint32_t> PlayScript(GameHarness& h, std::function<void()> screen,
                                 const Script& script, uint32_t limitMs = 60000);
