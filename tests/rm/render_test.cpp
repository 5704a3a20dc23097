// Rendering tests: where the projection puts a mesh, lighting, culling, colours, translucency
// and the viewport rectangle, read back from the device's image.
#include <epoxy/gl.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

#include "rm_test_scene.hpp"

namespace ursa::rm {
namespace {

using RenderTest = RmTest;

TEST_F(RenderTest, LitCubeLandsWhereTheProjectionPutsIt) {
  // The cube spans x 2..4, y -1..1, z 9..11: the camera sees its front and its left side.
  AddMesh("cube.x", 3.0F, 0.0F, 10.0F);
  // Shining along (1, 0, 2): the front (normal -z) gets cos 0.89, the left side 0.45.
  AddLight(1.0F, 0.0F, 2.0F);
  const Image image = RenderImage();

  float left = 0, top = 0, right = 0, bottom = 0;
  ASSERT_TRUE(viewport->Project({2.0F, 1.0F, 9.0F}, left, top));
  ASSERT_TRUE(viewport->Project({4.0F, -1.0F, 9.0F}, right, bottom));
  // Half-extent 0.5 at unit distance on the 400-pixel side: x = 2 at z = 9 is 120 + 200 *
  // (1 + 2 * 2 / 9) pixels from the left.
  EXPECT_NEAR(left, 120.0F + 200.0F * (1.0F + 4.0F / 9.0F), 0.01F);
  EXPECT_NEAR(top, 65.0F + 150.0F * (1.0F - 2.0F * (4.0F / 3.0F) / 9.0F), 0.01F);

  const int cx = static_cast<int>((left + right) / 2);
  const int cy = static_cast<int>((top + bottom) / 2);
  const int front = Brightness(image, cx, cy);
  EXPECT_NEAR(front, 3 * 228, 6);
  // Just inside and just outside the front face's edges.
  EXPECT_GT(Brightness(image, static_cast<int>(right) - 2, cy), 600);
  EXPECT_EQ(Brightness(image, static_cast<int>(right) + 2, cy), 0);
  EXPECT_GT(Brightness(image, cx, static_cast<int>(top) + 2), 600);
  EXPECT_EQ(Brightness(image, cx, static_cast<int>(top) - 2), 0);

  // The left side lies between x = 2 at z = 11 and x = 2 at z = 9.
  float sideFar = 0, unused = 0;
  ASSERT_TRUE(viewport->Project({2.0F, 0.0F, 11.0F}, sideFar, unused));
  const int side = Brightness(image, static_cast<int>((sideFar + left) / 2), cy);
  EXPECT_NEAR(side, 3 * 114, 6);
  EXPECT_GT(front, side);
}

TEST_F(RenderTest, OnlyFacesTurnedTowardTheViewerAreDrawn) {
  struct Case {
    const char* file;
    bool visible;
  };
  for (const Case& c : {Case{"tri_front.x", true}, Case{"tri_back.x", false}}) {
    SCOPED_TRACE(c.file);
    FramePtr frame = AddMesh(c.file, 0.0F, 0.0F, 0.0F);
    const Image image = RenderImage();
    // The triangle's corners are (0, 0, 5), (0, 2, 5), (2, 0, 5): emissive white, no light.
    float x = 0, y = 0;
    ASSERT_TRUE(viewport->Project({0.4F, 0.4F, 5.0F}, x, y));
    EXPECT_EQ(Brightness(image, static_cast<int>(x), static_cast<int>(y)), c.visible ? 765 : 0);
    // Lower left of the centre there is nothing, whichever way the triangle faces.
    EXPECT_EQ(Brightness(image, 320 - 40, 215 + 40), 0);
    scene->DeleteChild(frame);
  }
}

TEST_F(RenderTest, NearerMeshHidesFartherOne) {
  // The white triangle is drawn first, the red cube behind it second: depth keeps it hidden.
  AddMesh("tri_front.x", 0.0F, 0.0F, 0.0F);
  FramePtr farther = AddMesh("cube.x", 0.0F, 0.0F, 10.0F);
  farther->Visuals().front()->SetColorRGB(1.0F, 0.0F, 0.0F);
  FramePtr ambient = d3drm->CreateFrame(scene);
  ambient->AddLight(d3drm->CreateLightRGB(LightType::kAmbient, 1.0F, 1.0F, 1.0F));
  const Image image = RenderImage();
  float x = 0, y = 0;
  ASSERT_TRUE(viewport->Project({0.2F, 0.2F, 5.0F}, x, y));
  EXPECT_EQ(Brightness(image, static_cast<int>(x), static_cast<int>(y)), 765);
  ASSERT_TRUE(viewport->Project({-0.5F, -0.5F, 9.0F}, x, y));
  const Image::Pixel red = image.At(static_cast<int>(x), static_cast<int>(y));
  EXPECT_EQ(red.r, 255);
  EXPECT_EQ(red.g + red.b, 0);
}

TEST_F(RenderTest, MeshesOutOfViewAreSkippedButEdgeStraddlersAreDrawn) {
  // Far to the right, behind the camera, beyond the back clip: none can show.
  AddMesh("cube.x", 500.0F, 0.0F, 10.0F);
  AddMesh("cube.x", 0.0F, 0.0F, -10.0F);
  AddMesh("cube.x", 0.0F, 0.0F, 5010.0F);
  // Centre outside the view on the right, its left edge inside: x 4.2..6.2 at z 9, where
  // the right edge of the view is x = 4.5.
  AddMesh("cube.x", 5.2F, 0.0F, 10.0F);
  AddLight(0.0F, 0.0F, 1.0F);
  const Image image = RenderImage();
  EXPECT_EQ(viewport->LastDrawCount(), 1);
  EXPECT_GT(Brightness(image, 518, 215), 600);
  EXPECT_EQ(Brightness(image, 490, 215), 0);
}

TEST_F(RenderTest, AMeshIsDrawnForAnyPartInViewAndSkippedWhenNoneIs) {
  // Two cubes 20 apart in one mesh; each mesh's sphere takes in the view's centre.
  auto pair = [&](float firstX, float z) {
    FramePtr frame = AddMesh("cube.x", firstX, 0.0F, z);
    const MeshBuilderPtr& mesh = frame->Visuals().front();
    mesh->AddParts({Transformed(mesh->Parts().front(), Translation({20.0F, 0, 0}))});
  };
  pair(-20.0F, 10.0F);  // only the second cube, at x = 0, is in view
  pair(-10.0F, 12.0F);  // cubes at x = -10 and 10: neither is
  AddLight(0.0F, 0.0F, 1.0F);
  const Image image = RenderImage();
  EXPECT_EQ(viewport->LastDrawCount(), 1);
  EXPECT_GT(Brightness(image, 320, 215), 600);
}

TEST(FrustumTest, SpheresOutsideOnlyWhenWhollyBeyondAPlane) {
  const Frustum f{2.0F, 2.0F, 1.0F, 100.0F};  // the right edge is x = z / 2
  struct Case {
    Vec3 centre;
    float radius;
    bool outside;
  };
  const Case cases[] = {
      {{0, 0, 10}, 1, false},     {{0, 0, -5}, 1, true},      {{0, 0, 0.5F}, 1, false},
      {{0, 0, 102}, 1, true},     {{0, 0, 100.5F}, 1, false}, {{8, 0, 10}, 1, true},
      {{5.5F, 0, 10}, 1, false},  {{-8, 0, 10}, 1, true},     {{0, 8, 10}, 1, true},
      {{0, -5.5F, 10}, 1, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(f.SphereOutside(c.centre, c.radius), c.outside)
        << c.centre.x << ", " << c.centre.y << ", " << c.centre.z;
  }
}

TEST_F(RenderTest, SetColorRGBChangesOnlyItsOwnBuilder) {
  FramePtr plain = AddMesh("cube.x", -3.0F, 0.0F, 10.0F);
  FramePtr coloured = AddMesh("cube.x", 3.0F, 0.0F, 10.0F);
  coloured->Visuals().front()->SetColorRGB(0.0F, 1.0F, 0.0F);
  AddLight(0.0F, 0.0F, 1.0F);
  const Image image = RenderImage();

  float x = 0, y = 0;
  ASSERT_TRUE(viewport->Project({-3.0F, 0.0F, 9.0F}, x, y));
  const Image::Pixel white = image.At(static_cast<int>(x), static_cast<int>(y));
  EXPECT_EQ(white.r, 255);
  EXPECT_EQ(white.g, 255);
  EXPECT_EQ(white.b, 255);
  ASSERT_TRUE(viewport->Project({3.0F, 0.0F, 9.0F}, x, y));
  const Image::Pixel green = image.At(static_cast<int>(x), static_cast<int>(y));
  EXPECT_EQ(green.r, 0);
  EXPECT_EQ(green.g, 255);
  EXPECT_EQ(green.b, 0);
  const Color fileColour = plain->Visuals().front()->Parts().front().material.diffuse;
  EXPECT_EQ(fileColour, (Color{1.0F, 1.0F, 1.0F}));
}

TEST_F(RenderTest, VertexColoursShowUntilSetColorRGBReplacesThem) {
  FramePtr cube = AddMesh("colored_cube.x", 0.0F, 0.0F, 10.0F);
  AddLight(0.0F, 0.0F, 1.0F);
  float x = 0, y = 0;
  ASSERT_TRUE(viewport->Project({0.0F, 0.0F, 9.0F}, x, y));
  // The front face (normal -z) is the first face of the file: red.
  Image::Pixel p = RenderImage().At(static_cast<int>(x), static_cast<int>(y));
  EXPECT_EQ(p.r, 255);
  EXPECT_EQ(p.g, 0);
  EXPECT_EQ(p.b, 0);
  cube->Visuals().front()->SetColorRGB(0.0F, 0.0F, 1.0F);
  p = RenderImage().At(static_cast<int>(x), static_cast<int>(y));
  EXPECT_EQ(p.r, 0);
  EXPECT_EQ(p.b, 255);
}

TEST_F(RenderTest, MaterialsSpecularHighlightAndEmissiveColour) {
  // tri_front.x turned into a grey, unlit-black triangle whose material varies per case.
  struct Case {
    const char* name;
    const char* material;  // faceColor; power; specularColor; emissiveColor
    int brightness;
  };
  const Case cases[] = {
      {"diffuse only", "0.5;0.5;0.5;1.0;; 0.0; 1.0;1.0;1.0;; 0.0;0.0;0.0;;", 3 * 128},
      {"with highlight", "0.5;0.5;0.5;1.0;; 10.0; 0.25;0.25;0.25;; 0.0;0.0;0.0;;", 3 * 191},
      {"emissive adds", "0.5;0.5;0.5;1.0;; 0.0; 0.0;0.0;0.0;; 0.0;0.25;0.0;;", 128 + 191 + 128},
  };
  const std::string text = ReadFile(DataFile("tri_front.x"));
  const size_t start = text.find("Material {") + 10;
  const size_t end = text.find('}', start);
  AddLight(0.0F, 0.0F, 1.0F);  // from the camera: the highlight is at its brightest
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string variant = text;
    variant.replace(start, end - start, c.material);
    MeshBuilderPtr mesh = d3drm->CreateMeshBuilder();
    mesh->LoadFromFile(WriteScratch(std::string("material_") + c.name + ".x", variant), 0, 0);
    FramePtr frame = d3drm->CreateFrame(scene);
    frame->AddVisual(mesh);
    float x = 0, y = 0;
    ASSERT_TRUE(viewport->Project({0.2F, 0.2F, 5.0F}, x, y));
    EXPECT_NEAR(Brightness(RenderImage(), static_cast<int>(x), static_cast<int>(y)), c.brightness,
                6);
    scene->DeleteChild(frame);
  }
}

TEST_F(RenderTest, NoLightLeavesNonEmissiveMeshesBlack) {
  AddMesh("cube.x", 0.0F, 0.0F, 10.0F);
  const Image image = RenderImage();
  EXPECT_EQ(Brightness(image, 320, 215), 0);
  FramePtr ambient = d3drm->CreateFrame(scene);
  ambient->AddLight(d3drm->CreateLightRGB(LightType::kAmbient, 0.5F, 0.5F, 0.5F));
  EXPECT_NEAR(Brightness(RenderImage(), 320, 215), 3 * 128, 3);
}

TEST_F(RenderTest, DrawingAndClearingStayInsideTheViewport) {
  // A second viewport on the left of the same device, seeing the same scene.
  ViewportPtr other = d3drm->CreateViewport(device, camera, 0, 0, 100, 100);
  AddMesh("cube.x", 0.0F, 0.0F, 3.0F);  // fills both viewports
  AddLight(0.0F, 0.0F, 1.0F);
  viewport->Clear(7);
  viewport->Render(scene);
  other->Clear(7);
  other->Render(scene);
  Image image = device->ReadImage();
  EXPECT_GT(Brightness(image, 50, 50), 0);
  EXPECT_GT(Brightness(image, 320, 215), 0);
  EXPECT_EQ(Brightness(image, 110, 50), 0);   // between the two
  EXPECT_EQ(Brightness(image, 320, 370), 0);  // below the game's viewport

  other->Clear(kClearTarget | kClearDepth);
  image = device->ReadImage();
  EXPECT_EQ(Brightness(image, 50, 50), 0);
  EXPECT_GT(Brightness(image, 320, 215), 0);
}

TEST_F(RenderTest, UpdateShowsTheDeviceImageInThePictureBox) {
  AddMesh("tri_front.x", 0.0F, 0.0F, 0.0F);
  const Image rendered = RenderImage();
  device->Update();
  ASSERT_EQ(picture.ShowCount(), 1);
  EXPECT_EQ(picture.LastImage().rgba, rendered.rgba);
  clipper->SetHWnd(nullptr);
  EXPECT_THROW(device->Update(), Error);
}

// The window's passes share the context and leave their own state behind: a render sets all
// it draws with, so it draws the same picture whatever it finds.
TEST_F(RenderTest, RenderingIsTheSameWhateverStateTheWindowLeft) {
  AddMesh("cube.x", 0.0F, 0.0F, 10.0F);
  AddLight(1.0F, 0.0F, 2.0F);
  const Image clean = RenderImage();
  ASSERT_TRUE(TestDisplay().MakeContextCurrent());
  glBindFramebuffer(GL_FRAMEBUFFER, 0);
  glViewport(3, 4, 50, 60);
  glEnable(GL_SCISSOR_TEST);
  glScissor(1, 2, 30, 40);
  glDisable(GL_DEPTH_TEST);
  glDepthMask(GL_FALSE);
  glEnable(GL_CULL_FACE);
  glCullFace(GL_FRONT);
  glColorMask(GL_TRUE, GL_FALSE, GL_TRUE, GL_FALSE);
  glEnable(GL_BLEND);
  glBlendFunc(GL_ZERO, GL_ONE);
  glClearColor(1.0F, 1.0F, 1.0F, 1.0F);
  // A scene change, so that the render is not left out as a repeat.
  scene->DeleteChild(AddMesh("tri_front.x", 0.0F, 0.0F, 0.0F));
  const Image found = RenderImage();
  glDisable(GL_BLEND);
  glCullFace(GL_BACK);
  EXPECT_EQ(found.rgba, clean.rgba);
}

TEST_F(RenderTest, ANewDeviceIsBlack) {
  const Image image = device->ReadImage();
  ASSERT_EQ(image.width, 640);
  ASSERT_EQ(image.height, 480);
  for (size_t i = 0; i < image.rgba.size(); i += 4) {
    ASSERT_EQ(image.rgba[i] + image.rgba[i + 1] + image.rgba[i + 2], 0) << "byte " << i;
  }
}

TEST_F(RenderTest, BadArgumentsAreRefused) {
  EXPECT_THROW(d3drm->CreateViewport(device, camera, 600, 0, 100, 100), Error);
  EXPECT_THROW(d3drm->CreateViewport(device, nullptr, 0, 0, 100, 100), Error);
  EXPECT_THROW(d3drm->CreateDeviceFromClipper(clipper, "", 0, 480), Error);
  EXPECT_THROW(d3drm->CreateDeviceFromClipper(nullptr, "", 640, 480), Error);
  EXPECT_THROW(d3drm->CreateLightRGB(static_cast<LightType>(1), 1, 1, 1), Error);
  EXPECT_THROW(viewport->SetBack(0.5F), Error);
  EXPECT_THROW(viewport->Render(nullptr), Error);
}

// The pixel where a world point lands is r, g, b up to rounding; the picture stays solid.
void ExpectPixel(const Image& image, const Viewport& viewport, Vec3 at, int r, int g, int b) {
  float x = 0, y = 0;
  ASSERT_TRUE(viewport.Project(at, x, y));
  const Image::Pixel p = image.At(static_cast<int>(x), static_cast<int>(y));
  EXPECT_TRUE(std::abs(p.r - r) <= 1 && std::abs(p.g - g) <= 1 && std::abs(p.b - b) <= 1 &&
              p.a == 255)
      << int{p.r} << ", " << int{p.g} << ", " << int{p.b} << ", " << int{p.a};
}

TEST_F(RenderTest, TranslucentMeshesAreBlendedOverTheSolidPicture) {
  // The unlit white triangle at z = 5 (first in the tree) over a red cube and the black clear.
  FramePtr glass = d3drm->CreateFrame(scene);
  glass->AddChild(AddMesh("tri_front.x", 0.0F, 0.0F, 0.0F));
  AddMesh("cube.x", 0.0F, 0.0F, 10.0F)->Visuals().front()->SetColorRGB(1.0F, 0.0F, 0.0F);
  scene->AddLight(d3drm->CreateLightRGB(LightType::kAmbient, 1.0F, 1.0F, 1.0F));
  const Image solid = RenderImage();
  glass->SetOpacity(0.4F);
  ExpectPixel(RenderImage(), *viewport, {0.2F, 0.2F, 5.0F}, 255, 102, 102);
  ExpectPixel(RenderImage(), *viewport, {1.5F, 0.2F, 5.0F}, 102, 102, 102);
  glass->Children().front()->SetOpacity(0.5F);  // opacities multiply down the tree
  ExpectPixel(RenderImage(), *viewport, {1.5F, 0.2F, 5.0F}, 51, 51, 51);
  glass->SetOpacity(0.0F);
  ExpectPixel(RenderImage(), *viewport, {1.5F, 0.2F, 5.0F}, 0, 0, 0);
  EXPECT_EQ(viewport->LastDrawCount(), 1);
  glass->SetOpacity(1.0F);
  glass->Children().front()->SetOpacity(1.0F);
  EXPECT_TRUE(RenderImage().rgba == solid.rgba) << "a solid picture changed";
  EXPECT_THROW(glass->SetOpacity(1.5F), Error);
}

}  // namespace
}  // namespace ursa::rm
