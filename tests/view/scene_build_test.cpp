// The stage scene: what every build holds, where it puts things, the colours of stage 10's
// sinking platforms, and that a release lets the scene go.
#include <memory>

#include "tests/view/view_fixture.hpp"
#include "toolkit/random.hpp"

namespace ursa::test {
namespace {

rm::Vec3 At(const rm::FramePtr& frame) { return frame->Position(); }

void ExpectAt(const rm::FramePtr& frame, float x, float y, float z) {
  const rm::Vec3 p = At(frame);
  EXPECT_FLOAT_EQ(p.x, x);
  EXPECT_FLOAT_EQ(p.y, y);
  EXPECT_FLOAT_EQ(p.z, z);
}

rm::Color ColorOf(const rm::FramePtr& frame) {
  return frame->Visuals().at(0)->Parts().at(0).material.diffuse;
}

TEST_F(ViewTest, StageOneHoldsEveryFrameAtItsPlace) {
  Build(1);
  // Camera, light, player, then 48 backdrop tiles, 100 blocks and 50 objects, in that order.
  const auto& children = h.sceneFrame->Children();
  ASSERT_EQ(children.size(), 201u);
  EXPECT_EQ(children[0], h.cameraFrame);
  EXPECT_EQ(children[1], h.lightFrame);
  EXPECT_EQ(children[2], h.playerFrame);
  EXPECT_EQ(children[3], h.backdropFrames[0]);
  EXPECT_EQ(children[51], h.blockFrames[0]);
  EXPECT_EQ(children[151], h.objectFrames[0]);

  ExpectAt(h.cameraFrame, 0, 250, -650);
  ExpectAt(h.backdropFrames[0], -1000, -400, 500);
  ExpectAt(h.backdropFrames[47], 7250, 1850, 500);
  EXPECT_FALSE(h.backdropFrames[48]);
  EXPECT_FALSE(h.backdropFrames[49]);

  ExpectAt(h.blockFrames[0], 0, -150, 0);
  ExpectAt(h.blockFrames[19], 1450, 500, 0);
  for (int i = 20; i < kBlockCount; ++i) ExpectAt(h.blockFrames[i], -5000, 0, 0);
  // All blocks share one mesh builder; every object has its own.
  EXPECT_EQ(h.blockFrames[0]->Visuals()[0], h.blockFrames[99]->Visuals()[0]);
  EXPECT_NE(h.objectFrames[3]->Visuals()[0], h.objectFrames[4]->Visuals()[0]);

  ExpectAt(h.objectFrames[0], 1800, 100, 0);  // the door
  for (int i = 0; i < 3; ++i) EXPECT_GT(h.objectFrames[i]->Visuals()[0]->FaceCount(), 0) << i;
  for (int i = 3; i < kObjectCount; ++i) {
    ExpectAt(h.objectFrames[i], -5000, 0, 0);
    EXPECT_EQ(h.objectFrames[i]->Visuals()[0]->FaceCount(), 0) << i;
  }
  EXPECT_EQ(h.meshBuilder, h.objectFrames[49]->Visuals()[0]);

  // The bear faces +x: its frame's z axis points right.
  EXPECT_NEAR(h.playerFrame->AxisZ().x, 1.0F, 1e-5F);
  EXPECT_NEAR(h.playerFrame->AxisY().y, 1.0F, 1e-5F);
  EXPECT_FALSE(h.playerFrame->Children().empty()) << "the bear's frames hang under playerFrame";
}

TEST_F(ViewTest, EveryBuildStartsTheCameraAndTheBearAfresh) {
  Build(4);
  h.cameraFrame->SetPosition(nullptr, 900, 900, 900);
  h.playerFrame->SetOrientation(nullptr, -1, 0, 0, 0, 1, 0);
  const std::weak_ptr<rm::Frame> oldScene = h.sceneFrame;
  Build(4);
  EXPECT_TRUE(oldScene.expired());
  ExpectAt(h.cameraFrame, 0, 250, -650);
  EXPECT_NEAR(h.playerFrame->AxisZ().x, 1.0F, 1e-5F);
  ExpectAt(h.objectFrames[1], 1000, -150, 0);
}

TEST_F(ViewTest, StageTenPaintsItsSinkingPlatformsFromTheNeverSeededGenerator) {
  Build(10);
  tk::Random fresh;  // the game's generator has drawn nothing before this build
  for (int i = 1; i <= 40; ++i) {
    const float red = fresh.Next();
    const float green = fresh.Next();
    const float blue = fresh.Next();
    EXPECT_EQ(ColorOf(h.objectFrames[i]), (rm::Color{red, green, blue})) << "platform " << i;
  }
  // The next build draws the next 120 values, so the colours change.
  Build(10);
  EXPECT_EQ(ColorOf(h.objectFrames[1]), (rm::Color{fresh.Next(), fresh.Next(), fresh.Next()}));
}

TEST_F(ViewTest, SinkingPlatformsElsewhereKeepTheirMeshColor) {
  Build(8);
  const rm::Direct3DRMPtr d3drm = h.dxRoot->Direct3DRMCreate();
  const rm::MeshBuilderPtr plain = d3drm->CreateMeshBuilder();
  plain->LoadFromFile(std::string(URSA_ASSETS_DIR) + "/block3.x", 0, 0);
  const rm::Color fileColor = plain->Parts().at(0).material.diffuse;
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(ColorOf(h.objectFrames[i]), fileColor) << i;
  EXPECT_EQ(random.Next(), tk::Random().Next()) << "stage 8 must not draw random colours";
}

TEST_F(ViewTest, ReleaseLetsTheSceneGoAndTheNextBuildIsComplete) {
  Build(10);
  const std::weak_ptr<rm::Frame> block = h.blockFrames[0];
  const std::weak_ptr<rm::Frame> object = h.objectFrames[5];
  const std::weak_ptr<rm::Device> device = h.device;
  const std::weak_ptr<rm::Viewport> viewport = h.viewport;
  view::ReleaseScene(h);
  EXPECT_TRUE(block.expired());
  EXPECT_TRUE(object.expired());
  EXPECT_TRUE(device.expired());
  EXPECT_TRUE(viewport.expired());
  EXPECT_TRUE(h.dxRoot);
  EXPECT_TRUE(h.ddraw);

  Build(1);
  EXPECT_EQ(h.sceneFrame->Children().size(), 201u);
}

TEST_F(ViewTest, StageSixteenBuildsAnEmptyButCompleteScene) {
  Build(16);
  EXPECT_EQ(h.sceneFrame->Children().size(), 201u);
  for (const auto& frame : h.objectFrames) EXPECT_EQ(frame->Visuals()[0]->FaceCount(), 0);
}

}  // namespace
}  // namespace ursa::test
