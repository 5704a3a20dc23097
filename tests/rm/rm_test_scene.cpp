// The shared test scene of the retained-mode tests.
// One offscreen display and one scratch folder serve the whole test process.
#include "rm_test_scene.hpp"

#include <unistd.h>

#include <fstream>
#include <iterator>
#include <memory>

namespace ursa::rm {

std::string DataFile(const std::string& name) {
  return std::string(URSA_RM_TEST_DATA) + "/" + name;
}

namespace {

struct ScratchFolder {
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("ursa_rm_test_" + std::to_string(getpid()));
  ScratchFolder() { std::filesystem::create_directories(dir); }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(dir, ignored);
  }
};

}  // namespace

std::filesystem::path Scratch() {
  static ScratchFolder folder;
  return folder.dir;
}

std::string WriteScratch(const std::string& name, const std::string& content) {
  const std::filesystem::path path = Scratch() / name;
  std::ofstream(path, std::ios::binary) << content;
  return path.string();
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

harness::OffscreenDisplay& TestDisplay() {
  static auto* display = new harness::OffscreenDisplay();  // lives until the process ends
  return *display;
}

void RmTest::SetUp() {
  root = CreateDirectXRoot(TestDisplay());
  d3drm = root->Direct3DRMCreate();
  clipper = root->DirectDrawCreate("")->CreateClipper(0);
  clipper->SetHWnd(&picture);
  device = d3drm->CreateDeviceFromClipper(clipper, "", 640, 480);
  scene = d3drm->CreateFrame(nullptr);
  camera = d3drm->CreateFrame(scene);
  viewport = d3drm->CreateViewport(device, camera, 120, 65, 400, 300);
  viewport->SetBack(5000.0F);
}

Image RmTest::RenderImage() {
  viewport->Clear(7);
  viewport->Render(scene);
  return device->ReadImage();
}

FramePtr RmTest::AddMesh(const std::string& file, float x, float y, float z) {
  MeshBuilderPtr mesh = d3drm->CreateMeshBuilder();
  mesh->LoadFromFile(DataFile(file), 0, 0);
  FramePtr frame = d3drm->CreateFrame(scene);
  frame->AddVisual(mesh);
  frame->SetPosition(nullptr, x, y, z);
  return frame;
}

FramePtr RmTest::AddLight(float dx, float dy, float dz) {
  FramePtr frame = d3drm->CreateFrame(scene);
  frame->AddLight(d3drm->CreateLightRGB(LightType::kDirectional, 1.0F, 1.0F, 1.0F));
  frame->SetOrientation(nullptr, dx, dy, dz, 0.0F, 1.0F, 0.0F);
  return frame;
}

int Brightness(const Image& image, int x, int y) {
  const Image::Pixel p = image.At(x, y);
  return p.r + p.g + p.b;
}

}  // namespace ursa::rm
