// inih's reading, step by step as its ini_parse_stream takes a line: strip, comment, continued
// value, section, setting, else an error line.
#include "web/inih/ini_reader.hpp"

#include <cctype>
#include <cstring>
#include <string>

namespace ursa::ini {
namespace {

constexpr int kMaxLine = 200;
constexpr size_t kMaxName = 50;  // sections and names keep at most kMaxName - 1 bytes

bool IsSpace(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

char* RightStrip(char* s) {
  char* end = s + std::strlen(s);
  while (end > s && IsSpace(*--end)) *end = '\0';
  return s;
}

char* LeftSkip(char* s) {
  while (*s != '\0' && IsSpace(*s)) ++s;
  return s;
}

// The first of `chars` (none when null), or a ';' after a blank, or the end.
char* FindCharsOrComment(char* s, const char* chars) {
  bool wasSpace = false;
  while (*s != '\0' && (chars == nullptr || std::strchr(chars, *s) == nullptr) &&
         !(wasSpace && *s == ';')) {
    wasSpace = IsSpace(*s);
    ++s;
  }
  return s;
}

std::string Cut(const char* s) { return std::string(s).substr(0, kMaxName - 1); }

}  // namespace

int ParseStream(char* (*reader)(char*, int, void*), void* stream,
                int (*handler)(void*, const char*, const char*, const char*), void* user) {
  char line[kMaxLine];
  std::string section;
  std::string previousName;
  int lineNumber = 0;
  int error = 0;
  while (reader(line, kMaxLine, stream) != nullptr) {
    ++lineNumber;
    char* start = line;
    if (lineNumber == 1 && std::strncmp(start, "\xEF\xBB\xBF", 3) == 0) start += 3;
    start = LeftSkip(RightStrip(start));
    if (*start == ';' || *start == '#') {
      // a comment
    } else if (!previousName.empty() && *start != '\0' && start > line) {
      // An indented line continues the value before it, comment marks and all.
      if (handler(user, section.c_str(), previousName.c_str(), start) == 0 && error == 0) {
        error = lineNumber;
      }
    } else if (*start == '[') {
      char* end = FindCharsOrComment(start + 1, "]");
      if (*end == ']') {
        *end = '\0';
        section = Cut(start + 1);
        previousName.clear();
      } else if (error == 0) {
        error = lineNumber;
      }
    } else if (*start != '\0') {
      char* end = FindCharsOrComment(start, "=:");
      if (*end == '=' || *end == ':') {
        *end = '\0';
        const char* name = RightStrip(start);
        char* value = end + 1;
        end = FindCharsOrComment(value, nullptr);
        *end = '\0';
        value = LeftSkip(value);
        RightStrip(value);
        previousName = Cut(name);
        if (handler(user, section.c_str(), name, value) == 0 && error == 0) {
          error = lineNumber;
        }
      } else if (error == 0) {
        error = lineNumber;
      }
    }
  }
  return error;
}

}  // namespace ursa::ini
