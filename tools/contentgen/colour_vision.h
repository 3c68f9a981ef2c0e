#pragma once
// How the tile faces look to players with a colour-vision deficiency, and whether every two faces
// still look different to them. The deficiencies are simulated with the model of Machado,
// Oliveira and Fernandes (2009) at full severity, applied in linear RGB.
//
// The difference of two faces is the area, in pixels, over which they differ clearly: both faces
// are seen through the same simulation and softened by a 3 x 3 box blur (at the tile's size on
// screen, a hairline is not what a player tells faces apart by), and a pixel counts when the two
// colours lie at least kClearlyDifferent apart in CIELAB (CIE76; about ten times the smallest
// difference one can see). A pair that differs only in a hue the deficiency confuses comes out
// near 0; a mark of another shape counts with all its ink.
#include <string>
#include <vector>

#include "image.h"

namespace contentgen {

enum class Vision { Protanopia, Deuteranopia, Tritanopia };
inline constexpr Vision kVisions[] = {Vision::Protanopia, Vision::Deuteranopia, Vision::Tritanopia};
const char* VisionName(Vision vision);

inline constexpr double kClearlyDifferent = 20.0;

// What the clear tile set must keep between any two of its faces: an area of 8 x 8 pixels, about
// the ink of one figure of its corner marks.
inline constexpr int kClearFacesMinimum = 64;

// One colour as the deficiency shows it.
Rgb SimulateVision(Rgb colour, Vision vision);

// The CIE76 distance of two colours in CIELAB (D65).
double ColourDifference(Rgb a, Rgb b);

// The difference of two faces of the same size under a simulation (see above). Pixels
// transparent in both are left out.
int FaceDifference(const Image& a, const Image& b, Vision vision);

struct NamedFace {
  std::string name;
  Image image;
};

struct FacePair {
  std::string a, b;
  Vision vision;
  int difference;
};

// Every two different faces under every simulation, the closest first.
std::vector<FacePair> PairsClosestFirst(const std::vector<NamedFace>& faces);

// A line for each pair and simulation that differs in fewer than `minimum` pixels, naming both
// faces, the simulation and the difference; empty when every pair stays apart.
std::vector<std::string> PairsTooAlike(const std::vector<NamedFace>& faces, int minimum);

}  // namespace contentgen
