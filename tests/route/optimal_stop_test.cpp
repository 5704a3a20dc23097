// ursa-route --optimal stopped short, by its memory or by SIGTERM: it prints the best route
// known and the bound proven, exits 1 and leaves the script in --out as it was.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <regex>
#include <string>

#include "game/par_times.hpp"
#include "tests/sim_runner.hpp"

#if defined(__has_feature)
#define URSA_HAS_ASAN __has_feature(address_sanitizer)
#else
#define URSA_HAS_ASAN 0
#endif

namespace ursa {
namespace {

using test::SimRun;

constexpr const char* kOldScript = "# a proven route, kept\n0 Right down\n";

// The stdout of a stopped search: its best route, longer than the par or as long, and its
// bound, never above the par.
void ExpectBestKnown(const std::string& out, int stage) {
  const std::regex line("stage (\\d+): (\\d+) frames, best known, none under (\\d+)\n");
  std::smatch match;
  ASSERT_TRUE(std::regex_match(out, match, line)) << out;
  EXPECT_EQ(std::stoi(match[1]), stage);
  EXPECT_GE(std::stoi(match[2]), ParOf(stage).frames);
  EXPECT_LE(std::stoi(match[3]), ParOf(stage).frames);
}

TEST(OptimalStop, ShortOfMemoryTheSearchSaysWhatItKnowsAndKeepsTheOldScript) {
  // The plain search of stage 15 needs some 10 MiB of tables: 52M leaves it 4.
  const std::string path = test::WriteTemp("stage15-memory.script", kOldScript);
  const SimRun run = test::RunProgram(
      URSA_ROUTE_PATH, "--optimal --stage 15 --plain --max-memory 52M --out " + path);
  EXPECT_EQ(run.status, 1) << run.err;
  ExpectBestKnown(run.out, 15);
  EXPECT_EQ(run.out.find("none under 1\n"), std::string::npos) << "frames searched prove more";
  EXPECT_NE(run.err.find("needs more than its 52 MiB of memory (--max-memory)"), std::string::npos)
      << run.err;
  EXPECT_EQ(test::ReadFile(path), kOldScript);
}

TEST(OptimalStop, UnderAnAddressSpaceLimitTheSearchStopsWithinIt) {
#if defined(__SANITIZE_ADDRESS__) || URSA_HAS_ASAN
  GTEST_SKIP() << "AddressSanitizer's shadow memory needs more address space than the limit";
#else
  // 60000 KiB for the whole process: the search takes the limit as its own and stops at it,
  // where an allocation past it would throw.
  const SimRun run =
      test::RunProgram("ulimit -v 60000; exec " URSA_ROUTE_PATH, "--optimal --stage 15 --plain");
  EXPECT_EQ(run.status, 1) << run.err;
  ExpectBestKnown(run.out, 15);
  EXPECT_NE(run.err.find("of memory (the address-space limit, ulimit -v)"), std::string::npos)
      << run.err;
#endif
}

TEST(OptimalStop, SigtermStopsTheSearchWhichSaysWhatItKnows) {
  const std::string path = test::WriteTemp("stage10-sigterm.script", kOldScript);
  int out[2];
  int err[2];
  ASSERT_EQ(pipe(out), 0);
  ASSERT_EQ(pipe(err), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    dup2(out[1], STDOUT_FILENO);
    dup2(err[1], STDERR_FILENO);
    close(out[0]);
    close(err[0]);
    // Stage 10's search goes on for half a minute after it says it has begun, so the signal
    // meets it searching however slow the machine; 200M narrows the beam before it. Under
    // AddressSanitizer everything runs many times slower: stage 15's plain search is long
    // enough there, and stage 10's beam alone would take many minutes.
#if defined(__SANITIZE_ADDRESS__) || URSA_HAS_ASAN
    execl(URSA_ROUTE_PATH, URSA_ROUTE_PATH, "--optimal", "--stage", "15", "--plain", "--max-memory",
          "200M", "--out", path.c_str(), static_cast<char*>(nullptr));
#else
    execl(URSA_ROUTE_PATH, URSA_ROUTE_PATH, "--optimal", "--stage", "10", "--max-memory", "200M",
          "--out", path.c_str(), static_cast<char*>(nullptr));
#endif
    _exit(127);
  }
  close(out[1]);
  close(err[1]);
  // Standard error up to the line that says the exhaustive search has begun.
  std::string said;
  char buffer[4096];
  bool searching = false;
  while (!searching) {
    const ssize_t n = read(err[0], buffer, sizeof buffer);
    if (n <= 0) break;
    said.append(buffer, static_cast<std::size_t>(n));
    searching = said.find("searching every input") != std::string::npos;
  }
  kill(child, searching ? SIGTERM : SIGKILL);
  for (ssize_t n; (n = read(err[0], buffer, sizeof buffer)) > 0;) {
    said.append(buffer, static_cast<std::size_t>(n));
  }
  std::string printed;
  for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) {
    printed.append(buffer, static_cast<std::size_t>(n));
  }
  close(out[0]);
  close(err[0]);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(searching) << said;
  ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status) << "\n" << said;
  EXPECT_EQ(WEXITSTATUS(status), 1) << said;
#if defined(__SANITIZE_ADDRESS__) || URSA_HAS_ASAN
  ExpectBestKnown(printed, 15);
#else
  ExpectBestKnown(printed, 10);
#endif
  EXPECT_NE(said.find("SIGTERM stopped it"), std::string::npos) << said;
  EXPECT_EQ(test::ReadFile(path), kOldScript);
}

}  // namespace
}  // namespace ursa
