// ursa-sim run as a program: its exact trace format, the order of events around frames,
// the end reasons, and strict refusal (exit status 2) of bad scripts and arguments.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/sim_runner.hpp"

namespace ursa {
namespace {

using test::Fields;
using test::RunSim;
using test::SimRun;
using test::WriteTemp;

std::string Script(const std::string& name) { return std::string(URSA_SIM_SCRIPTS) + "/" + name; }

TEST(UrsaSim, TraceOfTheFirstFramesOfStageOne) {
  // Standing in the air above the first block, the player starts to fall; the digest is that
  // of stage 1's door, light and arrow.
  const SimRun run = RunSim("trace --frames 3 " + Script("empty.script"));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out,
            "0 1 0 1 0 49 0 -1 5 0 0 db273ecc -\n"
            "1 1 0 2 0 47 0 -2 5 0 0 db273ecc -\n"
            "2 1 0 3 0 44 0 -3 5 0 0 db273ecc -\n"
            "end limit stage=1 miss=0 frames=3 time=0 score=10000\n");
  EXPECT_EQ(run.err, "");
}

TEST(UrsaSim, PlayPrintsOnlyTheEndLineOfTheTrace) {
  const SimRun trace = RunSim("trace --stage 4 --misses 2 --frames 300 " + Script("plain.script"));
  const SimRun play = RunSim("play --stage 4 --misses 2 --frames 300 " + Script("plain.script"));
  ASSERT_EQ(trace.status, 0);
  ASSERT_EQ(play.status, 0);
  EXPECT_EQ(play.out, trace.Lines().back() + "\n");
  EXPECT_EQ(play.out, "end limit stage=4 miss=2 frames=300 time=30 score=8970\n");
}

TEST(UrsaSim, TheDemoClearsStageOne) {
  const SimRun run =
      RunSim(std::string("trace ") + URSA_SOURCE_DIR + "/tools/ursa-sim/demo.script");
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> lines = run.Lines();
  EXPECT_TRUE(lines.back().starts_with("end title stage=2 miss=0 ")) << lines.back();
  int doors = 0;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    const std::vector<std::string> f = Fields(lines[i]);
    ASSERT_EQ(f.size(), 13u) << lines[i];
    EXPECT_EQ(f[0], std::to_string(i)) << "frames are numbered from 0";
    if (f[12] == "door") {
      ++doors;
      EXPECT_EQ(f[1], "2") << "a door line shows the stage already raised";
      EXPECT_EQ(f[3], Fields(lines[i - 1])[3]) << "the door frame is not counted";
    }
  }
  EXPECT_EQ(doors, 1);
}

TEST(UrsaSim, AMissLineShowsTheCountersBeforeTheMiss) {
  const SimRun run = RunSim("trace --stage 0 --frames 200 " + Script("empty.script"));
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> lines = run.Lines();
  std::size_t fall = 0;
  while (fall < lines.size() && Fields(lines[fall]).back() != "fall") ++fall;
  ASSERT_LT(fall, lines.size() - 1);
  ASSERT_GT(fall, 0u);
  EXPECT_EQ(Fields(lines[fall])[2], "0");
  EXPECT_EQ(Fields(lines[fall])[3], Fields(lines[fall - 1])[3]);
  EXPECT_EQ(Fields(lines[fall + 1])[2], "1");
  EXPECT_EQ(Fields(lines[fall + 1])[5], "49") << "the next frame starts from the start point";

  // A miss on the last allowed frame ends by the limit with the miss counted.
  const std::string frames = std::to_string(fall + 1);
  const SimRun last = RunSim("play --stage 0 --frames " + frames + " " + Script("empty.script"));
  EXPECT_TRUE(last.out.starts_with("end limit stage=0 miss=1 frames=" + std::to_string(fall)))
      << last.out;
}

TEST(UrsaSim, ADoorIntoStageSixteenOnTheLastFrameEndsWithTheEnding) {
  const std::string script = Script("stage15_door.script");
  EXPECT_EQ(RunSim("play --stage 15 --misses 1 --frames 161 " + script).out,
            "end ending stage=16 miss=1 frames=160 time=16 score=9484\n");
  EXPECT_EQ(RunSim("play --stage 15 --misses 1 --frames 160 " + script).out,
            "end limit stage=15 miss=1 frames=160 time=16 score=9484\n");
  EXPECT_EQ(RunSim("play --stage 16 " + script).out,
            "end ending stage=16 miss=0 frames=0 time=0 score=10000\n");
}

