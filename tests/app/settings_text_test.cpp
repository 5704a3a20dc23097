// A settings file's text read and rewritten as the player keeps it: every bad line named and
// skipped, a changed value written into the player's own line, the player's text escaped.
#include "app/settings_text.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ursa {
namespace {

TEST(SettingsText, EveryBadLineIsNamedAndSkippedAndTheRestStillCounts) {
  const std::string text =
      "[display]\n"                                          // 1
      "fullscreen\n"                                         // 2: no value
      "fullscreen = no\r\n"                                  // 3: CRLF
      "vsync = sometimes\n"                                  // 4
      "  scaling = whole\n"                                  // 5: indented, still its own line
      "window_size = 1024 x 768\n"                           // 6
      "window_size = 100x100\n"                              // 7
      "colour = blue\n"                                      // 8
      "[keys\n"                                              // 9
      "[keys]\n"                                             // 10
      "left = A, Keypad 4\n"                                 // 11
      "right = F12\n"                                        // 12
      "up = W, X, Y\n"                                       // 13
      "space = Bogus\n"                                      // 14
      "esc = Q,\n"                                           // 15
      "; a comment, then a line too long to be a setting\n"  // 16
      "enter = " +
      std::string(300, 'x') +
      "\n"                                    // 17
      "[play]\n"                              // 18
      "pad_dead_zone = 40000\n"               // 19
      "pause_on_focus_loss = off ; inline\n"  // 20
      "[display]\n"                           // 21
      "motion = Smooth\n"                     // 22
      "motion = jerky\n";                     // 23
  const SettingsRead read = ParseSettings(text, 20);
  const std::vector<int> bad = {2, 4, 6, 7, 8, 9, 12, 13, 14, 15, 17, 19, 23};
  ASSERT_EQ(read.problems.size(), bad.size()) << testing::PrintToString(read.problems);
  for (size_t i = 0; i < bad.size(); ++i) {
    EXPECT_EQ(read.problems[i].rfind("line " + std::to_string(bad[i]) + ": ", 0), 0U)
        << read.problems[i];
  }
  EXPECT_NE(read.problems[1].find("'sometimes'"), std::string::npos) << read.problems[1];
  EXPECT_NE(read.problems[6].find("F12"), std::string::npos) << read.problems[6];
  EXPECT_NE(read.problems[8].find("'Bogus'"), std::string::npos) << read.problems[8];

  Settings expected;
  expected.fullscreen = false;
  expected.scaling = tk::Scaling::kWhole;
  expected.input.bindings[0] = {"A", "Keypad 4"};
  expected.input.pauseOnFocusLoss = false;
  expected.motion = Motion::kSmooth;
  EXPECT_TRUE(SameSettings(read.settings, expected)) << SettingsFileText(read.settings);
}

TEST(SettingsText, AChangedSettingIsWrittenIntoThePlayersOwnLines) {
  const std::string text =
      "; my settings\n"
      "[display]\n"
      "fullscreen = yes\n"
      "vsync = maybe   \n"
      "fullscreen = yes ; this one counts\n"
      "[keys]\n"
      "left = A\n";
  const SettingsRead before = ParseSettings(text);
  Settings after = before.settings;
  after.fullscreen = false;  // F11: its last line is replaced
  after.windowWidth = 1000;  // new line in [display]
  after.windowHeight = 700;
  after.input.padDeadZone = 9000;  // new [play] section at the end
  const std::string updated = UpdatedSettingsText(text, before.settings, after);
  EXPECT_EQ(updated,
            "; my settings\n"
            "[display]\n"
            "fullscreen = yes\n"
            "vsync = maybe   \n"
            "fullscreen = no ; this one counts\n"
            "window_size = 1000x700\n"
            "[keys]\n"
            "left = A\n"
            "\n"
            "[play]\n"
            "pad_dead_zone = 9000\n");
  EXPECT_TRUE(SameSettings(ParseSettings(updated).settings, after));
  EXPECT_EQ(UpdatedSettingsText(text, after, after), text) << "nothing changed, nothing moves";
}

TEST(SettingsText, ARewrittenValueKeepsTheLinesCommentSpacingAndLineEnd) {
  const std::string text =
      "[display]\n"
      "fullscreen=no ; my own comment\n"
      "  vsync :no\t;\ttabbed\r\n"
      "motion = exact;smooth ; the first ';' is the value's\n"
      "[keys]\n"
      "left =\n"
      "right = ; none\n";
  const SettingsRead before = ParseSettings(text);
  Settings after = before.settings;
  after.fullscreen = true;
  after.vsync = true;
  after.motion = Motion::kSmooth;
  after.input.bindings[0] = {"A", ""};
  after.input.bindings[1] = {"D", "Right"};
  EXPECT_EQ(UpdatedSettingsText(text, before.settings, after),
            "[display]\n"
            "fullscreen=yes ; my own comment\n"
            "  vsync :yes\t;\ttabbed\r\n"
            "motion = smooth ; the first ';' is the value's\n"
            "[keys]\n"
            "left = A\n"
            "right = D, Right ; none\n");
}

TEST(SettingsText, ManySectionsAreReadAndOnlyTheFirstBadLinesAreNamed) {
  // Reading is one pass over the lines: twenty thousand sections cost no more per line than one.
  std::string text;
  for (int i = 0; i < 20000; ++i) {
    text += "[s" + std::to_string(i) + "]\nname = " + std::to_string(i) + "\n";
    if (i % 2 == 0) text += "not a setting\n";
  }
  text += "[display]\nfullscreen = no\n[s0]\n";
  const SettingsRead read = ParseSettings(text);
  EXPECT_FALSE(read.settings.fullscreen);
  EXPECT_EQ(read.problems, (std::vector<std::string>{
                               "line 2: unknown setting 'name' in [s0]",
                               "line 3: not a setting (expected 'name = value' or '[section]')",
                               "line 5: unknown setting 'name' in [s1]",
                               "line 7: unknown setting 'name' in [s2]",
                               "line 8: not a setting (expected 'name = value' or '[section]')",
                               "and 29995 more lines the game cannot use",
                           }));
}

TEST(SettingsText, ThePlayersTextIsQuotedWithItsControlBytesEscaped) {
  const SettingsRead read = ParseSettings(
      "[disp\x1b[2Jlay]\n"
      "colour\x1b]0;owned\x07 = blue\n"
      "[display]\n"
      "vsync = y\x7f\xc2\x9b\xff"
      "es\n"
      "[keys]\n"
      "left = B\xc3\xa4r\n");
  EXPECT_EQ(read.problems,
            (std::vector<std::string>{
                "line 2: unknown setting 'colour\\x1b]0;owned\\x07' in [disp\\x1b[2Jlay]",
                "line 4: vsync: expected yes or no, found 'y\\x7f\\xc2\\x9b\\xffes'",
                "line 6: left: no key is called 'B\xc3\xa4r'",
            }));
}

}  // namespace
}  // namespace ursa
