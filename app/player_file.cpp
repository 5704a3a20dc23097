// The player's small files read without blocking: stat first, open only a regular file, with
// O_NONBLOCK in case a pipe took its place since, and stop one byte past the limit.
#include "app/player_file.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace ursa {

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

}  // namespace ursa
