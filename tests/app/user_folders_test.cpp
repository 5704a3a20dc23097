// The player's folders from the environment: XDG_PICTURES_DIR set there chooses where F12's
// screenshots go, ahead of user-dirs.dirs, as long as it is a full path.
#include "app/user_folders.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/screenshot_file.hpp"
#include "tests/scoped_env.hpp"
#include "tests/sim_runner.hpp"

namespace ursa {
namespace {

TEST(PicturesFolder, XdgPicturesDirInTheEnvironmentComesFirst) {
  const std::string home = test::TempPath("pictures_home");
  std::filesystem::create_directories(home + "/.config");
  std::ofstream(home + "/.config/user-dirs.dirs") << "XDG_PICTURES_DIR=\"$HOME/Fotos\"\n";
  const ScopedEnv setHome("HOME", home.c_str());
  const ScopedEnv noConfig("XDG_CONFIG_HOME", nullptr);
  {
    const ScopedEnv pictures("XDG_PICTURES_DIR", "/srv/shots");
    EXPECT_EQ(ScreenshotFolder(), "/srv/shots/Ursa");
  }
  // A relative or empty one names no folder: user-dirs.dirs decides.
  for (const char* value : {"Shots", ""}) {
    const ScopedEnv pictures("XDG_PICTURES_DIR", value);
    EXPECT_EQ(ScreenshotFolder(), home + "/Fotos/Ursa") << value;
  }
}

}  // namespace
}  // namespace ursa
