// The player's settings and F12 through the real window, headless on the virtual clock: F12
// saves what the player sees into the pictures folder of a scratch HOME, F11 is written back
// to ursa.ini, and a key bound in the file is the one the game takes.
#include "app/window_settings.hpp"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "app/settings_file.hpp"
#include "harness/scripted_play.hpp"
#include "tests/scoped_env.hpp"
#include "tests/sim_runner.hpp"

namespace ursa::test {
namespace {

namespace fs = std::filesystem;
using harness::ScriptedPlay;

std::string FreshFolder(const std::string& name) {
  const std::string folder = TempPath(name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

// The PNG decoded as RGB; an empty picture when it cannot be read.
tk::RgbImage ReadPng(const std::string& path) {
  png_image png;
  std::memset(&png, 0, sizeof png);
  png.version = PNG_IMAGE_VERSION;
  tk::RgbImage image;
  if (png_image_begin_read_from_file(&png, path.c_str()) == 0) return image;
  png.format = PNG_FORMAT_RGB;
  image.width = static_cast<int>(png.width);
  image.height = static_cast<int>(png.height);
  image.rgb.resize(PNG_IMAGE_SIZE(png));
  if (png_image_finish_read(&png, nullptr, image.rgb.data(), 0, nullptr) == 0) return {};
  return image;
}

std::vector<fs::path> FilesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(folder, ignored)) files.push_back(entry.path());
  return files;
}

TEST(ScreenshotKey, F12SavesThePictureThePlayerSeesAndPlayGoesOn) {
  const std::string home = FreshFolder("f12_home");
  const ScopedEnv setHome("HOME", home.c_str());
  const ScopedEnv noConfig("XDG_CONFIG_HOME", nullptr);
  const ScopedEnv noPictures("XDG_PICTURES_DIR", nullptr);
  const fs::path folder = fs::path(home) / "Pictures" / "Ursa";
  ScriptedPlay play;
  std::string printed;
  tk::RgbImage seen;
  int framesAtKey = -1;
  const std::string missed = play.Run({
      ScriptedPlay::StartUp(),
      {"title", [] { return true; }, [&] { play.Press(SDLK_RETURN); }},
      {"in play", [&] { return play.Playing(10); },
       [&] {
         testing::internal::CaptureStdout();
         framesAtKey = play.State().frameCount;
         // The key is taken later in this same pump, before the next frame draws anything.
         seen = play.Form().Screenshot();
         play.Press(SDLK_F12);
         play.Release(SDLK_F12);
       }},
      {"saved", [&] { return !FilesIn(folder).empty(); },
       [&] {
         printed = testing::internal::GetCapturedStdout();
         // Two more in the same moment: none overwrites another.
         play.Press(SDLK_F12);
         harness::PushKey(play.Form(), SDLK_F12, true, true);  // a held key's repeat takes none
         play.Release(SDLK_F12);
         play.Press(SDLK_F12);
       }},
      {"play went on", [&] { return play.Playing(framesAtKey + 20); },
       [&] { ScriptedPlay::Close(); }},
  });
  EXPECT_EQ(missed, "");
  const std::vector<fs::path> files = FilesIn(folder);
  ASSERT_EQ(files.size(), 3U);
  ASSERT_FALSE(printed.empty());
  const fs::path first = printed.substr(0, printed.find('\n'));
  EXPECT_EQ(first.parent_path(), folder);
  EXPECT_EQ(first.filename().string().rfind("ursa-", 0), 0U) << first;
  // The file holds the picture the window showed when F12 went down.
  const tk::RgbImage saved = ReadPng(first.string());
  ASSERT_EQ(saved.width, 640);
  ASSERT_EQ(saved.height, 480);
  EXPECT_TRUE(saved.rgb == seen.rgb) << "the PNG is not the window's picture";
}

TEST(ScreenshotKey, AFolderThatCannotBeMadeIsSaidAndPlayGoesOn) {
  const std::string home = FreshFolder("f12_blocked");
  // "Pictures" is a file: the Ursa folder cannot be made in it, whoever runs the test.
  std::FILE* blocker = std::fopen((home + "/Pictures").c_str(), "w");
  ASSERT_NE(blocker, nullptr);
  std::fclose(blocker);
  const ScopedEnv setHome("HOME", home.c_str());
  const ScopedEnv noConfig("XDG_CONFIG_HOME", nullptr);
  const ScopedEnv noPictures("XDG_PICTURES_DIR", nullptr);
  ScriptedPlay play;
  std::string said;
  const std::string missed = play.Run({
      ScriptedPlay::StartUp(),
      {"title", [] { return true; },
       [&] {
         testing::internal::CaptureStderr();
         play.Press(SDLK_F12);
         play.Press(SDLK_RETURN);
       }},
      {"in play", [&] { return play.Playing(5); },
       [&] {
         said = testing::internal::GetCapturedStderr();
         ScriptedPlay::Close();
       }},
  });
  EXPECT_EQ(missed, "");
  EXPECT_NE(said.find("ursa: the screenshot was not saved: cannot make the folder " + home +
                      "/Pictures/Ursa"),
            std::string::npos)
      << said;
}

TEST(WindowSettings, F11IsWrittenBackAndNothingElse) {
  const std::string path = FreshFolder("f11") + "/ursa/ursa.ini";
  Settings atStart;
  atStart.fullscreen = false;  // as the scripted window opens
  {
    ScriptedPlay play;
    const std::string missed = play.Run({
        ScriptedPlay::StartUp(),
        {"title", [] { return true; }, [&] { play.Press(SDLK_F11); }},
        {"full screen", [&] { return play.Form().Fullscreen(); }, [] { ScriptedPlay::Close(); }},
    });
    ASSERT_EQ(missed, "") << "the offscreen display refused full screen";
    const Settings atEnd = SettingsAtEnd(atStart, play.Window());
    EXPECT_TRUE(atEnd.fullscreen);
    EXPECT_TRUE(SaveSettings(path, atStart, atEnd, stderr));
  }
  const std::string text = ReadFile(path);
  EXPECT_NE(text.find("\nfullscreen = yes\n"), std::string::npos) << text;
  Settings expected;
  expected.fullscreen = true;
  EXPECT_TRUE(SameSettings(LoadSettings(path, stderr), expected));

  // A run that only looks leaves the file alone.
  {
    ScriptedPlay play;
    ASSERT_EQ(play.Run({ScriptedPlay::StartUp(),
                        {"title", [] { return true; }, [] { ScriptedPlay::Close(); }}}),
              "");
    const auto written = fs::last_write_time(path);
    EXPECT_TRUE(SaveSettings(path, atStart, SettingsAtEnd(atStart, play.Window()), stderr));
    EXPECT_EQ(fs::last_write_time(path), written);
    EXPECT_EQ(ReadFile(path), text);
  }
}

TEST(WindowSettings, TheSizeThePlayerGaveTheWindowOutlastsFullScreen) {
  Settings atStart;
  atStart.fullscreen = false;  // as the scripted window opens
  ScriptedPlay play;
  SDL_Window* window = SDL_GetWindowFromID(play.Form().WindowId());
  Settings quitInFullScreen;
  int width = 0;
  int height = 0;
  const auto pressF11 = [&] {
    play.Press(SDLK_F11);
    play.Release(SDLK_F11);
  };
  const std::string missed = play.Run({
      ScriptedPlay::StartUp(),
      {"title", [] { return true; },
       [&] {
         SDL_SetWindowSize(window, 1000, 500);  // as the player drags the window's corner
         pressF11();
       }},
      {"full screen", [&] { return play.Form().Fullscreen(); },
       [&] {
         quitInFullScreen = SettingsAtEnd(atStart, play.Window());
         pressF11();
       }},
      {"a window again", [&] { return !play.Form().Fullscreen(); },
       [&] {
         SDL_GetWindowSize(window, &width, &height);
         ScriptedPlay::Close();
       }},
  });
  ASSERT_EQ(missed, "");
  EXPECT_EQ(width, 1000);
  EXPECT_EQ(height, 500);
  EXPECT_EQ(quitInFullScreen.windowWidth, 1000);
  EXPECT_EQ(quitInFullScreen.windowHeight, 500);
  const Settings atEnd = SettingsAtEnd(atStart, play.Window());
  EXPECT_EQ(atEnd.windowWidth, 1000);
  EXPECT_EQ(atEnd.windowHeight, 500);
}

TEST(WindowSettings, AKeyBoundInTheFileIsTheOneTheGameTakes) {
  const std::string path = FreshFolder("bound") + "/ursa.ini";
  std::FILE* file = std::fopen(path.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fputs("[keys]\nright = D, Keypad 6\n", file);
  std::fclose(file);
  const Settings settings = LoadSettings(path, stderr);
  ScriptedPlay play;
  EXPECT_EQ(play.Window().SetInputOptions(settings.input), std::vector<std::string>{});
  int16_t xAfterArrow = 0;
  const std::string missed = play.Run({
      ScriptedPlay::StartUp(),
      {"title", [] { return true; }, [&] { play.Press(SDLK_RETURN); }},
      {"arrow", [&] { return play.Playing(2); }, [&] { play.Press(SDLK_RIGHT); }},
      {"no longer Right", [&] { return play.Playing(12); },
       [&] {
         xAfterArrow = play.State().playerX;
         play.Release(SDLK_RIGHT);
         play.Press(SDLK_d);
       }},
      {"D runs", [&] { return play.Playing(22); },
       [&] {
         EXPECT_EQ(xAfterArrow, 0) << "the arrow still runs";
         EXPECT_GT(play.State().playerX, 0) << "D does not run";
         ScriptedPlay::Close();
       }},
  });
  EXPECT_EQ(missed, "");
}

}  // namespace
}  // namespace ursa::test
