// The browser's settings reader against Debian's inih: streams of lines made of the bytes
// that matter to an .ini reader (blanks, comment marks, '=', ':', brackets, a byte order mark,
// long runs) give the same calls, in the same order, and the same error line.
#include "web/inih/ini_reader.hpp"

#include <gtest/gtest.h>
#include <ini.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

namespace ursa::ini {
namespace {

struct Stream {
  std::vector<std::string> lines;
  size_t next = 0;
};

// Hands out one line per call as fgets would: at most size - 1 bytes, the rest next time.
char* ReadLine(char* buffer, int size, void* given) {
  auto& stream = *static_cast<Stream*>(given);
  if (stream.next >= stream.lines.size()) return nullptr;
  std::string& line = stream.lines[stream.next];
  const size_t taken = std::min(line.size(), static_cast<size_t>(size - 1));
  std::memcpy(buffer, line.data(), taken);
  buffer[taken] = '\0';
  line.erase(0, taken);
  if (line.empty()) ++stream.next;
  return buffer;
}

// Each call as "[section] name=value|", and a handler that refuses names starting with 'x'.
int Record(void* user, const char* section, const char* name, const char* value) {
  *static_cast<std::string*>(user) += std::string("[") + section + "] " + name + "=" + value + "|";
  return name[0] == 'x' ? 0 : 1;
}

std::string RandomLine(std::mt19937& random) {
  static const std::vector<std::string> kPieces = {" ",
                                                   "\t",
                                                   ";",
                                                   "#",
                                                   "=",
                                                   ":",
                                                   "[",
                                                   "]",
                                                   "a",
                                                   "b",
                                                   "x",
                                                   "name",
                                                   "value",
                                                   "\r",
                                                   "\xEF\xBB\xBF",
                                                   std::string(60, 'n'),
                                                   std::string(120, 'v'),
                                                   "\xC3\xA9"};
  std::uniform_int_distribution<size_t> piece(0, kPieces.size() - 1);
  std::uniform_int_distribution<int> length(0, 9);
  std::string line;
  for (int n = length(random); n > 0; --n) line += kPieces[piece(random)];
  return line + "\n";
}

TEST(IniReader, ReadsEveryStreamAsInihDoes) {
  std::mt19937 random(2024);
  for (int round = 0; round < 20000; ++round) {
    std::vector<std::string> lines;
    for (int n = static_cast<int>(random() % 6) + 1; n > 0; --n)
      lines.push_back(RandomLine(random));
    Stream forInih{lines};
    Stream forOurs{lines};
    std::string inihCalls;
    std::string ourCalls;
    const int inihError = ini_parse_stream(ReadLine, &forInih, Record, &inihCalls);
    const int ourError = ParseStream(ReadLine, &forOurs, Record, &ourCalls);
    std::string shown;
    for (const std::string& line : lines) shown += line;
    ASSERT_EQ(ourCalls, inihCalls) << shown;
    ASSERT_EQ(ourError, inihError) << shown;
  }
}

}  // namespace
}  // namespace ursa::ini
