// Command lines of the game and of the tools: one scanner of long options, --help and --version
// for every program, and one wording for what is wrong with a command line.
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ursa::text {

// One of a program's own options: --name, with a value (--name VALUE or --name=VALUE) or
// without one. `id` is the program's own number for it, handed back to its TakeOption.
struct LongOption {
  std::string_view name;  // without the leading "--"
  bool takesValue = false;
  int id = 0;
};

struct OptionScan {
  bool help = false;
  bool version = false;
  std::string error;                       // the first bad option; empty when all were good
  std::vector<std::string_view> operands;  // every argument that is no option, in order
};

// A program's reading of one of its options and the value given ("" for an option without
// one); returns what is wrong with the value, or nothing.
using TakeOption = std::function<std::optional<std::string>(int id, std::string_view value)>;

// Reads the arguments after the program's name (argv[0]). Options and operands may come in
// any order, until "--", after which every argument is an operand. --help and --version are
// every program's; a long option may be shortened while only one option starts so (--win for
// --windowed). There are no one-letter options. Every option is read, and the message of the
// first bad one kept, so that the program chooses what wins: --help over a bad option, or
// not. argv itself is left as it was.
OptionScan ScanOptions(int argc, const char* const argv[], std::span<const LongOption> options,
                       const TakeOption& take);

// The message for an operand where the program takes none: "unexpected argument 'stray'".
std::string UnexpectedArgument(std::string_view argument);

// What a program says on standard error about a bad command line: "PROGRAM: ERROR", the
// one-line usage when the program has one, and where to read more.
std::string CommandLineError(std::string_view program, std::string_view error,
                             std::string_view usage = {});

}  // namespace ursa::text
