// --record's file without a window: what it keeps, that the simulator's parser reads it back,
// and what happens when it cannot be written.
#include "app/recorder.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/sim_runner.hpp"

namespace ursa {
namespace {

ScriptEvent Key(uint64_t frame, int keyCode, bool down = true) { return {frame, keyCode, down}; }

ScriptParse ReadScript(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return ParseScript(in);
}

TEST(KeyRecorder, WritesTheKeysThatChangeTheGameAsAKeyScript) {
  const std::string path = test::TempPath("recorded.keys");
  {
    std::string error;
    const auto recorder = KeyRecorder::Open(path, error);
    ASSERT_NE(recorder, nullptr) << error;
    GameState s{};
    s.stage = 1;
    recorder->Record(Screen::kTitle, Key(0, kKeyRight));  // reset by the stage start: left out
    recorder->Record(Screen::kTitle, Key(0, kKeyEnter));
    recorder->StageStarted(s, 0);
    recorder->Record(Screen::kPlaying, Key(0, kKeyRight));
    recorder->Record(Screen::kPlaying, Key(2, kKeyEnter, false));
    recorder->Record(Screen::kDying, Key(40, kKeyLeft));
    recorder->Record(Screen::kDying, Key(40, kKeyEnter));
    recorder->Record(Screen::kDying, Key(40, kKeyEsc));
    recorder->Record(Screen::kLeaving, Key(40, kKeyEnter));
    recorder->Record(Screen::kTitle, Key(40, kKeyEnter));
    // Esc stops play; until Enter starts the stage again in the same moment, nothing counts.
    recorder->Record(Screen::kPlaying, Key(50, kKeyEsc));
    recorder->Record(Screen::kPlaying, Key(50, kKeyRight));
    recorder->Record(Screen::kPlaying, Key(50, kKeyEsc));
    recorder->Record(Screen::kPlaying, Key(50, kKeyEnter));
    recorder->Record(Screen::kPlaying, Key(50, kKeyLeft));
    // Everything up to the stage start is on disk already, before the recorder closes.
    EXPECT_NE(test::ReadFile(path).find("0 Enter down\n# stage 1, 0 misses, from frame 0\n"),
              std::string::npos)
        << test::ReadFile(path);
  }
  const ScriptParse script = ReadScript(path);
  ASSERT_EQ(script.error, "") << test::ReadFile(path);
  EXPECT_EQ(script.events,
            (std::vector<ScriptEvent>{
                Key(0, kKeyEnter), Key(0, kKeyRight), Key(2, kKeyEnter, false), Key(40, kKeyEsc),
                Key(40, kKeyEnter), Key(50, kKeyEsc), Key(50, kKeyEnter), Key(50, kKeyLeft)}));
}

TEST(KeyRecorder, AFileThatCannotBeWrittenIsRefusedBeforePlay) {
  std::string error;
  EXPECT_EQ(KeyRecorder::Open("/nonexistent-folder/run.keys", error), nullptr);
  EXPECT_NE(error.find("/nonexistent-folder/run.keys"), std::string::npos) << error;
  // A full disk refuses even the heading.
  error.clear();
  EXPECT_EQ(KeyRecorder::Open("/dev/full", error), nullptr);
  EXPECT_NE(error.find("No space"), std::string::npos) << error;
}

// Limits the size of files this process writes while it lives; writing past it fails with
// EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &before_);
    oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = before_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &before_);
    std::signal(SIGXFSZ, oldHandler_);
  }

 private:
  rlimit before_{};
  void (*oldHandler_)(int) = nullptr;
};

TEST(KeyRecorder, AWriteThatFailsInPlayIsSaidOnceAndPlayGoesOn) {
  const std::string path = test::TempPath("full.keys");
  std::string error;
  const auto recorder = KeyRecorder::Open(path, error);
  ASSERT_NE(recorder, nullptr) << error;
  const size_t heading = test::ReadFile(path).size();
  {
    const FileSizeLimit limit(heading + 40);
    testing::internal::CaptureStderr();
    GameState s{};
    for (uint64_t frame = 0; frame < 500; ++frame) {
      recorder->Record(Screen::kPlaying, Key(frame, kKeySpace, frame % 2 == 0));
      if (frame % 100 == 0) recorder->StageStarted(s, frame);
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(recorder->Failure().find(path), std::string::npos);
    EXPECT_EQ(said, "ursa: " + recorder->Failure() + "; the rest of this run is not recorded\n");
  }
  // What reached the disk before the failure is still a script the simulator reads, up to
  // the last whole line.
  const std::string text = test::ReadFile(path);
  std::istringstream whole(text.substr(0, text.rfind('\n') + 1));
  EXPECT_EQ(ParseScript(whole).error, "");
}

}  // namespace
}  // namespace ursa
