// Fatal errors end the program with status 1 and the whole message on stderr; the message
// box gets the message wrapped and cut to fit a 640 x 480 screen.
#include "toolkit/fatal.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace ursa::tk {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Columns as the box counts them: a character per UTF-8 lead byte, two for a 3-byte
// (CJK) character in these tests.
int Columns(const std::string& line) {
  int columns = 0;
  for (const char c : line) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) columns += byte >= 0xE0 ? 2 : 1;
  }
  return columns;
}

void ExpectFitsTheBox(const std::string& box) {
  const auto lines = Lines(box);
  EXPECT_LE(lines.size(), static_cast<size_t>(kBoxLines)) << box;
  for (const std::string& line : lines) EXPECT_LE(Columns(line), kBoxColumns) << line;
}

// The words of a text, in order, whatever the line breaks.
std::string Words(const std::string& text) {
  std::istringstream in(text);
  std::string words;
  for (std::string word; in >> word;) words += word + ' ';
  return words;
}

TEST(FatalTest, PrintsTheMessageAndExitsWithStatusOne) {
  EXPECT_EXIT(Fatal("cannot open bear.x: no such file"), ::testing::ExitedWithCode(1),
              "ursa: cannot open bear\\.x: no such file");
}

TEST(FatalTest, StderrKeepsAllOfALongMessage) {
  const std::string message = std::string("block.x: ") + std::string(60000, '7') + " (end)";
  EXPECT_EXIT(Fatal(message), ::testing::ExitedWithCode(1), "block\\.x: 7777.*7777 \\(end\\)");
  EXPECT_EXIT(Fatal(std::string("before\0after", 12)), ::testing::ExitedWithCode(1),
              "before\\\\0after");
}

TEST(FatalTest, AnErrorCarriesItsMessageToTheShell) {
  try {
    throw Error("OpenGL 3.3 not available");
  } catch (const std::exception& e) {
    EXPECT_STREQ(e.what(), "OpenGL 3.3 not available");
  }
}

TEST(MessageBoxTextTest, SentencesWrapAtSpacesWithEveryWordKept) {
  const std::string oldGl =
      "OpenGL 3.3 not available (Could not create GL context: BadValue (integer parameter "
      "out of range for operation)): update the graphics driver or run with "
      "LIBGL_ALWAYS_SOFTWARE=1";
  const std::string box = MessageBoxText(oldGl);
  ExpectFitsTheBox(box);
  EXPECT_GE(Lines(box).size(), 3u);
  EXPECT_EQ(Words(box), Words(oldGl));
  // The message's own line breaks stay; a short message is left as it is.
  EXPECT_EQ(MessageBoxText("no font\n\ninstall fonts-ipafont-gothic"),
            "no font\n\ninstall fonts-ipafont-gothic");
}

TEST(MessageBoxTextTest, LongWordsBreakAfterASlashOrWhereTheLineIsFull) {
  const std::string folder = "/home/player/games/ursa-with-a-long-folder-name/share/ursa/meshes/";
  const std::string box = MessageBoxText("cannot open " + folder + "bear.x: no such file");
  ExpectFitsTheBox(box);
  for (const std::string& line : Lines(box)) {
    if (line.find("/home") != std::string::npos) {
      EXPECT_EQ(line.back(), '/') << box;
    }
  }
  // A quoted line of numbers without a space or slash: cut at full lines, and the box ends
  // by saying where the rest is.
  const std::string numbers(50000, '9');
  const auto lines = Lines(MessageBoxText("block.x: " + numbers));
  ASSERT_EQ(lines.size(), static_cast<size_t>(kBoxLines));
  EXPECT_EQ(lines[1], std::string(kBoxColumns, '9'));
  EXPECT_NE(lines.back().find("standard error"), std::string::npos);
  ExpectFitsTheBox(MessageBoxText(std::string(400, 'x') + "\n" + std::string(400, ' ')));
}

TEST(MessageBoxTextTest, WideCharactersCountTwiceAndBadBytesCannotUpsetTheBox) {
  std::string japanese;
  for (int i = 0; i < 50; ++i) japanese += "\xE7\x86\x8A";  // the bear, a wide character
  const std::string box = MessageBoxText("cannot open /home/" + japanese + "/bear.x");
  ExpectFitsTheBox(box);
  EXPECT_EQ(Words(box).find('?'), std::string::npos) << "a wide character was split";
  // Control characters (a NUL, a carriage return) and stray bytes are shown as such.
  EXPECT_EQ(MessageBoxText(std::string("a\0b\r\tc \xFF\xC3", 9)), "a b c ??");
}

}  // namespace
}  // namespace ursa::tk
