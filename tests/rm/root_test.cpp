// Root and display-mode tests against a stand-in display: the mode switch reaches the
// display, bad arguments are refused, and a display without OpenGL fails cleanly.
#include <gtest/gtest.h>

#include <string>

#include "view/rm/rm.hpp"

namespace ursa::rm {
namespace {

class StandInDisplay : public Display {
 public:
  void SetDisplayMode(int width, int height, int bitsPerPixel) override {
    mode =
        std::to_string(width) + "x" + std::to_string(height) + "x" + std::to_string(bitsPerPixel);
  }
  bool MakeContextCurrent() override { return false; }
  std::string mode;
};

TEST(RootTest, DisplayModeReachesTheDisplay) {
  StandInDisplay display;
  DirectDrawPtr ddraw = CreateDirectXRoot(display)->DirectDrawCreate("");
  ddraw->SetDisplayMode(640, 480, 16, 0, 0);
  EXPECT_EQ(display.mode, "640x480x16");
  EXPECT_THROW(ddraw->SetDisplayMode(640, 480, 15, 0, 0), Error);
  EXPECT_THROW(ddraw->SetDisplayMode(0, 480, 16, 0, 0), Error);
  EXPECT_EQ(display.mode, "640x480x16");
  EXPECT_NE(ddraw->CreateClipper(0), nullptr);
}

TEST(RootTest, UnknownDriversAndMissingOpenGlGiveClearErrors) {
  StandInDisplay display;
  DirectXRootPtr root = CreateDirectXRoot(display);
  EXPECT_THROW(root->DirectDrawCreate("display2"), Error);
  try {
    root->Direct3DRMCreate();
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "Direct3DRMCreate: no OpenGL context on the display");
  }
}

}  // namespace
}  // namespace ursa::rm
