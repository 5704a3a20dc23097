// What the file tests share: Said, a stream that a function under test says its messages on,
// read back as text, FileSizeLimit, a full disk for as long as it lives, and InChild, a
// process of its own to kill or to take the right to write from.
#pragma once

#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <functional>
#include <string>

namespace ursa::test {

class Said {
 public:
  Said() : file_(std::tmpfile()) {}
  ~Said() { std::fclose(file_); }
  Said(const Said&) = delete;
  Said& operator=(const Said&) = delete;
  std::FILE* Stream() { return file_; }
  std::string Text() {
    std::fflush(file_);
    std::rewind(file_);
    std::string text;
    for (int c; (c = std::fgetc(file_)) != EOF;) text += static_cast<char>(c);
    return text;
  }

 private:
  std::FILE* file_;
};

// No file of this process grows past `bytes` (a write past it fails with "File too large").
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &before_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = before_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &before_);
    std::signal(SIGXFSZ, oldHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit before_{};
  void (*oldHandler_)(int) = nullptr;
};

// How a child process of InChild ended.
struct ChildEnd {
  int status = -1;      // its exit status, when it exited
  bool killed = false;  // SIGKILL ended it
};

// Runs `act` in a child process, which exits with what `act` returns; with `readOnly`, the
// folder is read-only to it, as to a player: the folder loses its write permission, and root,
// whom that does not stop, runs `act` as the user nobody (status 100 when it cannot).
inline ChildEnd InChild(const std::function<int()>& act, const std::string& readOnly = {}) {
  if (!readOnly.empty()) chmod(readOnly.c_str(), 0555);
  std::fflush(nullptr);
  const pid_t child = fork();
  if (child == 0) {
    constexpr uid_t kNobody = 65534;
    const bool dropped =
        readOnly.empty() || geteuid() != 0 ||
        (setgroups(0, nullptr) == 0 && setgid(kNobody) == 0 && setuid(kNobody) == 0);
    const int status = dropped ? act() : 100;
    std::fflush(nullptr);
    _exit(status);
  }
  int raw = 0;
  waitpid(child, &raw, 0);
  if (!readOnly.empty()) chmod(readOnly.c_str(), 0755);
  ChildEnd end;
  if (WIFEXITED(raw)) end.status = WEXITSTATUS(raw);
  end.killed = WIFSIGNALED(raw) && WTERMSIG(raw) == SIGKILL;
  return end;
}

}  // namespace ursa::test
