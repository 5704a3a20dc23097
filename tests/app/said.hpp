// Said: a stream that a function under test says its messages on, read back as text; for the
// file tests whose functions take an error stream.
#pragma once

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

}  // namespace ursa::test
