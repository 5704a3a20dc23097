// F12's screenshot file: the XDG pictures folder, a dated name that never overwrites, and a
// message instead of a stop when it cannot be written.
#include "app/screenshot_file.hpp"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "app/user_folders.hpp"
#include "toolkit/error.hpp"
#include "toolkit/form1.hpp"

namespace ursa {
namespace {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

std::string PicturesDirFromUserDirs(const std::string& userDirsText, const std::string& home) {
  std::istringstream lines(userDirsText);
  std::string found;
  for (std::string line; std::getline(lines, line);) {
    const std::string key = "XDG_PICTURES_DIR=\"";
    const size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos || line.compare(start, key.size(), key) != 0) continue;
    const size_t open = start + key.size();
    const size_t close = line.find('"', open);
    if (close == std::string::npos) continue;
    std::string path = line.substr(open, close - open);
    if (path.rfind("$HOME", 0) == 0 && (path.size() == 5 || path[5] == '/')) {
      if (home.empty()) continue;
      path = home + path.substr(5);
    } else if (path.empty() || path[0] != '/') {
      continue;
    }
    found = path;  // the last such line is the one the desktop uses
  }
  return found;
}

std::string ScreenshotFolder() {
  const std::string home = HomeFolder();
  const std::string config = ConfigFolder();
  std::string pictures = PicturesFolderFromEnvironment();
  if (pictures.empty() && !config.empty()) {
    pictures = PicturesDirFromUserDirs(ReadFile(fs::path(config) / "user-dirs.dirs"), home);
  }
  if (pictures.empty()) {
    if (home.empty()) return {};
    pictures = home + "/Pictures";
  }
  return (fs::path(pictures) / "Ursa").lexically_normal().string();
}

std::string ScreenshotName(const std::tm& localTime, int repeat) {
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d-%H-%M-%S", &localTime);
  std::string name = "ursa-";
  name += stamp;
  if (repeat > 1) {
    name += '-';
    name += std::to_string(repeat);
  }
  name += ".png";
  return name;
}

bool SaveScreenshot(tk::Form1& form, const std::string& folder) {
  const auto fail = [](const std::string& why) {
    std::fprintf(stderr, "ursa: the screenshot was not saved: %s\n", why.c_str());
    return false;
  };
  if (folder.empty()) return fail("there is no HOME folder to save it in");
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) return fail("cannot make the folder " + folder + ": " + error.message());

  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  fs::path path;
  for (int repeat = 1;; ++repeat) {
    path = fs::path(folder) / ScreenshotName(local, repeat);
    if (!fs::exists(path, error)) break;
  }
  try {
    form.Screenshot(path.string());
  } catch (const tk::Error& e) {
    // A half-written file is no screenshot.
    fs::remove(path, error);
    return fail(e.what());
  }
  std::printf("%s\n", path.string().c_str());
  std::fflush(stdout);
  return true;
}

}  // namespace ursa
