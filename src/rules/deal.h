#pragma once
// Dealing: a pattern says where tiles lie; the deal plays the level backwards, taking away random
// pairs of free tiles and giving each pair one random face, so the order in which it took them
// (aiSolution) clears the board.
#include <cstdint>

#include "rules/game_vars.h"

constexpr int kMaxDealAttempts = 64;
constexpr uint32_t kSearchWindowMs = 2000;
constexpr int kFaceCount = 28;

// The deal's own random sequence: a linear congruential generator giving 15-bit values, the
// range of the classic runtime rand, so draws modulo 2240 and modulo the face limit behave alike.
class DealRandom {
 public:
  void Seed(uint32_t seed) { state_ = seed; }
  int Next() {
    state_ = state_ * 1103515245u + 12345u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
  }

 private:
  uint32_t state_ = 1;
};

// What the deal needs from the game around it: the clock for its search window, a way to learn
// that the game is ending, and the trace.
class DealHost {
 public:
  virtual ~DealHost() = default;
  virtual uint32_t Now() = 0;
  virtual bool StopRequested() = 0;
  // Trace lines are formatted only while this is true.
  virtual bool TraceOn() = 0;
  virtual void Trace(const char* line) = 0;
};

// Deals faces onto the pattern in `board` (cells of value 1) for level vars.iLevel: on success
// `dealt`, vars.aiSolution and vars.iSolutionCount hold a deal whose solution clears the board,
// and `board` is left empty. A deal that runs into a dead end starts again from the pattern with
// new random draws; after 64 attempts, or when the host asks to stop, it returns false.
bool DealPattern(int32_t* board, int32_t* dealt, GameVars& vars, DealRandom& random,
                 DealHost& host);
