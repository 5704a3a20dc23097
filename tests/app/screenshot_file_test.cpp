// Where F12's screenshots go, without a window: the XDG pictures folder as user-dirs.dirs
// names it, ~/Pictures otherwise.
#include "app/screenshot_file.hpp"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/scoped_env.hpp"
#include "tests/sim_runner.hpp"

namespace ursa {
namespace {

TEST(PicturesFolder, ReadFromUserDirsAsTheDesktopWritesIt) {
  const std::string home = "/home/kuma";
  EXPECT_EQ(PicturesDirFromUserDirs("XDG_PICTURES_DIR=\"$HOME/Bilder\"\n", home),
            "/home/kuma/Bilder");
  EXPECT_EQ(PicturesDirFromUserDirs("# XDG_PICTURES_DIR=\"$HOME/Old\"\n"
                                    "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
                                    "  XDG_PICTURES_DIR=\"/srv/pictures\"\n",
                                    home),
            "/srv/pictures");
  EXPECT_EQ(
      PicturesDirFromUserDirs("XDG_PICTURES_DIR=\"$HOME/A\"\nXDG_PICTURES_DIR=\"$HOME/B\"\n", home),
      "/home/kuma/B")
      << "the last line counts";
  // Relative paths, another variable that starts like HOME, an unclosed quote: none counts.
  for (const char* text : {"XDG_PICTURES_DIR=\"Pictures\"\n", "XDG_PICTURES_DIR=\"$HOMEX/P\"\n",
                           "XDG_PICTURES_DIR=\"$HOME/P\n", ""}) {
    EXPECT_EQ(PicturesDirFromUserDirs(text, home), "") << text;
  }
  EXPECT_EQ(PicturesDirFromUserDirs("XDG_PICTURES_DIR=\"$HOME/P\"\n", ""), "") << "no HOME";
}

TEST(PicturesFolder, AnUrsaFolderInThePicturesFolderOrInPictures) {
  const std::string home = test::TempPath("home");
  std::filesystem::create_directories(home + "/.config");
  const ScopedEnv setHome("HOME", home.c_str());
  const ScopedEnv noConfig("XDG_CONFIG_HOME", "");
  EXPECT_EQ(ScreenshotFolder(), home + "/Pictures/Ursa");
  std::ofstream(home + "/.config/user-dirs.dirs") << "XDG_PICTURES_DIR=\"$HOME/Fotos\"\n";
  EXPECT_EQ(ScreenshotFolder(), home + "/Fotos/Ursa");
  // XDG_CONFIG_HOME says where user-dirs.dirs is.
  const ScopedEnv config("XDG_CONFIG_HOME", (home + "/elsewhere").c_str());
  EXPECT_EQ(ScreenshotFolder(), home + "/Pictures/Ursa");
}

}  // namespace
}  // namespace ursa
