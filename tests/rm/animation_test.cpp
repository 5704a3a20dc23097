// Animation set tests: the file's hierarchy under the parent, poses at and between keys
// (position, rotation and matrix keys), and times outside the keys.
#include <gtest/gtest.h>

#include <cmath>

#include "rm_test_scene.hpp"

namespace ursa::rm {
namespace {

class AnimationTest : public RmTest {
 protected:
  void SetUp() override {
    RmTest::SetUp();
    player = d3drm->CreateFrame(scene);
    anim = d3drm->CreateAnimationSet();
    anim->LoadFromFile(DataFile("anim.x"), 0, 0, player);
  }

  FramePtr Named(const char* name) {
    FramePtr frame = anim->FrameNamed(name);
    EXPECT_NE(frame, nullptr) << name;
    return frame;
  }

  FramePtr player;
  AnimationSetPtr anim;
};

void ExpectNear(Vec3 actual, Vec3 expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-4F);
  EXPECT_NEAR(actual.y, expected.y, 1e-4F);
  EXPECT_NEAR(actual.z, expected.z, 1e-4F);
}

TEST_F(AnimationTest, HierarchyIsPlacedUnderTheParentWithItsMatrices) {
  ASSERT_EQ(player->Children().size(), 1u);
  const FramePtr body = player->Children().front();
  EXPECT_EQ(body->Name(), "Body");
  ExpectNear(body->Position(), {0, 1, 2});
  ASSERT_EQ(body->Visuals().size(), 1u);
  EXPECT_EQ(body->Visuals().front()->FaceCount(), 1);
  ASSERT_EQ(body->Children().size(), 2u);
  EXPECT_EQ(Named("Arm")->Parent(), body);
  EXPECT_EQ(Named("Leg")->Parent(), body);
}

TEST_F(AnimationTest, PosesAtKeysAndBetweenThem) {
  const float h = std::sqrt(0.5F);
  struct Case {
    float time;
    Vec3 armPosition, armX;
    float armScale;
    Vec3 legPosition, legX;
  };
  const Case cases[] = {
      {0.0F, {3, 0, 0}, {1, 0, 0}, 1, {0, -3, 0}, {1, 0, 0}},
      // At the last key the arm's rotation key and the leg's matrix key agree: +x to +z.
      {10.0F, {3, 4, 6}, {0, 0, 1}, 3, {0, -3, 2}, {0, 0, 1}},
      // Half way: positions and scales halve their way, rotations turn half as far.
      {5.0F, {3, 2, 3}, {h, 0, h}, 2, {0, -3, 1}, {h, 0, h}},
      // Outside the keys the nearest key holds.
      {-4.0F, {3, 0, 0}, {1, 0, 0}, 1, {0, -3, 0}, {1, 0, 0}},
      {19.0F, {3, 4, 6}, {0, 0, 1}, 3, {0, -3, 2}, {0, 0, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.time);
    anim->SetTime(c.time);
    EXPECT_EQ(anim->Time(), c.time);
    ExpectNear(Named("Arm")->Position(), c.armPosition);
    ExpectNear(Named("Arm")->AxisX(), c.armX * c.armScale);
    ExpectNear(Named("Arm")->AxisY(), Vec3{0, 1, 0} * c.armScale);
    ExpectNear(Named("Leg")->Position(), c.legPosition);
    ExpectNear(Named("Leg")->AxisX(), c.legX);
  }
}

TEST_F(AnimationTest, TimeThatIsNotANumberTakesTheFirstKey) {
  anim->SetTime(7.0F);
  anim->SetTime(std::nanf(""));
  ExpectNear(Named("Arm")->Position(), {3, 0, 0});
  ExpectNear(Named("Arm")->AxisY(), {0, 1, 0});
  ExpectNear(Named("Leg")->AxisX(), {1, 0, 0});
}

TEST_F(AnimationTest, ParentPlacementCarriesTheModel) {
  player->SetPosition(nullptr, 100, 0, 0);
  player->SetOrientation(nullptr, 1, 0, 0, 0, 1, 0);
  anim->SetTime(0.0F);
  // Body at (0, 1, 2) in the player's space; the player's +z is world +x, its +x world -z.
  ExpectNear(Named("Body")->WorldTransform().Column(3), {102, 1, 0});
}

TEST_F(AnimationTest, FramesFreedByTheSceneAreSkipped) {
  player->DeleteChild(player->Children().front());
  EXPECT_EQ(anim->FrameNamed("Arm"), nullptr);
  anim->SetTime(3.0F);                      // nothing left to pose, and no crash
  EXPECT_EQ(CountLiveObjects().frames, 3);  // scene, camera, player
}

TEST_F(AnimationTest, LoadingAgainReplacesTheEarlierFrames) {
  anim->LoadFromFile(DataFile("anim.x"), 0, 0, player);
  EXPECT_EQ(player->Children().size(), 1u);
  EXPECT_THROW(anim->LoadFromFile(DataFile("anim.x"), 0, 0, nullptr), Error);
}

}  // namespace
}  // namespace ursa::rm
