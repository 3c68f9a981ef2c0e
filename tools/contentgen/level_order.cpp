#include "level_order.h"

#include <algorithm>
#include <numeric>

#include "layout_figures.h"

namespace contentgen {
namespace {

int LayersUsed(const Layout& layout) {
  const int layerCells = kLayoutColumns * kLayoutRows;
  for (int z = kLayoutLayers - 1; z >= 0; --z) {
    auto first = layout.cells.begin() + z * layerCells;
    if (std::any_of(first, first + layerCells, [](int32_t v) { return v != 0; })) return z + 1;
  }
  return 0;
}

}  // namespace

int Challenge(int tiles, int layers, int freeAtStart) {
  if (tiles <= 0) return 0;
  return tiles + 10 * (layers - 1) + 60 * (tiles - freeAtStart) / tiles;
}

LevelFigures FiguresOf(const Layout& layout) {
  LevelFigures f;
  f.tiles = layout.tiles;
  f.layers = LayersUsed(layout);
  f.freeAtStart = CountFreeTiles(layout);
  f.challenge = Challenge(f.tiles, f.layers, f.freeAtStart);
  return f;
}

void SortIntoLevelOrder(std::vector<Layout>& layouts) {
  std::vector<int> challenge(layouts.size());
  std::vector<size_t> order(layouts.size());
  for (size_t i = 0; i < layouts.size(); ++i) challenge[i] = FiguresOf(layouts[i]).challenge;
  std::iota(order.begin(), order.end(), size_t(0));
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    if (challenge[a] != challenge[b]) return challenge[a] < challenge[b];
    return layouts[a].name < layouts[b].name;
  });
  std::vector<Layout> sorted;
  sorted.reserve(layouts.size());
  for (size_t i : order) sorted.push_back(std::move(layouts[i]));
  layouts = std::move(sorted);
}

std::string LevelOrderTable(const std::vector<Layout>& layouts) {
  std::string table =
      "# Level order\n\n"
      "Written by the content generator from the layouts in data/layouts; do not edit it by hand.\n"
      "After changing a layout, refresh it with\n"
      "`tavimora_contentgen --layouts data/layouts --write-order data/levels.md`.\n\n"
      "challenge = tiles + 10 x (layers - 1) + 60 x (tiles - free at start) / tiles\n\n"
      "| level | file | layout | tiles | layers | free at start | challenge |\n"
      "|------:|------|--------|------:|-------:|--------------:|----------:|\n";
  for (size_t i = 0; i < layouts.size(); ++i) {
    LevelFigures f = FiguresOf(layouts[i]);
    table += "| " + std::to_string(i + 1) + " | level" + std::to_string(i) + ".dat | " + layouts[i].name + " | " +
             std::to_string(f.tiles) + " | " + std::to_string(f.layers) + " | " + std::to_string(f.freeAtStart) +
             " | " + std::to_string(f.challenge) + " |\n";
  }
  return table;
}

}  // namespace contentgen
