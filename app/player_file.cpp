// The player's small files read without blocking: stat first, open only a regular file, with
// O_NONBLOCK in case a pipe took its place since, and stop one byte past the limit. Written
// whole to a new file that is flushed and then renamed over the old one.
#include "app/player_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <utility>

namespace ursa {
namespace {

// Set-aside names tried before giving up: a folder with this many set-aside copies of one
// file holds something else than the player's damaged files.
constexpr int kMaxSetAside = 1000;

// A new file's name is the file's, this, and mkstemp's six letters and digits: a name no
// player gives a file, so that what a killed write left is told from the player's own.
constexpr std::string_view kNewFileMark = ".writing-";
constexpr size_t kNewFileLetters = 6;

// A write takes a moment; a new file left this long is no longer any game's.
constexpr std::time_t kStaleSeconds = 10 * 60;

std::function<void(FileStep, const std::string&)>& StepWatch() {
  static std::function<void(FileStep, const std::string&)> watch;
  return watch;
}

void Reached(FileStep step, const std::string& path) {
  if (StepWatch()) StepWatch()(step, path);
}

std::string NotRegular(mode_t mode) {
  if (S_ISLNK(mode)) return "a symbolic link, not a regular file";
  return S_ISDIR(mode) ? "a folder, not a regular file" : "not a regular file";
}

// Writes all of `text` to `fd`; the errno of the failure, or 0.
int WriteAll(int fd, const std::string& text) {
  for (size_t done = 0; done < text.size();) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return errno;
    if (n == 0) return EIO;
    done += static_cast<size_t>(n);
  }
  return 0;
}

// A file set aside: its copy is there and it is gone, told in that order.
std::string SetAside(const std::string& path, const std::string& aside) {
  Reached(FileStep::kChanged, aside);
  Reached(FileStep::kChanged, path);
  return aside;
}

}  // namespace

FileRead ReadPlayerFile(const std::string& path, std::uintmax_t maxBytes, std::string& text,
                        std::string& why, FileLink link) {
  text.clear();
  const bool follow = link == FileLink::kFollowed;
  struct stat info {};
  const auto regular = [&] {
    if (S_ISREG(info.st_mode)) return true;
    why = NotRegular(info.st_mode);
    return false;
  };
  // Opening a device may wait for it or act on it, so only a regular file is opened at all.
  if ((follow ? stat(path.c_str(), &info) : lstat(path.c_str(), &info)) != 0) {
    if (errno == ENOENT) return FileRead::kMissing;
    why = std::strerror(errno);
    return FileRead::kRefused;
  }
  if (!regular()) return FileRead::kRefused;
  // A link that took the file's place since is not followed either.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | (follow ? 0 : O_NOFOLLOW));
  if (fd < 0) {
    if (errno == ENOENT) return FileRead::kMissing;
    why = errno == ELOOP && !follow ? NotRegular(S_IFLNK) : std::strerror(errno);
    return FileRead::kRefused;
  }
  bool read = fstat(fd, &info) == 0;
  if (!read) why = std::strerror(errno);
  read = read && regular();
  // The size a file says may be wrong (those of /proc say 0), so reading stops one byte past
  // the limit, however long the file goes on.
  char buffer[4096];
  while (read) {
    const std::uintmax_t room = maxBytes + 1 - text.size();
    const ssize_t n =
        ::read(fd, buffer, static_cast<size_t>(std::min<std::uintmax_t>(sizeof buffer, room)));
    if (n < 0 && errno == EINTR) continue;
    if (n == 0) break;
    if (n < 0) {
      why = std::strerror(errno);
      read = false;
    } else {
      text.append(buffer, static_cast<size_t>(n));
    }
    if (text.size() > maxBytes) {
      why = maxBytes >= (1U << 20) && maxBytes % (1U << 20) == 0
                ? "larger than " + std::to_string(maxBytes >> 20) + " MiB"
                : "larger than " + std::to_string(maxBytes) + " bytes";
      read = false;
    }
  }
  close(fd);
  if (!read) text.clear();
  return read ? FileRead::kRead : FileRead::kRefused;
}

