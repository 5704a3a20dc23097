// Settings without a window: the file's defaults, a new file that reads back as written, a bad
// line said on the error stream, and the file on disk never left half written.
#include "app/settings.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/settings_file.hpp"
#include "app/settings_text.hpp"
#include "tests/app/file_test_support.hpp"
#include "tests/scoped_env.hpp"
#include "tests/sim_runner.hpp"

namespace ursa {
namespace {

namespace fs = std::filesystem;

using test::Said;

// A fresh folder for one test.
std::string Folder(const std::string& name) {
  const std::string folder = test::TempPath(name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

Settings Changed() {
  Settings s;
  s.fullscreen = false;
  s.windowWidth = 1000;
  s.windowHeight = 700;
  s.scaling = tk::Scaling::kWhole;
  s.vsync = true;
  s.motion = Motion::kSmooth;
  s.input.pauseOnFocusLoss = false;
  s.input.padDeadZone = 12000;
  s.input.bindings[0] = {"A", "Keypad 4"};
  s.input.bindings[5] = {"Q", ""};
  return s;
}

TEST(SettingsFile, NoFileMeansTheDefaultsQuietly) {
  Said said;
  const Settings loaded = LoadSettings(Folder("none") + "/ursa/ursa.ini", said.Stream());
  EXPECT_TRUE(SameSettings(loaded, Settings{}));
  EXPECT_EQ(said.Text(), "");
  EXPECT_TRUE(SameSettings(LoadSettings("", said.Stream()), Settings{})) << "no HOME";
}

TEST(SettingsFile, ABadLineIsSaidWithItsNumberOnTheErrorStream) {
  const std::string path = Folder("said") + "/ursa.ini";
  std::FILE* file = std::fopen(path.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fputs("[display]\nscaling = whole\nvsync = perhaps\n", file);
  std::fclose(file);
  Said said;
  const Settings loaded = LoadSettings(path, said.Stream());
  EXPECT_EQ(said.Text(),
            "ursa: " + path + " line 3: vsync: expected yes or no, found 'perhaps'; skipped\n");
  EXPECT_EQ(loaded.scaling, tk::Scaling::kWhole);
  EXPECT_FALSE(loaded.vsync);
}

TEST(SettingsText, TheWrittenFileReadsBackAsItWasWritten) {
  for (const Settings& settings : {Settings{}, Changed()}) {
    const SettingsRead read = ParseSettings(SettingsFileText(settings));
    EXPECT_EQ(read.problems, std::vector<std::string>{});
    EXPECT_TRUE(SameSettings(read.settings, settings)) << SettingsFileText(read.settings);
  }
  EXPECT_FALSE(SameSettings(Settings{}, Changed()));
}

TEST(SettingsFile, WrittenOnlyWhenASettingChangesAndThenWhole) {
  const std::string path = Folder("save") + "/config/ursa/ursa.ini";
  Said said;
  EXPECT_TRUE(SaveSettings(path, Settings{}, Settings{}, said.Stream()));
  EXPECT_FALSE(fs::exists(path)) << "nothing changed, so nothing is written";

  Settings windowed;
  windowed.fullscreen = false;
  ASSERT_TRUE(SaveSettings(path, Settings{}, windowed, said.Stream())) << said.Text();
  EXPECT_EQ(test::ReadFile(path), SettingsFileText(windowed));
  EXPECT_TRUE(SameSettings(LoadSettings(path, said.Stream()), windowed));
  EXPECT_EQ(said.Text(), "");
  // No temporary file is left beside it.
  EXPECT_EQ(
      std::distance(fs::directory_iterator(fs::path(path).parent_path()), fs::directory_iterator()),
      1);
}

TEST(SettingsFile, AFolderThatCannotBeWrittenIsSaidAndTheGameGoesOn) {
  const std::string base = Folder("blocked");
  // "ursa" is a file, so the settings folder cannot be made, whoever runs the test.
  std::FILE* blocker = std::fopen((base + "/ursa").c_str(), "w");
  ASSERT_NE(blocker, nullptr);
  std::fclose(blocker);
  Settings windowed;
  windowed.fullscreen = false;
  Said said;
  EXPECT_FALSE(SaveSettings(base + "/ursa/ursa.ini", Settings{}, windowed, said.Stream()));
  EXPECT_NE(said.Text().find("cannot save the settings in " + base + "/ursa/ursa.ini"),
            std::string::npos)
      << said.Text();

  // A read-only folder holding the file: the file stays as it was.
  const std::string folder = Folder("readonly");
  const std::string path = folder + "/ursa.ini";
  std::FILE* file = std::fopen(path.c_str(), "w");
  ASSERT_NE(file, nullptr);
  std::fputs("[display]\nvsync = yes\n", file);
  std::fclose(file);
  Said readOnly;
  const test::ChildEnd saved = test::InChild(
      [&] { return SaveSettings(path, Settings{}, windowed, readOnly.Stream()) ? 1 : 0; }, folder);
  EXPECT_EQ(saved.status, 0) << "1: saved all the same";
  EXPECT_NE(readOnly.Text().find("Permission denied"), std::string::npos) << readOnly.Text();
  EXPECT_EQ(test::ReadFile(path), "[display]\nvsync = yes\n");
}

TEST(SettingsFile, AControlByteInTheFoldersNameIsEscapedInEveryMessage) {
  const std::string config = Folder("escaped") + "/conf\x1b[2J";
  const ScopedEnv env("XDG_CONFIG_HOME", config.c_str());
  fs::create_directories(config + "/ursa");
  std::ofstream(SettingsPath()) << "vsync = perhaps\n";
  Said said;
  LoadSettings(SettingsPath(), said.Stream());
  EXPECT_FALSE(SaveSettings(SettingsPath() + "/x", Settings{}, Changed(), said.Stream()));
  const std::string text = said.Text();
  const std::string escaped = "conf\\x1b[2J/ursa/ursa.ini";
  EXPECT_EQ(text.find('\x1b'), std::string::npos) << text;
  EXPECT_NE(text.find(escaped), text.rfind(escaped)) << "said twice, escaped: " << text;
}

TEST(SettingsFile, AWriteCutShortLeavesTheOldFileWhole) {
  const std::string folder = Folder("atomic");
  const std::string path = folder + "/ursa.ini";
  Said said;
  Settings windowed;
  windowed.fullscreen = false;
  ASSERT_TRUE(SaveSettings(path, Settings{}, windowed, said.Stream())) << said.Text();
  const std::string old = test::ReadFile(path);

  // The new file may not grow past 100 bytes: its write fails half way.
  Settings changed = Changed();
  bool saved = true;
  {
    const test::FileSizeLimit full(100);
    saved = SaveSettings(path, Settings{}, changed, said.Stream());
  }

  EXPECT_FALSE(saved);
  EXPECT_NE(said.Text().find("File too large"), std::string::npos) << said.Text();
  EXPECT_EQ(test::ReadFile(path), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1)
      << "the cut temporary file is removed";
}

TEST(SettingsFile, AFileThatIsNoRegularFileOrTooLargeIsRefusedAtOnceAndNeverWritten) {
  const std::string folder = Folder("refused");
  const std::string fifo = folder + "/fifo.ini";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
  const std::string zeros = folder + "/zeros.ini";
  fs::create_symlink("/dev/zero", zeros);
  const std::string large = folder + "/large.ini";
  std::ofstream(large) << "[display]\nvsync = yes\n";
  fs::resize_file(large, kMaxSettingsBytes + 1);
  const std::string folderAsFile = Folder("refused/folder.ini");
  Settings windowed;
  windowed.fullscreen = false;
  for (const std::string& path : {fifo, zeros, large, folderAsFile}) {
    Said said;
    EXPECT_TRUE(SameSettings(LoadSettings(path, said.Stream()), Settings{})) << path;
    const std::string text = said.Text();
    EXPECT_EQ(text.find("ursa: cannot read the settings " + path), 0U) << text;
    EXPECT_NE(text.find("will not be saved this run\n"), std::string::npos) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    SaveSettings(path, Settings{}, windowed, said.Stream());
  }
  EXPECT_EQ(fs::status(fifo).type(), fs::file_type::fifo);
  // A link to a regular file (kept with other dotfiles) is read where it points.
  std::ofstream(folder + "/real.ini") << "[display]\nvsync = yes\n";
  fs::create_symlink(folder + "/real.ini", folder + "/link.ini");
  EXPECT_TRUE(LoadSettings(folder + "/link.ini", stderr).vsync);
  // And written there, the link kept.
  ASSERT_TRUE(SaveSettings(folder + "/link.ini", Settings{}, windowed, stderr));
  EXPECT_EQ(test::ReadFile(folder + "/real.ini"), "[display]\nvsync = yes\nfullscreen = no\n");
  EXPECT_TRUE(fs::is_symlink(folder + "/link.ini"));
  EXPECT_EQ(fs::file_size(large), kMaxSettingsBytes + 1);
  EXPECT_TRUE(fs::is_directory(folderAsFile));

  // A file that turns into one during the run is not written either.
  const std::string later = folder + "/later.ini";
  LoadSettings(later, stderr);
  ASSERT_EQ(mkfifo(later.c_str(), 0644), 0);
  Said said;
  EXPECT_FALSE(SaveSettings(later, Settings{}, windowed, said.Stream()));
  EXPECT_NE(said.Text().find("not a regular file"), std::string::npos) << said.Text();
}

TEST(PictureRect, FitKeepsTheShapeAndWholeKeepsWholeMultiples) {
  struct Case {
    int width, height;
    tk::Scaling scaling;
    tk::Rect expected;
  };
  const Case cases[] = {
      {1920, 1080, tk::Scaling::kFit, {240, 0, 1440, 1080}},
      {1920, 1080, tk::Scaling::kWhole, {320, 60, 1280, 960}},
      {1280, 960, tk::Scaling::kWhole, {0, 0, 1280, 960}},
      {1279, 959, tk::Scaling::kWhole, {319, 239, 640, 480}},
      {1000, 700, tk::Scaling::kFit, {33, 0, 933, 700}},
      // Smaller than the picture: both shrink it to fit.
      {320, 300, tk::Scaling::kWhole, {0, 30, 320, 240}},
  };
  for (const Case& c : cases) {
    const tk::Rect r = tk::PictureRect(c.width, c.height, c.scaling);
    EXPECT_EQ((std::vector<int>{r.x, r.y, r.width, r.height}),
              (std::vector<int>{c.expected.x, c.expected.y, c.expected.width, c.expected.height}))
        << c.width << "x" << c.height;
  }
}

}  // namespace
}  // namespace ursa
