#include "colour_vision.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace contentgen {
namespace {

using Matrix = std::array<std::array<double, 3>, 3>;
struct Linear {
  double r, g, b;
};
struct Lab {
  double l, a, b;
};

// Machado, Oliveira and Fernandes (2009), severity 1.0, on linear RGB.
const Matrix& SimulationMatrix(Vision vision) {
  static const Matrix kProtanopia = {{{0.152286, 1.052583, -0.204868},
                                      {0.114503, 0.786281, 0.099216},
                                      {-0.003882, -0.048116, 1.051998}}};
  static const Matrix kDeuteranopia = {{{0.367322, 0.860646, -0.227968},
                                        {0.280085, 0.672501, 0.047413},
                                        {-0.011820, 0.042940, 0.968881}}};
  static const Matrix kTritanopia = {{{1.255528, -0.076749, -0.178779},
                                      {-0.078411, 0.930809, 0.147602},
                                      {0.004733, 0.691367, 0.303900}}};
  switch (vision) {
    case Vision::Protanopia: return kProtanopia;
    case Vision::Deuteranopia: return kDeuteranopia;
    case Vision::Tritanopia: break;
  }
  return kTritanopia;
}

double ToLinear(uint8_t v) {
  static const std::array<double, 256> table = [] {
    std::array<double, 256> t{};
    for (int i = 0; i < 256; ++i) {
      const double c = i / 255.0;
      t[size_t(i)] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    }
    return t;
  }();
  return table[v];
}

uint8_t FromLinear(double v) {
  v = std::clamp(v, 0.0, 1.0);
  const double c = v <= 0.0031308 ? v * 12.92 : 1.055 * std::pow(v, 1 / 2.4) - 0.055;
  return uint8_t(std::lround(c * 255));
}

Linear Simulated(Rgb c, Vision vision) {
  const Matrix& m = SimulationMatrix(vision);
  const double r = ToLinear(c.r), g = ToLinear(c.g), b = ToLinear(c.b);
  auto row = [&](int i) { return std::clamp(m[i][0] * r + m[i][1] * g + m[i][2] * b, 0.0, 1.0); };
  return {row(0), row(1), row(2)};
}

Lab ToLab(Linear c) {
  auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : t * 24389 / 27 / 116 + 16.0 / 116; };
  const double x = (0.4124564 * c.r + 0.3575761 * c.g + 0.1804375 * c.b) / 0.95047;
  const double y = 0.2126729 * c.r + 0.7151522 * c.g + 0.0721750 * c.b;
  const double z = (0.0193339 * c.r + 0.1191920 * c.g + 0.9503041 * c.b) / 1.08883;
  return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

double Distance(const Lab& p, const Lab& q) { return std::hypot(p.l - q.l, p.a - q.a, p.b - q.b); }

// A face as a simulation shows it: each face pixel blurred over its 3 x 3 neighbours in the face,
// in linear light, then in CIELAB. Pixels outside the face are marked by `inside`.
struct SeenFace {
  std::vector<Lab> pixels;
  std::vector<bool> inside;
};

SeenFace Seen(const Image& image, Vision vision) {
  const int w = image.width, h = image.height;
  std::vector<Linear> linear(image.pixels.size());
  SeenFace seen{std::vector<Lab>(image.pixels.size()), std::vector<bool>(image.pixels.size())};
  for (size_t i = 0; i < linear.size(); ++i) {
    linear[i] = Simulated(image.pixels[i], vision);
    seen.inside[i] = image.pixels[i] != kTransparent;
  }
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      Linear sum{0, 0, 0};
      int count = 0;
      for (int ny = std::max(0, y - 1); ny <= std::min(h - 1, y + 1); ++ny) {
        for (int nx = std::max(0, x - 1); nx <= std::min(w - 1, x + 1); ++nx) {
          const size_t n = size_t(ny) * w + nx;
          if (!seen.inside[n]) continue;
          sum = {sum.r + linear[n].r, sum.g + linear[n].g, sum.b + linear[n].b};
          ++count;
        }
      }
      if (count > 0) seen.pixels[size_t(y) * w + x] = ToLab({sum.r / count, sum.g / count, sum.b / count});
    }
  }
  return seen;
}

int DifferingPixels(const SeenFace& a, const SeenFace& b) {
  int count = 0;
  for (size_t i = 0; i < a.pixels.size() && i < b.pixels.size(); ++i) {
    if ((a.inside[i] || b.inside[i]) && Distance(a.pixels[i], b.pixels[i]) >= kClearlyDifferent) ++count;
  }
  return count;
}

}  // namespace

const char* VisionName(Vision vision) {
  switch (vision) {
    case Vision::Protanopia: return "protanopia";
    case Vision::Deuteranopia: return "deuteranopia";
    case Vision::Tritanopia: break;
  }
  return "tritanopia";
}

Rgb SimulateVision(Rgb colour, Vision vision) {
  const Linear c = Simulated(colour, vision);
  return {FromLinear(c.r), FromLinear(c.g), FromLinear(c.b)};
}

double ColourDifference(Rgb a, Rgb b) {
  return Distance(ToLab({ToLinear(a.r), ToLinear(a.g), ToLinear(a.b)}),
                  ToLab({ToLinear(b.r), ToLinear(b.g), ToLinear(b.b)}));
}

int FaceDifference(const Image& a, const Image& b, Vision vision) {
  return DifferingPixels(Seen(a, vision), Seen(b, vision));
}

std::vector<FacePair> PairsClosestFirst(const std::vector<NamedFace>& faces) {
  std::vector<FacePair> pairs;
  for (Vision vision : kVisions) {
    std::vector<SeenFace> seen;
    seen.reserve(faces.size());
    for (const NamedFace& face : faces) seen.push_back(Seen(face.image, vision));
    for (size_t i = 0; i < faces.size(); ++i) {
      for (size_t j = i + 1; j < faces.size(); ++j) {
        pairs.push_back({faces[i].name, faces[j].name, vision, DifferingPixels(seen[i], seen[j])});
      }
    }
  }
  std::stable_sort(pairs.begin(), pairs.end(),
                   [](const FacePair& p, const FacePair& q) { return p.difference < q.difference; });
  return pairs;
}

std::vector<std::string> PairsTooAlike(const std::vector<NamedFace>& faces, int minimum) {
  std::vector<std::string> lines;
  for (const FacePair& pair : PairsClosestFirst(faces)) {
    if (pair.difference >= minimum) break;
    char line[200];
    std::snprintf(line, sizeof line, "%s and %s differ clearly in only %d pixels under %s, fewer than the %d they need",
                  pair.a.c_str(), pair.b.c_str(), pair.difference, VisionName(pair.vision), minimum);
    lines.push_back(line);
  }
  return lines;
}

}  // namespace contentgen
