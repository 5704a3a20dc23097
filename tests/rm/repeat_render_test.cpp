// Leaving out a render that would repeat the last: every scene edit makes the next render draw,
// a repeat draws nothing and reports no change to the picture box, and a clear asked for is
// never lost.
#include <epoxy/gl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "gl/texture_changes.hpp"
#include "rm_test_scene.hpp"
#include "view/rm/scene_changes.hpp"

namespace ursa::rm {
namespace {

// A picture box that remembers the texture it was shown.
class TexturePicture final : public PictureWindow {
 public:
  void ShowDeviceImage(unsigned texture, int /*width*/, int /*height*/) override {
    texture_ = texture;
  }
  unsigned Texture() const { return texture_; }

 private:
  unsigned texture_ = 0;
};

class RepeatRenderTest : public RmTest {
 protected:
  void SetUp() override {
    RmTest::SetUp();
    clipper->SetHWnd(&box);
    mesh = d3drm->CreateMeshBuilder();
    mesh->LoadFromFile(DataFile("cube.x"), 0, 0);
    cube = d3drm->CreateFrame(scene);
    cube->AddVisual(mesh);
    cube->SetPosition(nullptr, 0.0F, 0.0F, 5.0F);
    light = d3drm->CreateLightRGB(LightType::kDirectional, 1.0F, 1.0F, 1.0F);
    lightFrame = d3drm->CreateFrame(scene);
    lightFrame->AddLight(light);
    device->Update();
    gl::TakeTextureChange(box.Texture());
  }

  // Clears, renders and presents as the game's frame does; returns what the device noted.
  gl::Rect Frame() {
    viewport->Clear(7);
    viewport->Render(scene);
    device->Update();
    return gl::TakeTextureChange(box.Texture()).changed;
  }

  TexturePicture box;
  MeshBuilderPtr mesh;
  FramePtr cube;
  LightPtr light;
  FramePtr lightFrame;
};

TEST_F(RepeatRenderTest, ARepeatDrawsNothingAndKeepsThePicture) {
  const gl::Rect first = Frame();
  EXPECT_EQ(first.x, 120);
  EXPECT_EQ(first.y, 65);
  EXPECT_EQ(first.width, 400);
  EXPECT_EQ(first.height, 300);
  const Image drawn = device->ReadImage();
  EXPECT_TRUE(IsEmpty(Frame()));
  // Placing frames where they already are is no edit.
  cube->SetPosition(nullptr, 0.0F, 0.0F, 5.0F);
  camera->SetPosition(nullptr, 0.0F, 0.0F, 0.0F);
  EXPECT_TRUE(IsEmpty(Frame()));
  EXPECT_EQ(device->ReadImage().rgba, drawn.rgba);
}

TEST_F(RepeatRenderTest, EveryEditOfTheSceneMakesTheNextRenderDraw) {
  const std::vector<std::pair<std::string, std::function<void()>>> edits = {
      {"frame moved", [&] { cube->SetPosition(nullptr, 0.5F, 0.0F, 5.0F); }},
      {"frame turned", [&] { cube->SetOrientation(nullptr, 1, 0, 1, 0, 1, 0); }},
      {"camera moved", [&] { camera->SetPosition(nullptr, 0.0F, 0.2F, 0.0F); }},
      {"camera aimed", [&] { camera->LookAt(cube, nullptr, 0); }},
      {"mesh recoloured", [&] { mesh->SetColorRGB(1.0F, 0.0F, 0.0F); }},
      {"mesh reloaded", [&] { mesh->LoadFromFile(DataFile("colored_cube.x"), 0, 0); }},
      {"light recoloured", [&] { light->SetColorRGB(0.0F, 1.0F, 0.0F); }},
      {"back clip moved", [&] { viewport->SetBack(3.0F); }},
      {"frame added", [&] { d3drm->CreateFrame(scene)->AddVisual(mesh); }},
      {"frame taken off", [&] { scene->DeleteChild(cube); }},
  };
  Frame();
  for (const auto& [name, edit] : edits) {
    const uint64_t before = SceneChangeCount();
    edit();
    EXPECT_GT(SceneChangeCount(), before) << name;
    EXPECT_FALSE(IsEmpty(Frame())) << name;
    EXPECT_TRUE(IsEmpty(Frame())) << name << " again";
  }
}

TEST_F(RepeatRenderTest, AnEditedSceneLooksAsOnANewDevice) {
  Frame();
  cube->SetPosition(nullptr, 1.0F, 0.5F, 5.0F);
  Frame();
  const Image edited = device->ReadImage();
  // The same scene drawn from scratch on a new device.
  const DevicePtr fresh = d3drm->CreateDeviceFromClipper(clipper, "", 640, 480);
  const ViewportPtr freshView = d3drm->CreateViewport(fresh, camera, 120, 65, 400, 300);
  freshView->Clear(7);
  freshView->Render(scene);
  EXPECT_EQ(fresh->ReadImage().rgba, edited.rgba);
}

TEST_F(RepeatRenderTest, AClearWithoutARenderIsDone) {
  Frame();
  viewport->Clear(7);
  device->Update();
  EXPECT_FALSE(IsEmpty(gl::TakeTextureChange(box.Texture()).changed));
  EXPECT_EQ(Brightness(device->ReadImage(), 320, 215), 0);
  // Only the colour cleared: the render depends on the depth the last one left, so it is done.
  Frame();
  viewport->Clear(kClearTarget);
  viewport->Render(scene);
  device->Update();
  EXPECT_FALSE(IsEmpty(gl::TakeTextureChange(box.Texture()).changed));
  // A clear owed by a viewport that is gone is still done.
  viewport->Clear(7);
  viewport.reset();
  EXPECT_EQ(Brightness(device->ReadImage(), 320, 215), 0);
}

TEST_F(RepeatRenderTest, AnotherViewportsDrawingIsNotRepeatedAway) {
  Frame();
  const ViewportPtr other = d3drm->CreateViewport(device, camera, 200, 100, 100, 100);
  other->Clear(7);
  device->Update();
  gl::TakeTextureChange(box.Texture());
  // The game's viewport must draw again where the other one cleared its part.
  EXPECT_FALSE(IsEmpty(Frame()));
  EXPECT_GT(Brightness(device->ReadImage(), 250, 150), 0);
}

}  // namespace
}  // namespace ursa::rm
