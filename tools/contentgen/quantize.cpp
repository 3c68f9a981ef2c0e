#include "quantize.h"

#include <algorithm>
#include <array>
#include <map>

namespace contentgen {
namespace {

struct Entry {
  Rgb colour;
  uint32_t count;
};

uint32_t Key(Rgb c) { return uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b; }

int Channel(Rgb c, int axis) { return axis == 0 ? c.r : axis == 1 ? c.g : c.b; }

struct Box {
  std::vector<Entry> entries;
  int longestAxis = 0;
  int range = 0;

  void Measure() {
    range = -1;
    for (int axis = 0; axis < 3; ++axis) {
      int lo = 255, hi = 0;
      for (const Entry& e : entries) {
        lo = std::min(lo, Channel(e.colour, axis));
        hi = std::max(hi, Channel(e.colour, axis));
      }
      if (hi - lo > range) range = hi - lo, longestAxis = axis;
    }
  }

  Rgb Average() const {
    double r = 0, g = 0, b = 0, n = 0;
    for (const Entry& e : entries) r += e.colour.r * double(e.count), g += e.colour.g * double(e.count),
                                   b += e.colour.b * double(e.count), n += e.count;
    return KeepVisible({uint8_t(r / n + 0.5), uint8_t(g / n + 0.5), uint8_t(b / n + 0.5)});
  }
};

// Splits the box at the weighted median of its longest axis.
std::array<Box, 2> Split(Box box) {
  int axis = box.longestAxis;
  std::stable_sort(box.entries.begin(), box.entries.end(), [axis](const Entry& a, const Entry& b) {
    return Channel(a.colour, axis) < Channel(b.colour, axis);
  });
  uint64_t total = 0, running = 0;
  for (const Entry& e : box.entries) total += e.count;
  size_t cut = 1;
  for (size_t i = 0; i + 1 < box.entries.size(); ++i) {
    running += box.entries[i].count;
    cut = i + 1;
    if (running * 2 >= total) break;
  }
  std::array<Box, 2> halves;
  halves[0].entries.assign(box.entries.begin(), box.entries.begin() + long(cut));
  halves[1].entries.assign(box.entries.begin() + long(cut), box.entries.end());
  halves[0].Measure();
  halves[1].Measure();
  return halves;
}

std::vector<Rgb> MedianCut(std::vector<Entry> colours, int maxBoxes) {
  std::vector<Box> boxes(1);
  boxes[0].entries = std::move(colours);
  boxes[0].Measure();
  while (int(boxes.size()) < maxBoxes) {
    auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
      return a.range < b.range;
    });
    if (widest->range <= 0 || widest->entries.size() < 2) break;
    std::array<Box, 2> halves = Split(std::move(*widest));
    *widest = std::move(halves[0]);
    boxes.push_back(std::move(halves[1]));
  }
  std::vector<Rgb> palette;
  for (const Box& b : boxes) palette.push_back(b.Average());
  return palette;
}

uint8_t Nearest(const std::vector<Rgb>& palette, size_t first, Rgb c) {
  size_t best = first;
  int bestDistance = 1 << 30;
  for (size_t i = first; i < palette.size(); ++i) {
    int dr = palette[i].r - c.r, dg = palette[i].g - c.g, db = palette[i].b - c.b;
    int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
    if (d < bestDistance) bestDistance = d, best = i;
  }
  return uint8_t(best);
}

}  // namespace

PalettedImage Quantize(const Image& image, int maxColours) {
  std::map<uint32_t, Entry> counted;
  for (const Rgb& c : image.pixels) {
    if (c == kTransparent) continue;
    auto [it, fresh] = counted.try_emplace(Key(c), Entry{c, 0});
    ++it->second.count;
  }
  std::vector<Entry> colours;
  for (auto& [key, entry] : counted) colours.push_back(entry);

  PalettedImage out;
  out.width = image.width;
  out.height = image.height;
  out.palette.push_back(kTransparent);
  int room = maxColours - 1;
  if (int(colours.size()) <= room) {
    for (const Entry& e : colours) out.palette.push_back(e.colour);
  } else if (!colours.empty()) {
    std::vector<Rgb> cut = MedianCut(std::move(colours), room);
    out.palette.insert(out.palette.end(), cut.begin(), cut.end());
  }
  std::map<uint32_t, uint8_t> lookup;
  out.indices.reserve(image.pixels.size());
  for (const Rgb& c : image.pixels) {
    if (c == kTransparent) {
      out.indices.push_back(0);
      continue;
    }
    auto it = lookup.find(Key(c));
    if (it == lookup.end()) it = lookup.emplace(Key(c), Nearest(out.palette, 1, c)).first;
    out.indices.push_back(it->second);
  }
  return out;
}

}  // namespace contentgen
