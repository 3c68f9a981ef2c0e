#pragma once
// The game's own board and pattern files for the play layer's tests.
#include <string>
#include <vector>

#include "play/board.h"
#include "rules/test_layouts.h"
#include "support/temp_dir.h"

inline void Place(const std::vector<Tile>& tiles, int32_t face = 1) {
  for (const Tile& t : tiles) Board[Cell(t)] = face;
}

inline void WriteLevel(int number, const std::vector<Tile>& tiles, size_t size = 4 * kBoardCells) {
  std::string bytes(4 * kBoardCells, '\0');
  for (const Tile& t : tiles) bytes[4 * Cell(t)] = 1;
  WriteWholeFile("content/levels/level" + std::to_string(number) + ".dat", bytes.substr(0, size));
}
