#pragma once
// Level layouts: text files a person can read and edit, turned into the game's pattern files
// (2240 little-endian 32-bit cells, 1 at each tile origin).
//
// Text format: '#' starts a comment line. "layer N" (N = 0..4, bottom first) starts the grid of
// that layer: up to 16 lines of up to 28 characters, one per board row and column; 'o' marks the
// top-left cell of a tile (which covers 2 x 2 cells), '.' an empty cell. Tiles of one layer must
// not overlap, origins lie in columns 0..26 and rows 0..14, every tile above layer 0 rests on at
// least one tile of the layer below, and the number of tiles is even.
#include <cstdint>
#include <string>
#include <vector>

namespace contentgen {

constexpr int kLayoutColumns = 28;
constexpr int kLayoutRows = 16;
constexpr int kLayoutLayers = 5;
constexpr int kLayoutCells = kLayoutColumns * kLayoutRows * kLayoutLayers;

struct Layout {
  std::vector<int32_t> cells = std::vector<int32_t>(kLayoutCells, 0);  // 1 at tile origins
  int tiles = 0;
  std::string name;  // the source file's name without ".txt"
};

// Parses and checks a layout; on failure returns false with a message naming the line.
bool bParseLayout(const std::string& text, Layout& layout, std::string& error);

// The pattern file's bytes.
std::vector<uint8_t> PatternBytes(const Layout& layout);

// The layout sources of a folder (files ending in ".txt"), sorted by name.
std::vector<std::string> LayoutFiles(const std::string& folder);

}  // namespace contentgen
