// Form1 as the shell and the screens use it: the screen picture copied from Image1, the
// program's directory, presenting to a real window, and start-up failures.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "form_fixture.hpp"
#include "test_pictures.hpp"

namespace ursa::tk {
namespace {

uint32_t PictureColor(int x, int y) { return PackColor(x & 0xF8, y & 0xFC, 0x18); }

TEST_F(FormTest, ScreensCopyAHalfOfImage1EnlargedByTwo) {
  const auto bmp = MakeBmp(320, 480, PictureColor);
  form->Image1().LoadFromMemory(bmp.data(), bmp.size());
  form->Canvas().PaintPicture(form->Image1(), {0, 240, 320, 240}, {0, 0, 640, 480});
  int wrong = 0;
  for (int y = 0; y < 480; ++y) {
    for (int x = 0; x < 640; ++x)
      wrong += form->Canvas().Point(x, y) != PictureColor(x / 2, 240 + y / 2);
  }
  EXPECT_EQ(wrong, 0);
}

TEST_F(FormTest, AppPathIsTheExecutablesDirectoryWithoutTrailingSeparator) {
  const auto exe = std::filesystem::canonical("/proc/self/exe");
  EXPECT_EQ(form->AppPath(), exe.parent_path().string());
  EXPECT_NE(form->AppPath().back(), '/');
}

TEST(FormPresentTest, PresentingToTheWindowShowsTheComposedImage) {
  FormOptions options;
  options.windowed = true;
  Form1 form(options);
  form.SetDisplayMode(640, 480, 16);
  form.Show();
  form.Canvas().PSet(1, 2, kWhite);
  form.Picture1().SetVisible(true);
  form.DoEvents();
  form.ToggleFullscreen();
  form.DoEvents();
  const RgbImage shot = form.Screenshot();
  EXPECT_EQ(shot.At(1, 2), kWhite);
  EXPECT_EQ(shot.At(1, 300), kBlack);
}

TEST(FormStartTest, NoDisplayIsOneClearError) {
  const char* old = std::getenv("SDL_VIDEODRIVER");
  const std::string saved = old != nullptr ? old : "";
  setenv("SDL_VIDEODRIVER", "ursa-no-such-driver", 1);
  try {
    Form1 form;
    FAIL() << "a window opened without a display";
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("no display"), std::string::npos) << e.what();
    EXPECT_NE(std::string(e.what()).find("SDL_VIDEODRIVER=offscreen"), std::string::npos);
  }
  setenv("SDL_VIDEODRIVER", saved.c_str(), 1);
}

}  // namespace
}  // namespace ursa::tk
