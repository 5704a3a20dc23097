// The player's small files read without blocking: stat first, open only a regular file, with
// O_NONBLOCK in case a pipe took its place since, and stop one byte past the limit. Written
// whole to a temporary file that is flushed and then renamed over the old one.
#include "app/player_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "app/player_file_written.hpp"

namespace ursa {
namespace {

// Set-aside names tried before giving up: a folder with this many set-aside copies of one
// file holds something else than the player's damaged files.
constexpr int kMaxSetAside = 1000;

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
  PlayerFileWritten(aside);
  PlayerFileWritten(path);
  return aside;
}

}  // namespace

FileRead ReadPlayerFile(const std::string& path, std::uintmax_t maxBytes, std::string& text,
                        std::string& why) {
  text.clear();
  struct stat info {};
  const auto regular = [&] {
    if (S_ISREG(info.st_mode)) return true;
    why = S_ISDIR(info.st_mode) ? "a folder, not a regular file" : "not a regular file";
    return false;
  };
  // Opening a device may wait for it or act on it, so only a regular file is opened at all.
  if (stat(path.c_str(), &info) != 0) {
    if (errno == ENOENT) return FileRead::kMissing;
    why = std::strerror(errno);
    return FileRead::kRefused;
  }
  if (!regular()) return FileRead::kRefused;
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT) return FileRead::kMissing;
    why = std::strerror(errno);
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
  std::error_code error;
  // A file that is a link (kept with other dotfiles) is written where it points.
  fs::path target = path;
  if (fs::symlink_status(target, error).type() == fs::file_type::symlink) {
    target = fs::weakly_canonical(target, error);
    if (error) {
      why = error.message();
      return false;
    }
  }
  // Only a regular file is replaced: a rename over a device, a pipe or a folder that took its
  // place would put the player's text where the system keeps something else.
  struct stat old {};
  const bool exists = stat(target.c_str(), &old) == 0;
  if (exists && !S_ISREG(old.st_mode)) {
    why = S_ISDIR(old.st_mode) ? "a folder, not a regular file" : "not a regular file";
    return false;
  }
  std::string temporary = target.string() + ".XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) {
    why = std::strerror(errno);
    return false;
  }
  const mode_t mode = exists ? (old.st_mode & 07777) : 0644;
  int failure = fchmod(fd, mode) == 0 ? 0 : errno;
  if (failure == 0) failure = WriteAll(fd, text);
  if (failure == 0 && fsync(fd) != 0) failure = errno;
  if (close(fd) != 0 && failure == 0) failure = errno;
  if (failure == 0 && std::rename(temporary.c_str(), target.c_str()) != 0) failure = errno;
  if (failure != 0) {
    unlink(temporary.c_str());
    why = std::strerror(failure);
    return false;
  }
  // The rename reaches the disk with its folder.
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const int folderFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (folderFd >= 0) {
    fsync(folderFd);
    close(folderFd);
  }
  PlayerFileWritten(target.string());
  return true;
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

}  // namespace ursa
