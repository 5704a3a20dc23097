// The never-seeded generator's fixed sequence and the number text of the HUD and the
// ending screen.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "toolkit/number_text.hpp"
#include "toolkit/random.hpp"

namespace ursa::tk {
namespace {

TEST(NumberText, BlankBeforeZeroOrMoreMinusBelowZero) {
  const struct {
    long long n;
    const char* text;
  } cases[] = {{0, " 0"},       {7, " 7"},          {-120, "-120"},
               {9998, " 9998"}, {-32768, "-32768"}, {2147483647, " 2147483647"}};
  for (const auto& c : cases) EXPECT_EQ(Str(c.n), c.text) << c.n;
}

TEST(RandomGenerator, FirstValuesFollowXorshift32FromTheDocumentedState) {
  // xorshift32 from 2463534242 gives 723471715 first (Marsaglia's own example); its top
  // 24 bits over 2^24 are the first value.
  Random random;
  EXPECT_EQ(random.Next(), static_cast<float>(723471715u >> 8) / 16777216.0f);
}

TEST(RandomGenerator, EveryStartGivesTheSame120ValuesInZeroToOne) {
  Random first;
  Random second;
  std::vector<float> values;
  for (int i = 0; i < 120; ++i) {
    const float v = first.Next();
    EXPECT_EQ(v, second.Next()) << "value " << i;
    EXPECT_GE(v, 0.0f);
    EXPECT_LT(v, 1.0f);
    values.push_back(v);
  }
  // Forty platforms' colours should not repeat.
  EXPECT_EQ(std::set<float>(values.begin(), values.end()).size(), values.size());
}

TEST(RandomGenerator, LaterDrawsContinueTheSequenceInsteadOfRestarting) {
  Random random;
  std::vector<float> firstBuild;
  std::vector<float> secondBuild;
  for (int i = 0; i < 120; ++i) firstBuild.push_back(random.Next());
  for (int i = 0; i < 120; ++i) secondBuild.push_back(random.Next());
  EXPECT_NE(firstBuild, secondBuild);
}

}  // namespace
}  // namespace ursa::tk
