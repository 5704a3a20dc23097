// The option scanner: every argument looked at once, in order, with no state left behind, so
// a command line can be read any number of times and the program's argv is never reordered.
#include "text/options.hpp"

#include "text/player_text.hpp"

namespace ursa::text {
namespace {

constexpr LongOption kHelp{"help"};
constexpr LongOption kVersion{"version"};

// The option whose name is `name`, or else those whose name starts with it.
std::vector<const LongOption*> Matches(std::string_view name, std::span<const LongOption> options) {
  if (name.empty()) return {};
  std::vector<const LongOption*> all;
  for (const LongOption& o : options) all.push_back(&o);
  all.push_back(&kHelp);
  all.push_back(&kVersion);
  std::vector<const LongOption*> starting;
  for (const LongOption* o : all) {
    if (o->name == name) return {o};
    if (o->name.starts_with(name)) starting.push_back(o);
  }
  return starting;
}

// "ambiguous option '--re' (--record or --replay)"
std::string Ambiguous(std::string_view written, const std::vector<const LongOption*>& options) {
  std::string message = "ambiguous option " + Quoted(written) + " (";
  for (size_t i = 0; i < options.size(); ++i) {
    if (i > 0) message += i + 1 == options.size() ? " or " : ", ";
    message += "--" + std::string(options[i]->name);
  }
  return message + ")";
}

}  // namespace

OptionScan ScanOptions(int argc, const char* const argv[], std::span<const LongOption> options,
                       const TakeOption& take) {
  OptionScan scan;
  const auto fail = [&](std::string error) {
    if (scan.error.empty()) scan.error = std::move(error);
  };
  bool optionsEnded = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
      scan.operands.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    if (argument[1] != '-') {
      fail("unknown option " + Quoted(argument.substr(0, 2)));
      continue;
    }
    const std::string_view written = argument.substr(0, argument.find('='));
    const std::vector<const LongOption*> matches = Matches(written.substr(2), options);
    if (matches.empty()) {
      fail("unknown option " + Quoted(written));
      continue;
    }
    if (matches.size() > 1) {
      fail(Ambiguous(written, matches));
      continue;
    }
    const LongOption& option = *matches.front();
    const std::string name = "--" + std::string(option.name);
    std::optional<std::string_view> value;
    if (written.size() < argument.size()) value = argument.substr(written.size() + 1);
    if (!option.takesValue && value) {
      fail(name + " takes no value");
    } else if (option.takesValue && !value && i + 1 == argc) {
      fail(name + " needs a value");
    } else if (&option == &kHelp) {
      scan.help = true;
    } else if (&option == &kVersion) {
      scan.version = true;
    } else {
      if (option.takesValue && !value) value = argv[++i];
      if (std::optional<std::string> error = take(option.id, value.value_or(""))) fail(*error);
    }
  }
  return scan;
}

std::string UnexpectedArgument(std::string_view argument) {
  return "unexpected argument " + Quoted(argument);
}

std::string CommandLineError(std::string_view program, std::string_view error,
                             std::string_view usage) {
  std::string message = std::string(program) + ": " + std::string(error) + "\n";
  if (!usage.empty()) message += std::string(usage) + "\n";
  return message + "Try '" + std::string(program) + " --help' for more.\n";
}

}  // namespace ursa::text
