// Frame placement tests: positions in the parent's space, SetOrientation and LookAt axes
// (including the straight-down look of the falling camera), and the tree itself.
#include "view/rm/frame.hpp"

#include <gtest/gtest.h>

#include "view/rm/error.hpp"

namespace ursa::rm {
namespace {

void ExpectNear(Vec3 actual, Vec3 expected, const char* what) {
  SCOPED_TRACE(what);
  EXPECT_NEAR(actual.x, expected.x, 1e-5F);
  EXPECT_NEAR(actual.y, expected.y, 1e-5F);
  EXPECT_NEAR(actual.z, expected.z, 1e-5F);
}

void ExpectAxes(const Frame& frame, Vec3 x, Vec3 y, Vec3 z) {
  ExpectNear(frame.AxisX(), x, "x axis");
  ExpectNear(frame.AxisY(), y, "y axis");
  ExpectNear(frame.AxisZ(), z, "z axis");
}

TEST(FrameTest, SetOrientationTurnsZToDirectionAndYTowardUp) {
  struct Case {
    Vec3 direction, up;
    Vec3 x, y, z;
  };
  const Case cases[] = {
      // Facing right, as the bear does: its right side turns toward the viewer.
      {{1, 0, 0}, {0, 1, 0}, {0, 0, -1}, {0, 1, 0}, {1, 0, 0}},
      {{-1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {0, 1, 0}, {-1, 0, 0}},
      {{0, 0, 1}, {0, 1, 0}, {1, 0, 0}, {0, 1, 0}, {0, 0, 1}},
      // Lengths do not matter, and up need not be perpendicular.
      {{3, 0, 0}, {1, 5, 0}, {0, 0, -1}, {0, 1, 0}, {1, 0, 0}},
      // Looking down with the top of the frame away from the viewer.
      {{0, -1, 0}, {0, 0, 1}, {1, 0, 0}, {0, 0, 1}, {0, -1, 0}},
  };
  for (const Case& c : cases) {
    FramePtr frame = Frame::Create(nullptr);
    frame->SetPosition(nullptr, 4, 5, 6);
    frame->SetOrientation(nullptr, c.direction.x, c.direction.y, c.direction.z, c.up.x, c.up.y,
                          c.up.z);
    ExpectAxes(*frame, c.x, c.y, c.z);
    ExpectNear(frame->Position(), {4, 5, 6}, "position kept");
  }
}

TEST(FrameTest, SetOrientationRefusesDegenerateVectors) {
  FramePtr frame = Frame::Create(nullptr);
  EXPECT_THROW(frame->SetOrientation(nullptr, 0, 0, 0, 0, 1, 0), Error);
  EXPECT_THROW(frame->SetOrientation(nullptr, 0, 2, 0, 0, 1, 0), Error);
  ExpectAxes(*frame, {1, 0, 0}, {0, 1, 0}, {0, 0, 1});
}

TEST(FrameTest, PositionsAreInTheParentsSpaceUnlessAReferenceIsGiven) {
  FramePtr root = Frame::Create(nullptr);
  FramePtr parent = Frame::Create(root);
  parent->SetPosition(nullptr, 100, 0, 0);
  parent->SetOrientation(nullptr, 1, 0, 0, 0, 1, 0);  // parent's +z is world +x
  FramePtr child = Frame::Create(parent);
  child->SetPosition(nullptr, 0, 0, 10);
  ExpectNear(child->WorldTransform().Column(3), {110, 0, 0}, "parent space");
  child->SetPosition(root, 0, 0, 10);
  ExpectNear(child->WorldTransform().Column(3), {0, 0, 10}, "root space");
  ExpectNear(child->Position(), {-10, 0, -100}, "stored in parent space");
}

TEST(FrameTest, SetOrientationWithAReferenceFrame) {
  FramePtr root = Frame::Create(nullptr);
  FramePtr turned = Frame::Create(root);
  turned->SetOrientation(nullptr, 1, 0, 0, 0, 1, 0);
  FramePtr frame = Frame::Create(root);
  // +z of the turned frame is world +x.
  frame->SetOrientation(turned, 0, 0, 1, 0, 1, 0);
  ExpectAxes(*frame, {0, 0, -1}, {0, 1, 0}, {1, 0, 0});
}

TEST(FrameTest, LookAtTurnsZToTheTargetWithoutRoll) {
  FramePtr scene = Frame::Create(nullptr);
  FramePtr player = Frame::Create(scene);
  player->SetPosition(nullptr, 300, 40, 0);
  FramePtr camera = Frame::Create(scene);
  camera->SetPosition(nullptr, 300, 290, -1250);
  camera->LookAt(player, nullptr, 0);
  const Vec3 toPlayer = Normalize(Vec3{0, -250, 1250});
  ExpectAxes(*camera, {1, 0, 0}, Cross(toPlayer, {1, 0, 0}), toPlayer);
  EXPECT_GT(camera->AxisY().y, 0.9F);

  // Off to one side: +x stays level (no roll) and the frame is still a rotation.
  camera->SetPosition(nullptr, -500, 700, -900);
  camera->LookAt(player, nullptr, 0);
  ExpectNear(camera->AxisZ(), Normalize(Vec3{800, -660, 900}), "z to target");
  EXPECT_NEAR(camera->AxisX().y, 0.0F, 1e-6F);
  EXPECT_NEAR(Determinant3(camera->Transform()), 1.0F, 1e-5F);
}

TEST(FrameTest, LookAtStraightDownOrUpKeepsTheHeading) {
  FramePtr scene = Frame::Create(nullptr);
  FramePtr player = Frame::Create(scene);
  player->SetPosition(nullptr, 100, -500, 0);
  FramePtr camera = Frame::Create(scene);

  // The falling camera: straight above the player, fresh or after looking ahead.
  camera->SetPosition(nullptr, 100, 200, 0);
  camera->LookAt(player, nullptr, 0);
  ExpectAxes(*camera, {1, 0, 0}, {0, 0, 1}, {0, -1, 0});
  camera->LookAt(player, nullptr, 0);  // already looking down: stays so
  ExpectAxes(*camera, {1, 0, 0}, {0, 0, 1}, {0, -1, 0});

  // Just off vertical (the first death frame pulls back by 7) the picture does not flip.
  camera->SetPosition(nullptr, 100, -250, -7);
  camera->LookAt(player, nullptr, 0);
  EXPECT_NEAR(camera->AxisX().x, 1.0F, 1e-5F);
  EXPECT_GT(camera->AxisY().z, 0.99F);

  // Straight up from below: the top of the picture now points toward the viewer.
  camera->SetOrientation(nullptr, 0, 0, 1, 0, 1, 0);
  camera->SetPosition(nullptr, 100, -900, 0);
  camera->LookAt(player, nullptr, 0);
  ExpectAxes(*camera, {1, 0, 0}, {0, 0, -1}, {0, 1, 0});
}

TEST(FrameTest, LookAtWorksAcrossTheTreeAndIgnoresItsOwnOrigin) {
  FramePtr scene = Frame::Create(nullptr);
  FramePtr holder = Frame::Create(scene);
  holder->SetPosition(nullptr, 0, 0, -10);
  FramePtr camera = Frame::Create(holder);
  FramePtr target = Frame::Create(scene);
  target->SetPosition(nullptr, 10, 0, -10);
  camera->LookAt(target, nullptr, 0);
  ExpectNear(camera->AxisZ(), {1, 0, 0}, "looks along +x in its parent");

  FramePtr same = Frame::Create(holder);
  const Mat4 before = camera->Transform();
  camera->LookAt(same, nullptr, 0);
  EXPECT_EQ(camera->Transform().m, before.m);
  EXPECT_THROW(camera->LookAt(nullptr, nullptr, 0), Error);
}

TEST(FrameTest, TreeHoldsChildrenStronglyAndParentsWeakly) {
  FramePtr root = Frame::Create(nullptr);
  std::weak_ptr<Frame> child = Frame::Create(root);
  ASSERT_FALSE(child.expired());
  EXPECT_EQ(child.lock()->Parent(), root);
  EXPECT_EQ(root->Children().size(), 1u);

  FramePtr held = Frame::Create(root);
  root.reset();
  EXPECT_TRUE(child.expired());
  EXPECT_EQ(held->Parent(), nullptr);  // the parent went with its last handle

  FramePtr a = Frame::Create(nullptr);
  FramePtr b = Frame::Create(a);
  EXPECT_THROW(b->AddChild(a), Error);
  FramePtr c = Frame::Create(nullptr);
  c->AddChild(b);
  EXPECT_TRUE(a->Children().empty());
  EXPECT_EQ(b->Parent(), c);
}

}  // namespace
}  // namespace ursa::rm
