// ursa-sim: plays the game without a window from a script of key events, printing a trace
// line per frame (trace) or only the final results (play).
#include <cstdio>
#include <fstream>
#include <string_view>

#include "game/game.hpp"
#include "tools/ursa-sim/options.hpp"
#include "game/key_script.hpp"
#include "tools/ursa-sim/sim_host.hpp"
#include "tools/ursa-sim/trace_format.hpp"

namespace {

constexpr int kUsageError = 2;

int Fail(std::string_view message, bool showUsage) {
  std::fprintf(stderr, "ursa-sim: %.*s\n", static_cast<int>(message.size()), message.data());
  if (showUsage) std::fprintf(stderr, "%s\n", ursa::sim::kUsage);
  return kUsageError;
}

std::string_view EndReason(const ursa::Game& game, const ursa::sim::SimHost& host) {
  if (host.LimitReached()) return "limit";
  return game.screen == ursa::Screen::kEnding ? "ending" : "title";
}

}  // namespace

int main(int argc, char** argv) {
  using namespace ursa;
  const sim::OptionsParse cli = sim::ParseOptions(argc, argv);
  if (!cli.error.empty()) return Fail(cli.error, true);
  const sim::Options& options = cli.options;

  std::ifstream file(options.scriptPath);
  if (!file) return Fail("cannot read script '" + options.scriptPath + "'", false);
  const ScriptParse script = ParseScript(file);
  if (file.bad()) return Fail("cannot read script '" + options.scriptPath + "'", false);
  if (!script.error.empty()) return Fail(options.scriptPath + ": " + script.error, false);

  Game game;
  game.state.stage = options.stage;
  game.state.missCount = options.misses;
  game.state.frameCount = 0;
  sim::SimHost host(game, script.events, options.frameLimit,
                    options.mode == sim::Mode::kTrace ? stdout : nullptr);
  RunGame(game, host);
  sim::WriteEndLine(stdout, EndReason(game, host), game.state);
  return std::fflush(stdout) == 0 ? 0 : 1;
}
