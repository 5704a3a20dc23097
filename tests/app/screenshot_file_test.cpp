// F12's screenshot files without a window: the XDG pictures folder as user-dirs.dirs names it
// (~/Pictures otherwise), and each picture a new file of its own, never written through a link.
#include "app/screenshot_file.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/app/file_test_support.hpp"
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

namespace fs = std::filesystem;

TEST(PicturesFolder, AUserDirsFileThatIsNoRegularFileIsPassedOverAtOnce) {
  const std::string home = test::TempPath("pipe_home");
  fs::create_directories(home + "/.config");
  ASSERT_EQ(mkfifo((home + "/.config/user-dirs.dirs").c_str(), 0644), 0);
  const ScopedEnv setHome("HOME", home.c_str());
  const ScopedEnv noConfig("XDG_CONFIG_HOME", nullptr);
  EXPECT_EQ(ScreenshotFolder(), home + "/Pictures/Ursa");
}

// 1 January 2026, midnight.
const std::tm kMoment = [] {
  std::tm t{};
  t.tm_mday = 1;
  t.tm_year = 126;
  return t;
}();

TEST(ScreenshotFile, ANewFileBesideLinksAndFilesOfItsNameNeverWrittenThroughThem) {
  const fs::path folder = test::TempPath("shots");
  const fs::path outside = test::TempPath("outside");
  fs::create_directories(folder);
  fs::create_directories(outside);
  fs::create_symlink(outside / "victim", folder / ScreenshotName(kMoment, 1));
  std::ofstream(folder / ScreenshotName(kMoment, 2)) << "an older picture";
  test::Said said;
  const std::string path =
      WriteScreenshot({2, 2, std::vector<uint8_t>(12)}, folder, kMoment, said.Stream());
  EXPECT_EQ(path, (folder / ScreenshotName(kMoment, 3)).string()) << said.Text();
  EXPECT_EQ(test::ReadFile(path).substr(1, 3), "PNG");
  EXPECT_FALSE(fs::exists(outside / "victim"));
  EXPECT_EQ(test::ReadFile(folder / ScreenshotName(kMoment, 2)), "an older picture");
}

TEST(ScreenshotFile, AWriteCutShortRemovesWhatItWroteAndSaysSo) {
  const std::string folder = test::TempPath("full");
  test::Said said;
  std::string path;
  {
    const test::FileSizeLimit full(100);
    path = WriteScreenshot({640, 480, std::vector<uint8_t>(640 * 480 * 3)}, folder, kMoment,
                           said.Stream());
  }
  EXPECT_EQ(path, "");
  EXPECT_TRUE(fs::is_empty(folder));
  EXPECT_EQ(said.Text(), "ursa: the screenshot was not saved: cannot write the screenshot " +
                             folder + "/" + ScreenshotName(kMoment, 1) +
                             ": File too large; the part written is removed\n");
}

}  // namespace
}  // namespace ursa
