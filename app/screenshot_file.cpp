// F12's screenshot file: the XDG pictures folder, a dated name that never overwrites, and a
// message instead of a stop when it cannot be written.
#include "app/screenshot_file.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "app/player_file.hpp"
#include "app/user_folders.hpp"
#include "toolkit/error.hpp"
#include "toolkit/form1.hpp"
#include "toolkit/png_writer.hpp"

namespace ursa {
namespace {

namespace fs = std::filesystem;

// Screenshots taken in one second: F12's key repeat is ignored, so no player comes near it.
constexpr int kMaxNamesASecond = 1000;

// The desktop's user-dirs.dirs is a few lines; anything larger is not one.
constexpr std::uintmax_t kMaxUserDirsBytes = 64 << 10;

// The text of user-dirs.dirs; empty when it is missing or is not a file the game reads.
std::string ReadUserDirs(const fs::path& path) {
  std::string text;
  std::string why;
  return ReadPlayerFile(path.string(), kMaxUserDirsBytes, text, why) == FileRead::kRead
             ? text
             : std::string();
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
    pictures = PicturesDirFromUserDirs(ReadUserDirs(fs::path(config) / "user-dirs.dirs"), home);
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

std::string WriteScreenshot(const tk::RgbImage& image, const std::string& folder,
                            const std::tm& localTime, std::FILE* errors) {
  const auto fail = [errors](const std::string& why) {
    std::fprintf(errors, "ursa: the screenshot was not saved: %s\n", why.c_str());
    return std::string();
  };
  if (folder.empty()) return fail("there is no HOME folder to save it in");
  std::error_code error;
  fs::create_directories(folder, error);
  if (error) return fail("cannot make the folder " + folder + ": " + error.message());

  // Each name is taken only by making a new file under it, so that nothing already there, a
  // link into another folder least of all, is written through or replaced.
  fs::path path;
  int fd = -1;
  for (int repeat = 1; fd < 0; ++repeat) {
    if (repeat > kMaxNamesASecond) return fail("every name for this second is taken in " + folder);
    path = fs::path(folder) / ScreenshotName(localTime, repeat);
    fd = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0 && errno != EEXIST) {
      return fail("cannot make " + path.string() + ": " + std::strerror(errno));
    }
  }
  // The PNG goes through the descriptor of the file just made, never by its name.
  std::string why;
  if (std::FILE* file = fdopen(fd, "wb")) {
    try {
      tk::WritePng(image, file, path.string());
    } catch (const tk::Error& e) {
      why = e.what();
    }
    if (std::fclose(file) != 0 && why.empty()) {
      why = "cannot write the screenshot " + path.string() + ": " + std::strerror(errno);
    }
  } else {
    why = "cannot write the screenshot " + path.string() + ": " + std::strerror(errno);
    close(fd);
  }
  if (!why.empty()) {
    // A half-written file is no screenshot.
    unlink(path.c_str());
    return fail(why + "; the part written is removed");
  }
  return path.string();
}

bool SaveScreenshot(tk::Form1& form, const std::string& folder) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  const std::string path = WriteScreenshot(form.Screenshot(), folder, local, stderr);
  if (path.empty()) return false;
  std::printf("%s\n", path.c_str());
  std::fflush(stdout);
  return true;
}

}  // namespace ursa
