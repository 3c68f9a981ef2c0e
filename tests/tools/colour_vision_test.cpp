#include <gtest/gtest.h>

#include <set>
#include <string>

#include "contentgen/art_tiles.h"
#include "contentgen/colour_vision.h"

using namespace contentgen;

namespace {

// A red and a dull green far apart to most eyes that protanopia shows as one colour.
constexpr Rgb kRed{200, 40, 30}, kGreen{64, 88, 32};

// A face plate with a large disc of one colour in its middle.
Image DiscFace(Rgb disc) {
  Image face(kFaceWidth, kFaceHeight, {250, 245, 230});
  for (int y = 0; y < face.height; ++y) {
    for (int x = 0; x < face.width; ++x) {
      if ((x - 31) * (x - 31) + (y - 39) * (y - 39) < 20 * 20) face.at(x, y) = disc;
    }
  }
  return face;
}

}  // namespace

TEST(ColourVision, ProtanopiaShowsARedAndAGreenAlikeAndTritanopiaDoesNot) {
  EXPECT_GT(ColourDifference(kRed, kGreen), 60);
  EXPECT_LT(ColourDifference(SimulateVision(kRed, Vision::Protanopia), SimulateVision(kGreen, Vision::Protanopia)), 3);
  EXPECT_GT(ColourDifference(SimulateVision(kRed, Vision::Tritanopia), SimulateVision(kGreen, Vision::Tritanopia)), 60);
  // Greys stay as they are.
  EXPECT_EQ(SimulateVision({128, 128, 128}, Vision::Deuteranopia), (Rgb{128, 128, 128}));
}

TEST(ColourVision, FacesThatDifferOnlyInARedGreenHueFailNamingThePairAndTheDeficiency) {
  const std::vector<NamedFace> faces = {{"reddisc", DiscFace(kRed)}, {"greendisc", DiscFace(kGreen)}};
  EXPECT_GE(FaceDifference(faces[0].image, faces[1].image, Vision::Tritanopia), kClearFacesMinimum);
  const std::vector<std::string> alike = PairsTooAlike(faces, kClearFacesMinimum);
  ASSERT_FALSE(alike.empty());
  EXPECT_NE(alike.front().find("reddisc and greendisc"), std::string::npos) << alike.front();
  EXPECT_NE(alike.front().find("protanopia"), std::string::npos) << alike.front();
}

TEST(ColourVision, EveryTwoClearFacesStayApartUnderEverySimulation) {
  const std::vector<std::string> alike = PairsTooAlike(TileSetFaces(kClearTiles), kClearFacesMinimum);
  EXPECT_TRUE(alike.empty()) << alike.front();
}

// Each clear face names itself in its corner: a mark no other face has, in dark ink.
TEST(ClearTiles, EveryFaceCarriesADarkCornerMarkOfItsOwn) {
  std::set<std::pair<Suit, std::string>> marks;
  auto darkInCorner = [](const Image& face) {
    int dark = 0;
    for (int y = 2; y < 44; ++y) {
      for (int x = kFaceX; x < kFaceX + 24; ++x) dark += face.at(x, y).r + face.at(x, y).g < 120 ? 1 : 0;
    }
    return dark;
  };
  for (int face = 1; face <= kTileFaces; ++face) {
    const FaceMark mark = MarkOfFace(face);
    EXPECT_TRUE(marks.insert({mark.suit, mark.label}).second) << "face " << face << " shares its mark";
    EXPECT_GE(darkInCorner(MakeClearFace(face)), 60) << "face " << face;
  }
}
