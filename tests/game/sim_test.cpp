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
    ASSERT_EQ(f.size(), 13U) << lines[i];
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
  // Running left off the end of stage 1's floor.
  const std::string left = WriteTemp("left.script", "0 Left down\n");
  const SimRun run = RunSim("trace --frames 200 " + left);
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> lines = run.Lines();
  std::size_t fall = 0;
  while (fall < lines.size() && Fields(lines[fall]).back() != "fall") ++fall;
  ASSERT_LT(fall, lines.size() - 1);
  ASSERT_GT(fall, 0U);
  EXPECT_EQ(Fields(lines[fall])[2], "0");
  EXPECT_EQ(Fields(lines[fall])[3], Fields(lines[fall - 1])[3]);
  EXPECT_EQ(Fields(lines[fall + 1])[2], "1");
  EXPECT_EQ(Fields(lines[fall + 1])[5], "49") << "the next frame starts from the start point";

  // A miss on the last allowed frame ends by the limit with the miss counted.
  const std::string frames = std::to_string(fall + 1);
  const SimRun last = RunSim("play --frames " + frames + " " + left);
  EXPECT_TRUE(last.out.starts_with("end limit stage=1 miss=1 frames=" + std::to_string(fall)))
      << last.out;
}

TEST(UrsaSim, ADoorIntoStageSixteenOnTheLastFrameEndsWithTheEnding) {
  const std::string script = Script("stage15_door.script");
  EXPECT_EQ(RunSim("play --stage 15 --misses 1 --frames 161 " + script).out,
            "end ending stage=16 miss=1 frames=160 time=16 score=9484\n");
  EXPECT_EQ(RunSim("play --stage 15 --misses 1 --frames 160 " + script).out,
            "end limit stage=15 miss=1 frames=160 time=16 score=9484\n");
}

TEST(UrsaSim, EscThenEnterRestartsAndPlayGoesOn) {
  const SimRun run = RunSim("trace --frames 10 " + Script("esc_enter.script"));
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> lines = run.Lines();
  ASSERT_EQ(lines.size(), 11U);
  EXPECT_EQ(Fields(lines[5])[3], "1") << "frameCount restarts at the Enter";
  EXPECT_EQ(Fields(lines[5])[4], "0") << "the player is back at the start";
  EXPECT_EQ(lines.back(), "end limit stage=1 miss=0 frames=5 time=0 score=10000");
}

TEST(UrsaSim, EscEndsPlayBeforeTheFrameRuns) {
  const SimRun run = RunSim("trace " + Script("esc_esc.script"));
  ASSERT_EQ(run.status, 0);
  const std::vector<std::string> lines = run.Lines();
  ASSERT_EQ(lines.size(), 6U);
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

TEST(UrsaSim, OnlyTheFifteenStagesCanBeStartedFrom) {
  // Stage 16 is the ending: starting there would score a game never played.
  for (const char* stage : {"0", "16", "99", "-1", "40000"}) {
    const SimRun run = RunSim(std::string("play --stage ") + stage + " " + Script("empty.script"));
    EXPECT_EQ(run.status, 2) << stage;
    EXPECT_EQ(run.out, "") << stage;
    EXPECT_NE(run.err.find("--stage needs a whole number from 1 to 15"), std::string::npos)
        << stage << ": " << run.err;
  }
  for (const char* stage : {"1", "15"}) {
    EXPECT_EQ(RunSim(std::string("play --frames 1 --stage ") + stage + " " + Script("empty.script"))
                  .status,
              0)
        << stage;
  }
}

TEST(UrsaSim, CommentsMayFollowAnEvent) {
  const std::string commented = WriteTemp("commented.script",
                                          "# Right for a while\n"
                                          "0 Right down # go\n"
                                          "20\tRight up\t#stop\r\n"
                                          "25 Space down#jump\n");
  const std::string plain =
      WriteTemp("uncommented.script", "0 Right down\n20 Right up\n25 Space down\n");
  const SimRun run = RunSim("trace --frames 60 " + commented);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, RunSim("trace --frames 60 " + plain).out);
  EXPECT_NE(run.out, RunSim("trace --frames 60 " + Script("empty.script")).out);
}

