// Key scripts read a block at a time: lines that straddle the blocks' edges come out whole,
// and a line too long is still caught, and named, wherever the edges fall.
#include "game/key_script.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "game/game_keys.hpp"

namespace ursa {
namespace {

// Events with lines of every length from short to padded with blanks and comments, so that
// over a few hundred kilobytes every byte of a line lands on a block's edge somewhere.
std::string ScriptOf(const std::vector<ScriptEvent>& events) {
  std::string text;
  for (size_t i = 0; i < events.size(); ++i) {
    const ScriptEvent& e = events[i];
    text += std::string(i % 3, ' ') + std::to_string(e.frame) + std::string(1 + i % 4, '\t') +
            std::string(KeyName(e.keyCode)) + " " + (e.down ? "down" : "up");
    if (i % 5 == 0) text += " # " + std::string(i % 61, 'c');
    text += i % 7 == 0 ? "\r\n" : "\n";
  }
  return text;
}

TEST(KeyScript, LinesAcrossTheReadsEdgesComeOutWhole) {
  constexpr int kKeys[] = {kKeyLeft, kKeyRight, kKeySpace, kKeyUp};
  std::vector<ScriptEvent> events;
  for (uint64_t i = 0; i < 20000; ++i) events.push_back({i * 3 + i % 2, kKeys[i % 4], i % 3 != 0});
  std::istringstream in(ScriptOf(events));
  const ScriptParse parse = ParseScript(in);
  EXPECT_EQ(parse.error, "");
  EXPECT_EQ(parse.events, events);
}

TEST(KeyScript, ALineTooLongIsNamedWhereverItFalls) {
  // The overlong line starts before the first block's end (64 KiB), just at it, and after it.
  const std::string line = "1 Left down\n";
  for (size_t before : {5400U, 5460U, 5461U, 5462U, 5500U}) {
    std::string text;
    for (size_t i = 0; i < before; ++i) text += line;
    text += "2 Left up #" + std::string(kMaxScriptLineBytes, 'x') + "\n3 Left down\n";
    std::istringstream in(text);
    const ScriptParse parse = ParseScript(in);
    EXPECT_EQ(parse.error, "line " + std::to_string(before + 1) + ": longer than 4096 bytes")
        << before;
    EXPECT_TRUE(parse.events.empty());
  }
  // The longest line allowed, last and without a line end, is read whole.
  std::istringstream longest(std::string(65530, '\n') + "0 Up down" +
                             std::string(kMaxScriptLineBytes - 9, ' '));
  const ScriptParse parse = ParseScript(longest);
  EXPECT_EQ(parse.error, "");
  EXPECT_EQ(parse.events, (std::vector<ScriptEvent>{{0, kKeyUp, true}}));
}

}  // namespace
}  // namespace ursa
