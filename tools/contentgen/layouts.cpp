#include "layouts.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "util/little_endian.h"

namespace contentgen {
namespace {

int Cell(int x, int y, int z) { return x + kLayoutColumns * y + kLayoutColumns * kLayoutRows * z; }

std::string Trimmed(const std::string& s) {
  size_t a = s.find_first_not_of(" \t\r"), b = s.find_last_not_of(" \t\r");
  return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

std::string At(int line) { return "line " + std::to_string(line) + ": "; }

bool bReadLayerHeader(const std::string& line, int& layer) {
  std::istringstream in(line);
  std::string word, rest;
  if (!(in >> word >> layer) || word != "layer") return false;
  return !(in >> rest);
}

// Checks overlaps within each layer and support from the layer below.
bool bCheckPlacement(const Layout& layout, std::string& error) {
  std::vector<int> owner(kLayoutCells, -1);
  for (int z = 0; z < kLayoutLayers; ++z) {
    for (int y = 0; y < kLayoutRows; ++y) {
      for (int x = 0; x < kLayoutColumns; ++x) {
        if (!layout.cells[size_t(Cell(x, y, z))]) continue;
        bool supported = z == 0;
        for (int dy = 0; dy < 2; ++dy) {
          for (int dx = 0; dx < 2; ++dx) {
            int c = Cell(x + dx, y + dy, z);
            if (owner[size_t(c)] >= 0) {
              error = "layer " + std::to_string(z) + ": the tile at column " + std::to_string(x) + ", row " +
                      std::to_string(y) + " overlaps another tile";
              return false;
            }
            owner[size_t(c)] = Cell(x, y, z);
            if (z > 0 && owner[size_t(Cell(x + dx, y + dy, z - 1))] >= 0) supported = true;
          }
        }
        if (!supported) {
          error = "layer " + std::to_string(z) + ": the tile at column " + std::to_string(x) + ", row " +
                  std::to_string(y) + " floats with nothing beneath it";
          return false;
        }
      }
    }
  }
  return true;
}

}  // namespace

bool bParseLayout(const std::string& text, Layout& layout, std::string& error) {
  layout = Layout{};
  std::istringstream in(text);
  std::string raw;
  int lineNo = 0, layer = -1, row = 0;
  std::vector<bool> seen(kLayoutLayers, false);
  while (std::getline(in, raw)) {
    ++lineNo;
    std::string line = Trimmed(raw);
    if (line.empty() || line[0] == '#') continue;
    if (line.rfind("layer", 0) == 0) {
      if (!bReadLayerHeader(line, layer) || layer < 0 || layer >= kLayoutLayers) {
        error = At(lineNo) + "expected \"layer N\" with N from 0 to 4";
        return false;
      }
      if (seen[size_t(layer)]) {
        error = At(lineNo) + "layer " + std::to_string(layer) + " appears twice";
        return false;
      }
      seen[size_t(layer)] = true;
      row = 0;
      continue;
    }
    if (layer < 0) {
      error = At(lineNo) + "grid row before the first \"layer N\" line";
      return false;
    }
    if (row >= kLayoutRows || int(line.size()) > kLayoutColumns) {
      error = At(lineNo) + "the grid is larger than 28 columns by 16 rows";
      return false;
    }
    for (int x = 0; x < int(line.size()); ++x) {
      char ch = line[size_t(x)];
      if (ch == '.') continue;
      if (ch != 'o') {
        error = At(lineNo) + "unexpected character '" + std::string(1, ch) + "' (use 'o' for a tile, '.' for none)";
        return false;
      }
      if (x > kLayoutColumns - 2 || row > kLayoutRows - 2) {
        error = At(lineNo) + "a tile at column " + std::to_string(x) + ", row " + std::to_string(row) +
                " would stick out of the board";
        return false;
      }
      layout.cells[size_t(Cell(x, row, layer))] = 1;
      ++layout.tiles;
    }
    ++row;
  }
  if (layout.tiles == 0) {
    error = "the layout has no tiles";
    return false;
  }
  if (layout.tiles % 2 != 0) {
    error = "the layout has an odd number of tiles (" + std::to_string(layout.tiles) + ")";
    return false;
  }
  return bCheckPlacement(layout, error);
}

std::vector<uint8_t> PatternBytes(const Layout& layout) {
  std::vector<uint8_t> out;
  out.reserve(layout.cells.size() * 4);
  for (int32_t v : layout.cells) AppendLe32(out, uint32_t(v));
  return out;
}

std::vector<std::string> LayoutFiles(const std::string& folder) {
  std::vector<std::string> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
    if (entry.is_regular_file() && entry.path().extension() == ".txt") files.push_back(entry.path().string());
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace contentgen
