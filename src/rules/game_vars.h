#pragma once
// The variables of one game: level, deal, selection, indications, time bar, score and hints.
// Plain data that the rules change; the play layer owns the one instance.
#include <cstdint>

#include "rules/board.h"

constexpr int32_t kFullTimeTicks = 180;
constexpr int32_t kStartTimeTicks = 179;
constexpr int32_t kMaxHints = 3;

struct GameVars {
  // Board and deal.
  int32_t iLevel = 1;
  int32_t iLevelFile = 0;
  int32_t aiSolution[kBoardCells] = {};
  int32_t iSolutionCount = 0;
  // Set when no pattern file can be dealt at all; the game cannot go on.
  uint8_t bNoPlayableLevel = 0;

  // Selection and indications.
  int32_t iSelectedCount = 0;
  int32_t aiSelectedCell[2] = {-1, -1};
  int32_t iBlockedCell = -1;
  uint32_t dwBlockedUntil = 0;
  uint32_t dwBlockedBlinkAt = 0;
  uint8_t bBlockedBlink = 0;

  // Time bar.
  int32_t iTimeTicks = kStartTimeTicks;
  uint32_t dwNextTick = 0;
  int32_t iDifficulty = 0;  // 0 EASY, 1 MEDIUM, 2 HARD
  uint8_t bTimeWarning = 0;
  uint32_t dwTimeWarningAt = 0;

  // Score.
  int32_t iScore = 0;
  int32_t iShownScore = 0;
  uint32_t dwNextScoreStep = 0;
  int32_t iBestScore = 0;

  // Hints.
  int32_t iHintsLeft = kMaxHints;
  uint8_t bHintShown = 0;
  uint32_t dwHintUntil = 0;
  int32_t aiHintCell[2] = {-1, -1};
  int32_t iHintFrame = 0;
  int32_t iHintFrameDir = 0;
  uint32_t dwNextHintFrame = 0;

  // The keyboard's focus ring: its tile, and whether it is shown (once an arrow key was used,
  // until the next mouse press).
  int32_t iFocusCell = -1;
  uint8_t bFocusShown = 0;
};

// Milliseconds between two ticks of the time bar at a difficulty: 500, 350 or 200.
constexpr uint32_t TickInterval(int32_t difficulty) {
  return static_cast<uint32_t>(500 - 150 * difficulty);
}
