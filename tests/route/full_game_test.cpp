// The whole game replayed from tools/ursa-sim/full-game.script through ursa-sim: the golden
// end figures of a play-through without a miss, and every stage's part through its own door.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/sim_runner.hpp"

namespace ursa {
namespace {

using test::Fields;
using test::ReadFile;
using test::TempPath;

const std::string kScript = std::string(URSA_SOURCE_DIR) + "/tools/ursa-sim/full-game.script";

// Runs ursa-sim with `args`, expecting success, and returns its standard output by lines.
std::vector<std::string> Sim(const std::string& args) {
  const test::SimRun run = test::RunSim(args);
  EXPECT_EQ(run.status, 0) << args << "\n" << run.err;
  return run.Lines();
}

// One stage's part of the script: its events and the frames the comment line gives it.
struct Part {
  int stage = 0;
  int firstFrame = 0;
  int doorFrame = 0;
  std::vector<std::vector<std::string>> events;
};

// Comment lines read "# Stage N: frames A to B, through the door at frame B".
std::vector<Part> Parts() {
  std::vector<Part> parts;
  std::istringstream in(ReadFile(kScript));
  for (std::string line; std::getline(in, line);) {
    Part part;
    if (std::sscanf(line.c_str(), "# Stage %d: frames %d to %d", &part.stage, &part.firstFrame,
                    &part.doorFrame) == 3) {
      parts.push_back(part);
    } else if (!line.empty() && line[0] != '#') {
      EXPECT_FALSE(parts.empty()) << "an event before the first stage: " << line;
      if (!parts.empty()) parts.back().events.push_back(Fields(line));
    }
  }
  return parts;
}

TEST(FullGame, PlaysToTheEndingWithoutAMiss) {
  // Golden figures of the route found by ursa-route; any change to the rules that moves a
  // frame of it shows here.
  EXPECT_EQ(Sim("play " + kScript),
            std::vector<std::string>{"end ending stage=16 miss=0 frames=3469 time=346 "
                                     "score=9654"});
}

TEST(FullGame, DoorsComeAtTheFramesOfTheStageComments) {
  const std::vector<Part> parts = Parts();
  ASSERT_EQ(parts.size(), 15U);
  std::vector<int> doors;
  for (const std::string& line : Sim("trace " + kScript)) {
    const std::vector<std::string> f = Fields(line);
    if (f.size() != 13) continue;
    EXPECT_TRUE(f[12] == "-" || f[12] == "door") << line;
    EXPECT_EQ(f[2], "0") << line;
    if (f[12] == "door") doors.push_back(std::stoi(f[0]));
  }
  ASSERT_EQ(doors.size(), parts.size());
  int expectedStart = 0;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    EXPECT_EQ(parts[i].stage, static_cast<int>(i) + 1);
    EXPECT_EQ(parts[i].firstFrame, expectedStart) << "stage " << parts[i].stage;
    EXPECT_EQ(doors[i], parts[i].doorFrame) << "stage " << parts[i].stage;
    expectedStart = parts[i].doorFrame + 1;
  }
}

TEST(FullGame, EachStagePartAloneGoesThroughItsDoor) {
  // A stage start resets everything the part depends on, so each part, played from a fresh
  // start of its stage, must reach the same door at the same frame.
  for (const Part& part : Parts()) {
    SCOPED_TRACE("stage " + std::to_string(part.stage));
    std::ostringstream script;
    for (const std::vector<std::string>& event : part.events) {
      ASSERT_EQ(event.size(), 3U);
      script << std::stoi(event[0]) - part.firstFrame << " " << event[1] << " " << event[2] << "\n";
    }
    const std::string path = TempPath("part.script");
    std::ofstream(path) << script.str();
    const int frames = part.doorFrame - part.firstFrame + 1;
    const std::vector<std::string> lines = Sim("trace --stage " + std::to_string(part.stage) +
                                               " --frames " + std::to_string(frames) + " " + path);
    std::remove(path.c_str());
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(frames) + 1);
    for (int i = 0; i + 1 < frames; ++i) EXPECT_EQ(Fields(lines[i]).back(), "-") << lines[i];
    const std::vector<std::string> door = Fields(lines[frames - 1]);
    EXPECT_EQ(door.back(), "door");
    EXPECT_EQ(door[1], std::to_string(part.stage + 1));
    EXPECT_TRUE(lines.back().find(" miss=0 ") != std::string::npos) << lines.back();
  }
}

}  // namespace
}  // namespace ursa
