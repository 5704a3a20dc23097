// ursa-route: searches a play-through of the stages without a miss and prints it as an
// ursa-sim script, or proves a stage's fewest frames; what the search cost goes to stderr.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "text/options.hpp"
#include "tools/ursa-route/game_route.hpp"
#include "tools/ursa-route/route_options.hpp"
#include "tools/ursa-route/stage_optimum.hpp"

namespace {

constexpr int kNotFound = 1;
constexpr int kUsageError = 2;

int Fail(const std::string& message) {
  std::fputs(ursa::text::CommandLineError("ursa-route", message, ursa::route::kRouteUsage).c_str(),
             stderr);
  return kUsageError;
}

// Writes to standard output and reports whether everything reached it.
bool Print(const std::string& text) {
  std::cout << text << std::flush;
  return static_cast<bool>(std::cout);
}

bool WriteFile(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary);
  out << text;
  out.close();
  return static_cast<bool>(out);
}

// --optimal: the stage's fewest frames on standard output, the route's script in --out.
int Optimal(const ursa::route::RouteOptions& options) {
  using namespace ursa::route;
  const auto started = std::chrono::steady_clock::now();
  OptimalOptions limits;
  limits.reduce = !options.plain;
  const StageOptimum optimum =
      FindStageOptimum(options.stage, limits, [](int frame, std::size_t states) {
        if (frame % 50 == 0) std::fprintf(stderr, "frame %d: %zu states\n", frame, states);
      });
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::fprintf(stderr,
               "%lld frames simulated, %lld states kept, widest frame %zu, %d frames searched, "
               "%.1f s\n",
               static_cast<long long>(optimum.stats.framesRun),
               static_cast<long long>(optimum.stats.statesKept), optimum.stats.widestLayer,
               optimum.stats.framesSearched, seconds);
  if (!Print(OptimumLine(optimum) + "\n")) {
    std::fprintf(stderr, "ursa-route: cannot write the output\n");
    return kNotFound;
  }
  if (optimum.frames == 0) return kNotFound;
  if (!options.outPath.empty() && !WriteFile(options.outPath, OptimumScriptText(optimum))) {
    std::fprintf(stderr, "ursa-route: cannot write '%s'\n", options.outPath.c_str());
    return kNotFound;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace ursa;
  const route::RouteOptionsParse cli = route::ParseRouteOptions(argc, argv);
  if (!cli.error.empty()) return Fail(cli.error);
  const route::RouteOptions& options = cli.options;
  if (options.help || options.version) {
    if (Print(options.help ? route::RouteHelpText() : "ursa-route " URSA_VERSION "\n")) return 0;
    std::fprintf(stderr, "ursa-route: cannot write the output\n");
    return kNotFound;
  }

  if (options.optimal) return Optimal(options);

  const auto started = std::chrono::steady_clock::now();
  int totalFrames = 0;
  const std::vector<route::StageLeg> legs = route::FindGameRoute(
      options.first, options.last, options.framesPerStep, options.search,
      [&](const route::StageLeg& leg) {
        totalFrames += leg.route.frames;
        std::fprintf(stderr,
                     "stage %2d: %4d frames, %3zu key events, step %d, %lld frames searched, "
                     "widest step %zu, %.1f s\n",
                     leg.stage, leg.route.frames, leg.route.events.size(), leg.framesPerStep,
                     static_cast<long long>(leg.stats.framesRun), leg.stats.widestStep,
                     leg.seconds);
      });
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::fprintf(stderr, "%d frames of play in all, searched in %.1f s\n", totalFrames, seconds);

  const std::string script = "# Ursa from stage " + std::to_string(options.first) +
                             " to the door of stage " +
                             std::to_string(options.first + static_cast<int>(legs.size()) - 1) +
                             " without a miss, found by ursa-route.\n" + route::ScriptText(legs);
  const bool written = options.outPath.empty() ? Print(script) : WriteFile(options.outPath, script);
  if (!written) {
    const std::string where = options.outPath.empty() ? "the output" : "'" + options.outPath + "'";
    std::fprintf(stderr, "ursa-route: cannot write %s\n", where.c_str());
    return kNotFound;
  }
  if (static_cast<int>(legs.size()) != options.last - options.first + 1) {
    std::fprintf(stderr, "ursa-route: no way found through stage %d\n",
                 options.first + static_cast<int>(legs.size()));
    return kNotFound;
  }
  return 0;
}
