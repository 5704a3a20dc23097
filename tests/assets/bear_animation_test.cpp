// The bear's frames and walk cycle, read through Assimp: standing at time 0, a leap at 5,
// and a loop over 0..19 with no jump from 19 back to 0.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/assets/x_scene.hpp"

namespace ursa::assets_test {
namespace {

constexpr int kLastTime = 19;
const char* const kParts[] = {"Body", "Head", "ArmR", "ArmL", "LegR", "LegL"};

class Bear : public ::testing::Test {
 protected:
  Bear() : x_(AssetPath("bear.x")) {}
  void SetUp() override { ASSERT_TRUE(x_.ok()) << x_.error(); }

  // Where the paws and feet are at a time: the limb ends in their frames' own space.
  std::vector<aiVector3D> Extremities(int time) const {
    return {x_.PointInFrame("ArmR", {0, -18, 0}, time), x_.PointInFrame("ArmL", {0, -18, 0}, time),
            x_.PointInFrame("LegR", {0, -18, 2}, time), x_.PointInFrame("LegL", {0, -18, 2}, time),
            x_.PointInFrame("Head", {0, 14, 0}, time)};
  }
  float PoseDistance(int a, int b) const {
    const auto pa = Extremities(a);
    const auto pb = Extremities(b);
    float sum = 0;
    for (size_t i = 0; i < pa.size(); ++i) {
      sum += (pa[i] - pb[i]).Length();
    }
    return sum;
  }

  XScene x_;
};

TEST_F(Bear, StandsOnTheOriginAtPlayerHeight) {
  const Box box = x_.Bounds(0);
  EXPECT_NEAR(box.lo[1], 0, 1.0F);
  EXPECT_GE(box.hi[1], 75);
  EXPECT_LE(box.hi[1], 85);
  EXPECT_LT(std::abs(box.lo[0] + box.hi[0]), 2.0F) << "centred on x";
  EXPECT_LT(box.hi[0] - box.lo[0], 60);
}

TEST_F(Bear, HasTheBodyPartsAsFrames) {
  for (const char* part : kParts) {
    EXPECT_NE(x_.Node(part), nullptr) << part;
  }
  EXPECT_EQ(x_.Node("Head")->mParent, x_.Node("Body"));
}

TEST_F(Bear, FacesPlusZ) {
  const aiVector3D nose = x_.PointInFrame("Head", {0, 12, 15}, 0);
  const aiVector3D back = x_.PointInFrame("Head", {0, 12, -13}, 0);
  EXPECT_GT(nose.z, back.z);
  // The nose is the bear's front-most point.
  EXPECT_NEAR(x_.Bounds(0).hi[2], 17.6F, 2.0F);
}

TEST_F(Bear, WalkCycleKeysSpanZeroToNineteen) {
  ASSERT_EQ(x_.scene().mNumAnimations, 1U);
  const aiAnimation* walk = x_.scene().mAnimations[0];
  EXPECT_EQ(walk->mNumChannels, std::size(kParts));
  for (unsigned c = 0; c < walk->mNumChannels; ++c) {
    const aiNodeAnim* ch = walk->mChannels[c];
    EXPECT_NE(x_.Node(ch->mNodeName.C_Str()), nullptr);
    ASSERT_EQ(ch->mNumRotationKeys, 20U) << ch->mNodeName.C_Str();
    EXPECT_EQ(ch->mRotationKeys[0].mTime, 0);
    EXPECT_EQ(ch->mRotationKeys[19].mTime, kLastTime);
    ASSERT_EQ(ch->mNumPositionKeys, 20U);
  }
}

// A model drawn without its animation (or posed at time 0) must look the same.
TEST_F(Bear, TimeZeroIsTheRestPose) {
  for (const char* part : kParts) {
    const aiMatrix4x4 key = x_.KeyTransform(part, 0);
    const aiMatrix4x4 rest = x_.Node(part)->mTransformation;
    for (int r = 0; r < 4; ++r) {
      for (int c = 0; c < 4; ++c) {
        EXPECT_NEAR(key[r][c], rest[r][c], 1e-3F) << part;
      }
    }
  }
}

TEST_F(Bear, PosesAtZeroFiveAndTenDiffer) {
  EXPECT_GT(PoseDistance(0, 5), 20.0F);
  EXPECT_GT(PoseDistance(5, 10), 20.0F);
  EXPECT_GT(PoseDistance(0, 10), 2.0F);
}

// Walking shows 19 and then 0: the step between them is no bigger than any other step.
TEST_F(Bear, LoopsFromNineteenBackToZeroWithoutAJump) {
  float largestStep = 0;
  for (int t = 0; t < kLastTime; ++t) {
    largestStep = std::max(largestStep, PoseDistance(t, t + 1));
  }
  EXPECT_LE(PoseDistance(kLastTime, 0), largestStep * 1.01F);
  EXPECT_GT(largestStep, 0.0F);
}

TEST_F(Bear, StandsWithBothFeetDownAndLeapsWithLegsApart) {
  const auto stand = Extremities(0);
  EXPECT_NEAR(stand[2].y, stand[3].y, 0.5F);
  EXPECT_NEAR(stand[2].z, stand[3].z, 0.5F);
  const auto leap = Extremities(5);
  // At the leap one leg reaches forward (+z) and the other back, and the arms swing the
  // other way round and rise above where they hang.
  EXPECT_GT(leap[2].z - leap[3].z, 15.0F);
  EXPECT_LT(leap[0].z - leap[1].z, -15.0F);
  EXPECT_GT(leap[0].y, stand[0].y + 3);
  EXPECT_GT(leap[1].y, stand[1].y + 3);
}

TEST_F(Bear, StaysAFewHundredTriangles) {
  const size_t triangles = x_.Triangles().size();
  EXPECT_GE(triangles, 200U);
  EXPECT_LE(triangles, 900U);
}

}  // namespace
}  // namespace ursa::assets_test