TEST(UrsaSim, EscThenEnterRestartsAndPlayGoesOn) {
  const SimRun run = RunSim("trace --frames 10 " + Script("esc_enter.script"));
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> lines = run.Lines();
  ASSERT_EQ(lines.size(), 11u);
  EXPECT_EQ(Fields(lines[5])[3], "1") << "frameCount restarts at the Enter";
  EXPECT_EQ(Fields(lines[5])[4], "0") << "the player is back at the start";
  EXPECT_EQ(lines.back(), "end limit stage=1 miss=0 frames=5 time=0 score=10000");
}

TEST(UrsaSim, EscEndsPlayBeforeTheFrameRuns) {
  const SimRun run = RunSim("trace " + Script("esc_esc.script"));
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> lines = run.Lines();
  ASSERT_EQ(lines.size(), 6u);
  EXPECT_EQ(lines.back(), "end title stage=1 miss=0 frames=5 time=0 score=10000");
}

TEST(UrsaSim, ScriptLayoutDoesNotChangeThePlay) {
  const SimRun never = RunSim("trace --frames 40 " + Script("never_run.script"));
  const SimRun empty = RunSim("trace --frames 40 " + Script("empty.script"));
  EXPECT_EQ(never.out, empty.out);
  const SimRun crlf = RunSim("trace --frames 40 " + Script("crlf.script"));
  const SimRun plain = RunSim("trace --frames 40 " + Script("plain.script"));
  EXPECT_EQ(crlf.status, 0) << crlf.err;
  EXPECT_EQ(crlf.out, plain.out);
  EXPECT_NE(plain.out, empty.out);
}

TEST(UrsaSim, OtherStageNumbersPlayOnEmptyTables) {
  const SimRun run = RunSim("trace --stage 17 --frames 1 " + Script("empty.script"));
  EXPECT_EQ(
      run.out,
      "0 17 0 1 0 49 0 -1 5 0 0 " +
          Fields(RunSim("trace --stage -5 --frames 1 " + Script("empty.script")).Lines()[0])[11] +
          " -\nend limit stage=17 miss=0 frames=1 time=0 score=10000\n");
}

TEST(UrsaSim, MalformedScriptLinesAreRefused) {
  struct Case {
    const char* content;
    int line;
  };
  const Case cases[] = {
      {"0 Right down\n3 right up\n", 2},        // key names are case-sensitive
      {"0 Right Down\n", 1},                    // so are down and up
      {"# c\n\n5 Left down\n4 Left up\n", 4},   // frames never decrease
      {"-1 Left down\n", 1},                    // no negative frames
      {"+1 Left down\n", 1},                    // plain digits only
      {"1 Left\n", 1},                          // missing field
      {"1 Left down now\n", 1},                 // extra field
      {"1x Left down\n", 1},                    // not a number
      {"99999999999999999999 Left down\n", 1},  // too large
      {"1 Shift down\n", 1},                    // unknown key
  };
  for (const Case& c : cases) {
    const SimRun run = RunSim("trace " + WriteTemp("bad.script", c.content));
    EXPECT_EQ(run.status, 2) << c.content;
    EXPECT_EQ(run.out, "") << c.content;
    EXPECT_NE(run.err.find("line " + std::to_string(c.line) + ":"), std::string::npos)
        << c.content << run.err;
  }
  const SimRun file = RunSim("play " + Script("bad_key.script"));
  EXPECT_EQ(file.status, 2);
  EXPECT_NE(file.err.find("line 3:"), std::string::npos) << file.err;
}

TEST(UrsaSim, BadArgumentsAreRefused) {
  const std::string script = Script("empty.script");
  const std::string cases[] = {
      "",
      "run " + script,
      "trace",
      "trace --stage " + script,
      "trace --stage 40000 " + script,
      "trace --stage x " + script,
      "trace --misses -1 " + script,
      "trace --frames -5 " + script,
      "trace --speed 2 " + script,
      "trace " + script + " " + script,
      "trace /nonexistent/ursa.script",
  };
  for (const std::string& args : cases) {
    const SimRun run = RunSim(args);
    EXPECT_EQ(run.status, 2) << args;
    EXPECT_EQ(run.out, "") << args;
    EXPECT_NE(run.err.find("ursa-sim: "), std::string::npos) << args;
  }
}

}  // namespace
}  // namespace ursa
