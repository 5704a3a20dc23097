// ursa-route: searches a play-through of the stages without a miss and prints it as an
// ursa-sim script, or proves a stage's fewest frames; what the search cost goes to stderr.
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include "text/options.hpp"
#include "tools/ursa-route/game_route.hpp"
#include "tools/ursa-route/route_options.hpp"
#include "tools/ursa-route/search_limits.hpp"
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

// Writes `text` to a new file beside `path` and renames it over `path`: the file is whole, or
// as it was. The new file is made as an ordinary one would be, under the umask.
bool WriteFile(const std::string& path, const std::string& text) {
  std::string temporary = path + ".XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return false;
  const mode_t mask = umask(0);
  umask(mask);
  bool written = fchmod(fd, 0666 & ~mask) == 0;
  for (std::size_t at = 0; written && at < text.size();) {
    const ssize_t n = write(fd, text.data() + at, text.size() - at);
    if (n < 0 && errno == EINTR) continue;
    written = n > 0;
    if (written) at += static_cast<std::size_t>(n);
  }
  written = close(fd) == 0 && written;
  if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
    unlink(temporary.c_str());
    return false;
  }
  return true;
}

// SIGTERM and SIGINT ask the search to stop; it looks now and then, and then says what it knows.
// A second one ends the program at once.
std::atomic<bool> stopAsked{false};
volatile std::sig_atomic_t stopSignal = 0;
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void AskToStop(int signal) {
  stopSignal = signal;
  stopAsked.store(true);
}

void CatchStopSignals() {
  struct sigaction action {};
  action.sa_handler = AskToStop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART | SA_RESETHAND;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

// Why the search stopped short, for standard error.
std::string StopText(ursa::route::SearchStop stop, const ursa::route::MemoryBudget& memory) {
  using ursa::route::SearchStop;
  switch (stop) {
    case SearchStop::kMemory:
      return "it needs more than its " + ursa::route::MemorySizeText(memory.bytes) +
             " of memory (" + memory.from + ")";
    case SearchStop::kTime:
      return "it ran out of its time";
    case SearchStop::kInterrupted:
      return stopSignal == SIGINT ? "SIGINT stopped it" : "SIGTERM stopped it";
    case SearchStop::kNone:
      break;
  }
  return "no route is short enough";
}

// --optimal: the stage's fewest frames on standard output, the route's script in --out. A search
// stopped short says what it knows, the best route and the bound, and writes no script: the one
// in --out may be a proven route.
int Optimal(const ursa::route::RouteOptions& options) {
  using namespace ursa::route;
  CatchStopSignals();
  const auto started = std::chrono::steady_clock::now();
  const MemoryBudget memory = ChooseMemoryBudget(options.maxMemory, ReadMemoryLimits());
  std::fprintf(stderr, "memory: at most %s (%s)\n", MemorySizeText(memory.bytes).c_str(),
               memory.from.c_str());
  OptimalOptions limits;
  limits.reduce = !options.plain;
  limits.maxBytes = SearchBytes(memory.bytes);
  limits.stop = &stopAsked;
  const StageOptimum optimum = FindStageOptimum(
      options.stage, limits,
      [](int frame, std::size_t states) {
        if (frame % 50 == 0) std::fprintf(stderr, "frame %d: %zu states\n", frame, states);
      },
      [](const StageOptimum& known) {
        if (known.frames != 0) std::fprintf(stderr, "best known: %d frames\n", known.frames);
        std::fprintf(stderr, "searching every input from %d frames\n", known.lowerBound);
      });
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::fprintf(stderr,
               "%lld frames simulated, %lld states kept, widest frame %zu, %d frames searched, "
               "%.1f s\n",
               static_cast<long long>(optimum.stats.framesRun),
               static_cast<long long>(optimum.stats.statesKept), optimum.stats.widestLayer,
               optimum.stats.framesSearched, seconds);
  std::fprintf(stderr, "memory: %s counted by the exhaustive search, %s at the peak (VmPeak)\n",
               MemorySizeText(optimum.stats.peakBytes).c_str(),
               MemorySizeText(ProcessPeakBytes()).c_str());
  if (!Print(OptimumLine(optimum) + "\n")) {
    std::fprintf(stderr, "ursa-route: cannot write the output\n");
    return kNotFound;
  }
  if (!optimum.proven) {
    std::fprintf(stderr, "ursa-route: stage %d not proven: %s%s\n", optimum.stage,
                 StopText(optimum.stop, memory).c_str(),
                 options.outPath.empty() ? "" : "; --out is left as it was");
    return kNotFound;
  }
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

  if (options.optimal) {
    try {
      return Optimal(options);
    } catch (const std::bad_alloc&) {
      std::fprintf(stderr, "ursa-route: out of memory\n");
      return kNotFound;
    }
  }

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

  // A script holds a route through one stage at least: a search that found none writes none.
  if (!legs.empty()) {
    const std::string script = "# Ursa from stage " + std::to_string(options.first) +
                               " to the door of stage " +
                               std::to_string(options.first + static_cast<int>(legs.size()) - 1) +
                               " without a miss, found by ursa-route.\n" + route::ScriptText(legs);
    const bool written =
        options.outPath.empty() ? Print(script) : WriteFile(options.outPath, script);
    if (!written) {
      const std::string where =
          options.outPath.empty() ? "the output" : "'" + options.outPath + "'";
      std::fprintf(stderr, "ursa-route: cannot write %s\n", where.c_str());
      return kNotFound;
    }
  }
  if (static_cast<int>(legs.size()) != options.last - options.first + 1) {
    std::fprintf(stderr, "ursa-route: no way found through stage %d\n",
                 options.first + static_cast<int>(legs.size()));
    return kNotFound;
  }
  return 0;
}
