// What the file tests share: Said, a stream that a function under test says its messages on,
// read back as text, and FileSizeLimit, a full disk for as long as it lives.
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <cstdio>
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

}  // namespace ursa::test
