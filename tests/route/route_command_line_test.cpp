// ursa-route run as a program: help and version, refusal (exit status 2) of bad options and
// stray arguments before any search, a script that cannot be written reported as a failure, and
// none written by a search that found no route.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/sim_runner.hpp"

namespace ursa {
namespace {

using test::SimRun;

SimRun Route(const std::string& args) { return test::RunProgram(URSA_ROUTE_PATH, args); }

TEST(RouteCommandLine, HelpAndVersionAnswerOnStandardOutput) {
  for (const char* args : {"--help", "--from 3 --help", "--help stray"}) {
    const SimRun help = Route(args);
    EXPECT_EQ(help.status, 0) << args;
    EXPECT_TRUE(help.out.starts_with("usage: ursa-route ")) << args;
    EXPECT_NE(help.out.find("--steps K1,K2"), std::string::npos) << args;
    EXPECT_EQ(help.err, "") << args;
  }
  const SimRun version = Route("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "ursa-route " URSA_VERSION "\n");
}

TEST(RouteCommandLine, BadArgumentsAreRefusedBeforeAnySearch) {
  struct Case {
    const char* args;
    const char* message;
  };
  const Case cases[] = {
      {"--from 0", "--from needs a stage, 1 to 15"},
      {"--to 16", "--to needs a stage, 1 to 15"},
      {"--from 5 --to 3", "--from comes after --to"},
      {"--width 0", "--width needs a whole number of 1 or more"},
      {"--width 12abc", "--width needs a whole number of 1 or more"},
      {"--event-cost -1", "--event-cost needs a whole number of 0 or more"},
      {"--steps 4,0", "--steps needs whole numbers from 1 to"},
      {"--steps 4,", "--steps needs whole numbers from 1 to"},
      {"--out", "--out needs a value"},
      {"--fast", "unknown option '--fast'"},
      {"-w 5", "unknown option '-w'"},
      {"--help=1", "--help takes no value"},
      {"--from 1 stray", "unexpected argument 'stray'"},
      {"--optimal", "--optimal needs --stage"},
      {"--stage 3", "--stage goes with --optimal"},
      {"--optimal --stage 16", "--stage needs a stage, 1 to 15"},
      {"--plain --from 2", "--plain goes with --optimal"},
      {"--optimal --stage 3 --from 2", "--from does not go with --optimal"},
      {"--to 4 --optimal --stage 3", "--to does not go with --optimal"},
      {"--optimal --stage 3 --steps 4", "--steps does not go with --optimal"},
      {"--max-memory 1G", "--max-memory goes with --optimal"},
      {"--optimal --stage 3 --max-memory 0", "--max-memory needs a size, such as 512M or 2G"},
      {"--optimal --stage 3 --max-memory 2X", "--max-memory needs a size, such as 512M or 2G"},
      {"--optimal --stage 3 --max-memory 99999999999T", "--max-memory needs a size"},
  };
  for (const Case& c : cases) {
    const SimRun run = Route(c.args);
    EXPECT_EQ(run.status, 2) << c.args;
    EXPECT_EQ(run.out, "") << c.args;
    EXPECT_TRUE(run.err.starts_with(std::string("ursa-route: ") + c.message)) << run.err;
    EXPECT_EQ(run.err.find("frames of play in all"), std::string::npos) << "no search ran";
  }
}

TEST(RouteCommandLine, TheScriptGoesToItsFileAndAFailedWriteIsAFailure) {
  const std::string path = test::TempPath("stage15.script");
  const std::string args = "--from 15 --to 15 --width 200 --steps 4 --out ";
  const SimRun written = Route(args + path);
  EXPECT_EQ(written.status, 0) << written.err;
  EXPECT_EQ(written.out, "");
  const std::string script = test::ReadFile(path);
  std::remove(path.c_str());
  EXPECT_TRUE(script.starts_with("# Ursa from stage 15 to the door of stage 15 ")) << script;
  EXPECT_NE(script.find("\n# Stage 15: frames 0 to "), std::string::npos) << script;

  const SimRun unwritable = Route(args + "/nonexistent/stage15.script");
  EXPECT_EQ(unwritable.status, 1);
  EXPECT_NE(unwritable.err.find("ursa-route: cannot write '/nonexistent/stage15.script'"),
            std::string::npos)
      << unwritable.err;
}

TEST(RouteCommandLine, ASearchThatFindsNoRouteLeavesTheScriptAsItWas) {
  // A beam one state wide finds no way through stage 15.
  const std::string old = "# a route found before\n0 Right down\n";
  const std::string path = test::WriteTemp("kept.script", old);
  const std::string args = "--from 15 --to 15 --width 1 --steps 4";
  const SimRun written = Route(args + " --out " + path);
  EXPECT_EQ(written.status, 1);
  EXPECT_NE(written.err.find("no way found through stage 15"), std::string::npos) << written.err;
  EXPECT_EQ(test::ReadFile(path), old);
  const SimRun printed = Route(args);
  EXPECT_EQ(printed.status, 1);
  EXPECT_EQ(printed.out, "");
}

}  // namespace
}  // namespace ursa
