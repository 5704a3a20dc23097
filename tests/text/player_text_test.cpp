// Quoting the player's text in messages: what a terminal would act on is shown as \xHH, and
// readable text, UTF-8 included, is shown as it is.
#include "text/player_text.hpp"

#include <gtest/gtest.h>

namespace ursa::text {
namespace {

TEST(PlayerText, ControlsAndBrokenUtf8AreEscapedAndTheRestKept) {
  EXPECT_EQ(EscapeForMessage("Left"), "Left");
  EXPECT_EQ(EscapeForMessage(std::string("a\0b\tc\x1b[2J\x7f", 10)), "a\\x00b\\x09c\\x1b[2J\\x7f");
  EXPECT_EQ(EscapeForMessage("B\xc3\xa4r \xe2\x86\x92 \xf0\x9f\x90\xbb"),
            "B\xc3\xa4r \xe2\x86\x92 \xf0\x9f\x90\xbb");
  // C1 controls (U+0080 to U+009F, a terminal's CSI among them), bytes that start or continue no
  // character, sequences cut short or too long for their character, and UTF-16 halves.
  EXPECT_EQ(EscapeForMessage("\xc2\x9b"
                             "1m"),
            "\\xc2\\x9b1m");
  EXPECT_EQ(EscapeForMessage("\x9b\xff\xc3"), "\\x9b\\xff\\xc3");
  EXPECT_EQ(EscapeForMessage("\xe2\x86"
                             "x"),
            "\\xe2\\x86x");
  EXPECT_EQ(EscapeForMessage("\xc0\xaf \xe0\x80\xaf \xed\xa0\x80 \xf4\x90\x80\x80"),
            "\\xc0\\xaf \\xe0\\x80\\xaf \\xed\\xa0\\x80 \\xf4\\x90\\x80\\x80");
}

TEST(PlayerText, AQuoteShowsAtMostItsShareOfALongTextAndNeverHalfACharacter) {
  const std::string share(kQuotedBytes - 2, 'b');
  EXPECT_EQ(Quoted(share + "ok"), "'" + share + "ok'");
  // A bear (four bytes) would end past the share: it is left out whole.
  EXPECT_EQ(Quoted(share + "\xf0\x9f\x90\xbb"), "'" + share + "...' (102 bytes)");
  EXPECT_EQ(Quoted(std::string(60000, '\x1b')).size(), 4 * kQuotedBytes + 19);
}

}  // namespace
}  // namespace ursa::text