TEST(UrsaSim, ALineLongerThan4096BytesIsRefusedByItsNumber) {
  const std::string longest = "0 Right down #" + std::string(4096 - 14, 'x');
  const SimRun fits = RunSim("play --frames 1 " + WriteTemp("longest.script", longest + "\n"));
  EXPECT_EQ(fits.status, 0) << fits.err;

  const SimRun over = RunSim("play " + WriteTemp("over.script", "\n" + longest + "y\n"));
  EXPECT_EQ(over.status, 2);
  EXPECT_EQ(over.out, "");
  EXPECT_NE(over.err.find(": line 2: longer than 4096 bytes\n"), std::string::npos) << over.err;

  // A file with no line end at all, such as /dev/zero, is refused at its first 4 KiB.
  const SimRun zeros = RunSim("play " + WriteTemp("zeros.script", std::string(1 << 20, '\0')));
  EXPECT_EQ(zeros.status, 2);
  EXPECT_NE(zeros.err.find(": line 1: longer than 4096 bytes\n"), std::string::npos) << zeros.err;
}

TEST(UrsaSim, AMessageShowsEveryByteOfTheLineItQuotes) {
  constexpr char kLine[] = "1 Le\0ft\x01 down\n";
  const SimRun run =
      RunSim("play " + WriteTemp("nul.script", std::string(kLine, sizeof kLine - 1)));
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("line 1: unknown key 'Le\\x00ft\\x01' (keys: Left Right Up Space Enter "
                         "Esc TimeAttack)\n"),
            std::string::npos)
      << run.err;
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

TEST(UrsaSim, BadArgumentsAreRefusedWithWhatWasWrong) {
  const std::string script = Script("empty.script");
  struct Case {
    std::string args;
    std::string message;
  };
  const Case cases[] = {
      {"", "missing mode"},
      {"run " + script, "unknown mode 'run'"},
      {"trace", "missing script"},
      {"trace --stage " + script, "--stage needs a whole number"},
      {"trace " + script + " --stage", "--stage needs a value"},
      {"trace --stage x " + script, "--stage needs a whole number"},
      {"trace --stage= " + script, "--stage needs a whole number"},
      {"trace --misses -1 " + script, "--misses needs a whole number from 0 to 32767"},
      {"trace --frames -5 " + script, "--frames needs a whole number of 0 or more"},
      {"trace --frames 5x " + script, "--frames needs a whole number of 0 or more"},
      {"trace --speed 2 " + script, "unknown option '--speed'"},
      {"trace -s 2 " + script, "unknown option '-s'"},
      {"trace --version=2 " + script, "--version takes no value"},
      {"trace " + script + " " + script, "unexpected argument"},
      {"trace " + script + " \"$(printf 'x\\033[2J')\"",
       "unexpected argument 'x\\x1b[2J' after the script"},
      {"trace /nonexistent/ursa.script", "cannot read script '/nonexistent/ursa.script'"},
  };
  for (const Case& c : cases) {
    const SimRun run = RunSim(c.args);
    EXPECT_EQ(run.status, 2) << c.args;
    EXPECT_EQ(run.out, "") << c.args;
    EXPECT_TRUE(run.err.starts_with("ursa-sim: ")) << c.args << ": " << run.err;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args << ": " << run.err;
  }
}

TEST(UrsaSim, OptionsMayComeAnywhereAndTakeTheirValueWithAnEqualsSign) {
  const std::string script = Script("plain.script");
  const std::string want = RunSim("play --stage 4 --frames 30 " + script).out;
  ASSERT_TRUE(want.starts_with("end limit stage=4 ")) << want;
  EXPECT_EQ(RunSim("--stage=4 play " + script + " --frames=30").out, want);
  EXPECT_EQ(RunSim("play --frames 30 -- " + script + " --stage=4").status, 2)
      << "after -- everything is an argument";
}

TEST(UrsaSim, HelpAndVersionAnswerOnStandardOutput) {
  for (const char* args : {"--help", "play --help", "--help --no-such-option"}) {
    const SimRun help = RunSim(args);
    EXPECT_EQ(help.status, 0) << args;
    EXPECT_TRUE(help.out.starts_with("usage: ursa-sim trace|play")) << args;
    EXPECT_NE(help.out.find("--stage N"), std::string::npos) << args;
    EXPECT_EQ(help.err, "") << args;
  }
  const SimRun version = RunSim("--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "ursa-sim " URSA_VERSION "\n");
  EXPECT_EQ(version.err, "");
}

}  // namespace
}  // namespace ursa
