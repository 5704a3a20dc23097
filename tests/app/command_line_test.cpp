// The game's command line: what starts the game, what answers and ends, and what is refused
// before any window opens.
#include "app/command_line.hpp"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace ursa {
namespace {

CommandLine Parse(std::initializer_list<const char*> args) {
  std::vector<std::string> words = {"ursa"};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  return ParseCommandLine(static_cast<int>(words.size()), argv.data());
}

using Action = CommandLine::Action;

TEST(CommandLine, NoOptionsPlaysAsTheGameChooses) {
  const CommandLine line = Parse({});
  EXPECT_EQ(line.action, Action::kPlay);
  EXPECT_FALSE(line.windowed.has_value());
  EXPECT_TRUE(line.dataDir.empty());
  EXPECT_TRUE(line.recordPath.empty());
  EXPECT_TRUE(line.replayPath.empty());
}

TEST(CommandLine, WindowOptionsAndDataFolder) {
  EXPECT_EQ(Parse({"--windowed"}).windowed, true);
  EXPECT_EQ(Parse({"--fullscreen"}).windowed, false);
  EXPECT_EQ(Parse({"--windowed", "--fullscreen"}).windowed, false) << "the last one wins";
  EXPECT_EQ(Parse({"--data-dir", "/opt/ursa"}).dataDir, "/opt/ursa");
  EXPECT_EQ(Parse({"--data-dir=/opt/ursa", "--windowed"}).dataDir, "/opt/ursa");
  EXPECT_EQ(Parse({"--win"}).windowed, true)
      << "an option may be shortened while only it starts so";
}

TEST(CommandLine, RecordAndReplayTakeAFileEach) {
  const CommandLine both = Parse({"--replay=run.keys", "--record", "again.keys", "--windowed"});
  EXPECT_EQ(both.action, Action::kPlay);
  EXPECT_EQ(both.replayPath, "run.keys");
  EXPECT_EQ(both.recordPath, "again.keys");
  // "--re" could be either: refused rather than guessed.
  EXPECT_EQ(Parse({"--re", "x"}).action, Action::kBadUsage);
  EXPECT_TRUE(Parse({"--time-attack", "--record", "run.keys"}).timeAttack);
  // A replay starts the game it recorded: a time attack asked for beside it is refused.
  const CommandLine clash = Parse({"--time-attack", "--replay", "run.keys"});
  EXPECT_EQ(clash.action, Action::kBadUsage);
  EXPECT_NE(clash.error.find("--time-attack cannot be used with --replay"), std::string::npos);
}

TEST(CommandLine, HelpAndVersionAnswerInsteadOfPlaying) {
  EXPECT_EQ(Parse({"--help"}).action, Action::kHelp);
  EXPECT_EQ(Parse({"--version"}).action, Action::kVersion);
  EXPECT_EQ(Parse({"--windowed", "--help"}).action, Action::kHelp);
  EXPECT_EQ(Parse({"--version", "--help"}).action, Action::kHelp);
}

TEST(CommandLine, AnythingUnknownIsRefusedWithItsName) {
  struct Case {
    std::initializer_list<const char*> args;
    const char* named;
  };
  const Case cases[] = {
      {{"--fulscreen"}, "--fulscreen"},
      {{"-x"}, "-x"},
      {{"stage3"}, "stage3"},
      {{"--windowed", "extra", "--help"}, "extra"},
      {{"--data-dir"}, "--data-dir"},
      {{"--data-dir", ""}, "--data-dir"},
      {{"--help", "--bogus"}, "--bogus"},
      {{"--record"}, "--record"},
      {{"--replay", ""}, "--replay"},
      {{"--record=", "--windowed"}, "--record"},
  };
  for (const Case& c : cases) {
    const CommandLine line = Parse(c.args);
    EXPECT_EQ(line.action, Action::kBadUsage) << c.named;
    EXPECT_NE(line.error.find(c.named), std::string::npos) << line.error;
  }
}

TEST(CommandLine, SaysWhatIsWrongAsTheToolsDoWithThePlayersTextEscaped) {
  EXPECT_EQ(Parse({"--data-dir"}).error, "--data-dir needs a value");
  EXPECT_EQ(Parse({"--windowed=yes"}).error, "--windowed takes no value");
  EXPECT_EQ(Parse({"--re", "x"}).error, "ambiguous option '--re' (--record or --replay)");
  EXPECT_EQ(Parse({"--full\x1b[2J"}).error, "unknown option '--full\\x1b[2J'");
  EXPECT_EQ(Parse({"st\x07ray"}).error, "unexpected argument 'st\\x07ray'");
}

TEST(CommandLine, ParsesAgainFromTheStart) {
  ASSERT_EQ(Parse({"--bogus"}).action, Action::kBadUsage);
  EXPECT_EQ(Parse({"--windowed"}).action, Action::kPlay);
  EXPECT_EQ(Parse({"--windowed"}).windowed, true);
}

TEST(CommandLine, HelpNamesEveryOption) {
  const std::string usage = UsageText("ursa");
  for (const char* option : {"--windowed", "--fullscreen", "--data-dir", "--record", "--replay",
                             "--time-attack", "--help", "--version"}) {
    EXPECT_NE(usage.find(option), std::string::npos) << option;
  }
}

}  // namespace
}  // namespace ursa
