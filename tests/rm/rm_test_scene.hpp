// RmTest: a fixture with a renderer on the offscreen display, a 640 x 480 device, a scene
// with a camera at the origin looking along +z, and the game's 400 x 300 viewport.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "harness/offscreen_display.hpp"
#include "view/rm/rm.hpp"

namespace ursa::rm {

// The path of a file in the tests' data folder.
std::string DataFile(const std::string& name);

// A folder for files the tests write, removed when the test process ends.
std::filesystem::path Scratch();
// Writes content to a file of that name in the scratch folder; returns its path.
std::string WriteScratch(const std::string& name, const std::string& content);
std::string ReadFile(const std::string& path);

// The process-wide offscreen display (SDL is started once).
harness::OffscreenDisplay& TestDisplay();

class RmTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // Clears the viewport, renders the scene and reads the device's image back.
  Image RenderImage();
  // A frame under the scene showing the file's mesh at (x, y, z).
  FramePtr AddMesh(const std::string& file, float x, float y, float z);
  // A directional light under the scene, shining along (dx, dy, dz).
  FramePtr AddLight(float dx, float dy, float dz);

  harness::OffscreenPicture picture;
  DirectXRootPtr root;
  Direct3DRMPtr d3drm;
  ClipperPtr clipper;
  DevicePtr device;
  FramePtr scene;
  FramePtr camera;
  ViewportPtr viewport;
};

// Brightness of a pixel: the sum of its colour channels.
int Brightness(const Image& image, int x, int y);

}  // namespace ursa::rm
