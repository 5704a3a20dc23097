// ursa-sim: plays the game without a window from a script of key events, printing a trace
// line per frame (trace) or only the final results (play).
#include <cstdio>
#include <fstream>
#include <string>
#include <string_view>

#include "game/game.hpp"
#include "game/key_script.hpp"
#include "text/options.hpp"
#include "tools/ursa-sim/options.hpp"
#include "tools/ursa-sim/sim_host.hpp"
#include "tools/ursa-sim/trace_format.hpp"

namespace {

constexpr int kUsageError = 2;
constexpr int kOutputError = 1;

int Fail(std::string_view message) {
  std::fprintf(stderr, "ursa-sim: ");
  std::fwrite(message.data(), 1, message.size(), stderr);
  std::fprintf(stderr, "\n");
  return kUsageError;
}

int FailCommandLine(const std::string& error) {
  std::fputs(ursa::text::CommandLineError("ursa-sim", error, ursa::sim::kUsage).c_str(), stderr);
  return kUsageError;
}

// Everything written to stdout must have reached it.
int Finish() {
  if (std::fflush(stdout) == 0 && std::ferror(stdout) == 0) return 0;
  std::fprintf(stderr, "ursa-sim: cannot write the output\n");
  return kOutputError;
}

std::string_view EndReason(const ursa::Game& game, const ursa::sim::SimHost& host) {
  if (host.LimitReached()) return "limit";
  return game.screen == ursa::Screen::kEnding ? "ending" : "title";
}

}  // namespace

int main(int argc, char** argv) {
  using namespace ursa;
  const sim::OptionsParse cli = sim::ParseOptions(argc, argv);
  if (!cli.error.empty()) return FailCommandLine(cli.error);
  const sim::Options& options = cli.options;
  if (options.mode == sim::Mode::kHelp) {
    std::fputs(sim::HelpText().c_str(), stdout);
    return Finish();
  }
  if (options.mode == sim::Mode::kVersion) {
    std::fputs("ursa-sim " URSA_VERSION "\n", stdout);
    return Finish();
  }

  std::ifstream file(options.scriptPath, std::ios::binary);
  if (!file) return Fail("cannot read script '" + options.scriptPath + "'");
  const ScriptParse script = ParseScript(file);
  if (file.bad()) return Fail("cannot read script '" + options.scriptPath + "'");
  if (!script.error.empty()) return Fail(options.scriptPath + ": " + script.error);

  Game game;
  game.state.stage = options.stage;
  game.state.missCount = options.misses;
  game.state.frameCount = 0;
  sim::SimHost host(game, script.events, options.frameLimit,
                    options.mode == sim::Mode::kTrace ? stdout : nullptr);
  host.Run();
  sim::WriteEndLine(stdout, EndReason(game, host), game);
  return Finish();
}
