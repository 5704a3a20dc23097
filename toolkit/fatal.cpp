// Fatal errors: stderr, a message box when a player could otherwise miss the message,
// and exit status 1. The box gets the message wrapped and cut to fit a 640 x 480 screen.
#include "toolkit/fatal.hpp"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace ursa::tk {
namespace {

// Headless runs have nobody to click a message box away, and the box would block.
bool HasRealDisplay() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr) driver = SDL_getenv("SDL_VIDEODRIVER");
  if (driver != nullptr &&
      (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0)) {
    return false;
  }
  return driver != nullptr || SDL_getenv("DISPLAY") != nullptr ||
         SDL_getenv("WAYLAND_DISPLAY") != nullptr;
}

// One character of the box text: its UTF-8 bytes and the columns it takes.
struct BoxChar {
  std::string bytes;
  int columns = 1;
};

// East Asian wide characters (CJK, kana, hangul, full-width forms) take two columns.
bool IsWide(char32_t c) {
  return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) ||
         (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
         (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
         (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// Decodes the character at `at` and moves past it. Control characters become spaces and
// bytes that are not UTF-8 become '?', so that library text cannot upset the box.
BoxChar NextChar(std::string_view text, size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  int length = 1;
  char32_t code = lead;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
  } else if (lead >= 0x80) {
    length = 0;
  }
  for (int i = 1; i < length; ++i) {
    const size_t next = at + static_cast<size_t>(i);
    if (next >= text.size() || (static_cast<unsigned char>(text[next]) & 0xC0) != 0x80) {
      length = 0;
      break;
    }
    code = (code << 6) | (static_cast<unsigned char>(text[next]) & 0x3F);
  }
  if (length == 0) {
    ++at;
    return {"?", 1};
  }
  const std::string_view bytes = text.substr(at, static_cast<size_t>(length));
  at += bytes.size();
  if (code < 0x20 || code == 0x7F) return {" ", 1};
  return {std::string(bytes), IsWide(code) ? 2 : 1};
}

int Columns(const std::vector<BoxChar>& chars) {
  int columns = 0;
  for (const BoxChar& c : chars) columns += c.columns;
  return columns;
}

std::string Bytes(const std::vector<BoxChar>& chars) {
  std::string bytes;
  for (const BoxChar& c : chars) bytes += c.bytes;
  return bytes;
}

// Fills lines of at most kBoxColumns with the words of one paragraph (a line of the message).
class LineFiller {
 public:
  explicit LineFiller(std::vector<std::string>& lines) : lines_(lines) {}

  void AddWord(std::vector<BoxChar> word) {
    const int columns = Columns(word);
    if (!line_.empty() && lineColumns_ + 1 + columns <= kBoxColumns) {
      line_ += ' ';
      line_ += Bytes(word);
      lineColumns_ += 1 + columns;
      return;
    }
    if (!line_.empty()) EndLine();
    // A word wider than a line (a path, a number list) is broken after a '/' in the line's
    // second half where there is one, else where the line is full.
    while (Columns(word) > kBoxColumns) {
      size_t fits = 0;
      int used = 0;
      while (used + word[fits].columns <= kBoxColumns) used += word[fits++].columns;
      size_t cut = fits;
      for (size_t i = fits; i > fits / 2; --i) {
        if (word[i - 1].bytes == "/") {
          cut = i;
          break;
        }
      }
      line_ = Bytes({word.begin(), word.begin() + static_cast<std::ptrdiff_t>(cut)});
      EndLine();
      word.erase(word.begin(), word.begin() + static_cast<std::ptrdiff_t>(cut));
    }
    line_ = Bytes(word);
    lineColumns_ = Columns(word);
  }

  void EndParagraph() { EndLine(); }

 private:
  void EndLine() {
    lines_.push_back(line_);
    line_.clear();
    lineColumns_ = 0;
  }

  std::vector<std::string>& lines_;
  std::string line_;
  int lineColumns_ = 0;
};

}  // namespace

std::string MessageBoxText(const std::string& message) {
  std::vector<std::string> lines;
  LineFiller filler(lines);
  std::vector<BoxChar> word;
  const std::string_view text(message);
  size_t at = 0;
  // Stops reading once the box is full: a quoted file can make a message of any length.
  while (at < text.size() && lines.size() <= static_cast<size_t>(kBoxLines)) {
    const bool newline = text[at] == '\n';
    BoxChar c = NextChar(text, at);
    if (c.bytes != " ") {
      word.push_back(std::move(c));
      // A word longer than the whole box fills it: the rest cannot be shown.
      if (word.size() > static_cast<size_t>(kBoxColumns) * (kBoxLines + 1)) break;
      continue;
    }
    if (!word.empty()) filler.AddWord(std::move(word));
    word.clear();
    if (newline) filler.EndParagraph();
  }
  if (!word.empty()) filler.AddWord(std::move(word));
  filler.EndParagraph();
  while (lines.size() > 1 && lines.back().empty()) lines.pop_back();
  if (lines.size() > static_cast<size_t>(kBoxLines)) {
    lines.resize(kBoxLines - 1);
    lines.emplace_back("(cut here: the whole message is on standard error)");
  }
  std::string box;
  for (const std::string& line : lines) {
    if (&line != &lines.front()) box += '\n';
    box += line;
  }
  return box;
}

void Fatal(const std::string& message) {
  // All of it: stderr keeps what the box leaves out. A NUL byte is written as \0, so that
  // the text after it is still read.
  std::fputs("ursa: ", stderr);
  for (const char c : message) {
    if (c == '\0') {
      std::fputs("\\0", stderr);
    } else {
      std::fputc(c, stderr);
    }
  }
  std::fputc('\n', stderr);
  std::fflush(stderr);
  if (HasRealDisplay()) {
    // A full-screen game window would hide the message box behind it.
    if (SDL_WasInit(SDL_INIT_VIDEO) != 0) {
      for (Uint32 id = 1; id <= 8; ++id) {
        if (SDL_Window* window = SDL_GetWindowFromID(id)) SDL_HideWindow(window);
      }
    }
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Ursa", MessageBoxText(message).c_str(),
                             nullptr);
  }
  std::exit(1);
}

}  // namespace ursa::tk
