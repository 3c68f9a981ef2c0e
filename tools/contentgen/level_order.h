#pragma once
// The order of the levels: the layouts sorted so that the challenge grows from level to level,
// measured from figures a player feels (how many tiles, how high they are stacked, how few of them
// can be taken at the start), and the table of that order kept in data/levels.md.
#include <string>
#include <vector>

#include "layouts.h"

namespace contentgen {

struct LevelFigures {
  int tiles = 0;
  int layers = 0;       // layers holding tiles, 1..5
  int freeAtStart = 0;  // tiles the game counts free before any is taken
  int challenge = 0;
};

// Each tile counts 1, each layer above the first 10, and the share of tiles blocked at the start
// up to 60: the size of the board leads, and stacking and a narrow start set apart boards of a
// similar size.
int Challenge(int tiles, int layers, int freeAtStart);

LevelFigures FiguresOf(const Layout& layout);

// Sorts by challenge, the easiest first; equal challenges by name, so the order is reproducible.
void SortIntoLevelOrder(std::vector<Layout>& layouts);

// The table of the levels in the given order, one row per level with its figures.
std::string LevelOrderTable(const std::vector<Layout>& layouts);

}  // namespace contentgen
