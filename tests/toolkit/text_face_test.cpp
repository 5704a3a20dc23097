// The game's text face: IPAPGothic at 32 pixels when installed, otherwise another
// installed face at the same size, announced once.
#include "toolkit/text_face.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "toolkit/font_lookup.hpp"

namespace ursa::tk {
namespace {

TEST(TextFaceTest, GameFaceIsFoundWithoutWarning) {
  std::ostringstream warnings;
  const TextFace face = TextFace::Open(kGameFontFamily, kGameFontPixels, warnings);
  EXPECT_EQ(face.Family(), "IPAPGothic");
  EXPECT_EQ(warnings.str(), "");
  // A 32-pixel em: the line is about one em high (the face's ascent plus descent).
  EXPECT_GE(face.LineHeight(), 30);
  EXPECT_LE(face.LineHeight(), 40);
}

TEST(TextFaceTest, MissingFaceFallsBackToAnotherAtTheSameSizeAndSaysSo) {
  std::ostringstream warnings;
  const TextFace face = TextFace::Open("Ursa No Such Face", kGameFontPixels, warnings);
  EXPECT_NE(face.Family(), "Ursa No Such Face");
  const std::string said = warnings.str();
  EXPECT_NE(said.find("Ursa No Such Face is not installed"), std::string::npos);
  EXPECT_NE(said.find(face.Family()), std::string::npos);
  EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1);
  EXPECT_GE(face.LineHeight(), 28);
  EXPECT_LE(face.LineHeight(), 48);
  EXPECT_TRUE(face.Render("MISS : 0", 0xFFFFFF) != nullptr);
}

TEST(FontLookupTest, ExactOnlyForTheFamilyAskedFor) {
  const auto game = FindFontFile("IPAPGothic");
  ASSERT_TRUE(game.has_value());
  EXPECT_TRUE(game->exact);
  EXPECT_NE(game->path.find(".ttf"), std::string::npos);
  const auto other = FindFontFile("Ursa No Such Face");
  ASSERT_TRUE(other.has_value());
  EXPECT_FALSE(other->exact);
}

}  // namespace
}  // namespace ursa::tk