bool ReplacePlayerFile(const std::string& path, const std::string& text, std::string& why) {
  namespace fs = std::filesystem;
  // Only a regular file is replaced, and only in its own place: a rename over a device, a pipe
  // or a folder that took its place would put the player's text where the system keeps
  // something else, and a link followed would let whoever can write in the folder choose which
  // of the player's files the game writes over. A link put there after this look is itself
  // renamed over, never followed.
  struct stat old {};
  const bool exists = lstat(path.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) {
    why = NotRegular(old.st_mode);
    return false;
  }
  std::string temporary = path + std::string(kNewFileMark) + std::string(kNewFileLetters, 'X');
  const int fd = mkstemp(temporary.data());
  if (fd < 0) {
    why = std::strerror(errno);
    return false;
  }
  Reached(FileStep::kNewFileMade, path);
  const mode_t mode = exists ? (old.st_mode & 07777) : 0644;
  int failure = fchmod(fd, mode) == 0 ? 0 : errno;
  if (failure == 0) failure = WriteAll(fd, text);
  if (failure == 0 && fsync(fd) != 0) failure = errno;
  if (close(fd) != 0 && failure == 0) failure = errno;
  if (failure == 0) Reached(FileStep::kNewFileWritten, path);
  if (failure == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) failure = errno;
  if (failure != 0) {
    unlink(temporary.c_str());
    why = std::strerror(failure);
    return false;
  }
  Reached(FileStep::kChanged, path);
  // The rename reaches the disk with its folder.
  const fs::path file = path;
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    fsync(folderFd);
    close(folderFd);
  }
  return true;
}

void ClearStaleWrites(const std::string& path) {
  namespace fs = std::filesystem;
  const fs::path file = path;
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  const std::string mark = file.filename().string() + std::string(kNewFileMark);
  const auto newFile = [&](const std::string& name) {
    return name.size() == mark.size() + kNewFileLetters && name.starts_with(mark) &&
           std::all_of(name.begin() + static_cast<std::ptrdiff_t>(mark.size()), name.end(),
                       [](unsigned char c) { return std::isalnum(c) != 0; });
  };
  const std::time_t now = std::time(nullptr);
  std::error_code error;
  for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
       entry.increment(error)) {
    struct stat info {};
    if (newFile(entry->path().filename().string()) && lstat(entry->path().c_str(), &info) == 0 &&
        S_ISREG(info.st_mode) && info.st_mtime < now - kStaleSeconds) {
      unlink(entry->path().c_str());
    }
  }
}

std::string SetAsidePlayerFile(const std::string& path, std::string& why) {
  for (int n = 1; n <= kMaxSetAside; ++n) {
    std::string aside = path + ".damaged";
    if (n > 1) aside.append(1, '-').append(std::to_string(n));
    // A second name made first, then the first taken away: link() never takes a name that
    // is already there, where rename() would write over it.
    if (link(path.c_str(), aside.c_str()) == 0) {
      if (unlink(path.c_str()) == 0) return SetAside(path, aside);
      why = std::strerror(errno);
      unlink(aside.c_str());
      return {};
    }
    if (errno == EEXIST) continue;
    // A folder whose file system has no hard links: the name is taken once it is seen free.
    struct stat taken {};
    if (lstat(aside.c_str(), &taken) == 0) continue;
    if (std::rename(path.c_str(), aside.c_str()) == 0) return SetAside(path, aside);
    why = std::strerror(errno);
    return {};
  }
  why = std::to_string(kMaxSetAside) + " files are set aside already";
  return {};
}

void WatchPlayerFiles(std::function<void(FileStep, const std::string&)> watch) {
  StepWatch() = std::move(watch);
}

}  // namespace ursa
