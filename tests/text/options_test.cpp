// The option scanner the game and the tools share: options among the operands, values in both
// forms, shortened names, and the first thing wrong said in the one wording of every program.
#include "text/options.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ursa::text {
namespace {

enum Id { kTo, kTop, kQuiet };
constexpr LongOption kOptions[] = {
    {"to", true, kTo}, {"top", true, kTop}, {"quiet", false, kQuiet}};

// A scan of `args` after a program name, with every option the program took, as "id=value".
struct Scanned {
  OptionScan scan;
  std::vector<std::string> taken;
};

Scanned Scan(const std::vector<const char*>& args) {
  std::vector<const char*> argv = {"program"};
  argv.insert(argv.end(), args.begin(), args.end());
  Scanned result;
  result.scan = ScanOptions(static_cast<int>(argv.size()), argv.data(), kOptions,
                            [&](int id, std::string_view value) -> std::optional<std::string> {
                              result.taken.push_back(std::to_string(id) + "=" + std::string(value));
                              if (value == "bad") return "--to needs a stage";
                              return std::nullopt;
                            });
  return result;
}

using Strings = std::vector<std::string>;

TEST(OptionScan, OptionsAndOperandsComeInAnyOrderUntilTwoDashes) {
  const Scanned s = Scan({"a", "--to", "-3", "--qui", "-", "--top=", "b", "--", "--quiet"});
  EXPECT_EQ(s.scan.error, "");
  EXPECT_EQ(s.taken, (Strings{"0=-3", "2=", "1="})) << "a value may start with '-' or be empty";
  EXPECT_EQ(Strings(s.scan.operands.begin(), s.scan.operands.end()),
            (Strings{"a", "-", "b", "--quiet"}));
  EXPECT_FALSE(s.scan.help || s.scan.version);
  EXPECT_TRUE(Scan({"--he", "--version"}).scan.help && Scan({"--version"}).scan.version);
}

TEST(OptionScan, TheFirstThingWrongIsKeptAndTheRestStillRead) {
  const std::pair<std::vector<const char*>, const char*> cases[] = {
      {{"--t", "1"}, "ambiguous option '--t' (--to or --top)"},
      {{"--loud", "--to"}, "unknown option '--loud'"},
      {{"-q"}, "unknown option '-q'"},
      {{"--quiet=yes"}, "--quiet takes no value"},
      {{"--help=1"}, "--help takes no value"},
      {{"--top"}, "--top needs a value"},
      {{"--to=bad", "--\x1b[2J"}, "--to needs a stage"},
      {{"--\x1b[2J", "--to=bad"}, "unknown option '--\\x1b[2J'"},
  };
  for (const auto& [args, error] : cases) EXPECT_EQ(Scan(args).scan.error, error);
  const Scanned s = Scan({"--bogus", "--help", "--to", "4"});
  EXPECT_TRUE(s.scan.help) << "the program chooses whether --help wins";
  EXPECT_EQ(s.taken, Strings{"0=4"});
}

TEST(OptionScan, ABadCommandLineIsSaidTheSameByEveryProgram) {
  EXPECT_EQ(UnexpectedArgument("st\ray"), "unexpected argument 'st\\x0day'");
  EXPECT_EQ(CommandLineError("ursa", "unknown option '--x'"),
            "ursa: unknown option '--x'\nTry 'ursa --help' for more.\n");
  EXPECT_EQ(CommandLineError("ursa-sim", "missing script", "usage: ursa-sim SCRIPT"),
            "ursa-sim: missing script\nusage: ursa-sim SCRIPT\nTry 'ursa-sim --help' for more.\n");
}

}  // namespace
}  // namespace ursa::text
