// --record's file without a window: what it keeps, that the simulator's parser reads it back,
// and what happens when it cannot be written.
#include "app/recorder.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/app/file_test_support.hpp"
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
  // Nor is a folder a file to write.
  error.clear();
  EXPECT_EQ(KeyRecorder::Open(testing::TempDir(), error), nullptr);
  EXPECT_NE(error.find("Is a directory"), std::string::npos) << error;
}

TEST(KeyRecorder, AWriteThatFailsInPlayIsSaidOnceAndPlayGoesOn) {
  const std::string path = test::TempPath("full.keys");
  std::string error;
  const auto recorder = KeyRecorder::Open(path, error);
  ASSERT_NE(recorder, nullptr) << error;
  {
    // Room for the heading and the first two stage starts with the keys between them.
    const test::FileSizeLimit limit(2000);
    testing::internal::CaptureStderr();
    GameState s{};
    s.stage = 1;
    for (uint64_t frame = 0; frame < 500; ++frame) {
      recorder->Record(Screen::kPlaying, Key(frame, kKeySpace, frame % 2 == 0));
      if (frame % 100 == 0) recorder->StageStarted(s, frame);
    }
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(recorder->Failure().find(path), std::string::npos);
    EXPECT_EQ(said, "ursa: " + recorder->Failure() +
                        "; recording stopped, the file keeps the stages before\n");
  }
  // What is on the disk is the run up to the last stage start that was written, whole.
  const std::string text = test::ReadFile(path);
  EXPECT_TRUE(text.ends_with("# stage 1, 0 misses, from frame 100\n")) << text;
  std::istringstream in(text);
  EXPECT_EQ(ParseScript(in).error, "");
}

// A disk with room for `room` bytes of the recording, kept in `text`: a write past it stops
// there, mid-line, and fails as a full disk does.
class FullDisk final : public RecordingFile {
 public:
  FullDisk(std::string& text, std::size_t room) : text_(text), room_(room) {}
  bool Start() override {
    text_.clear();
    return true;
  }
  std::size_t Append(std::string_view bytes) override {
    const std::size_t taken = std::min(bytes.size(), room_ - text_.size());
    text_.append(bytes.substr(0, taken));
    errno = ENOSPC;  // read only when not all went in
    return taken;
  }
  bool CutTo(std::size_t size) override {
    text_.resize(size);
    return true;
  }

 private:
  std::string& text_;
  std::size_t room_;
};

// Four stages of a run recorded on a disk with `room` bytes; returns the file's bytes.
std::string RecordFourStages(std::size_t room) {
  std::string text;
  KeyRecorder recorder(std::make_unique<FullDisk>(text, room), "run.keys");
  recorder.Record(Screen::kTitle, Key(0, kKeyEnter));
  GameState s{};
  for (s.stage = 1; s.stage <= 4; ++s.stage) {
    const uint64_t start = 100 * (s.stage - 1);
    recorder.StageStarted(s, start);
    for (uint64_t frame = start; frame < start + 100; frame += 10) {
      recorder.Record(Screen::kPlaying, Key(frame, kKeyRight, frame % 20 == 0));
    }
  }
  return text;
}

TEST(KeyRecorder, AFullDiskLeavesTheStagesBeforeItAsAKeyScript) {
  const std::string whole = RecordFourStages(SIZE_MAX);
  for (std::size_t room = 0; room < whole.size(); room += 25) {
    testing::internal::CaptureStderr();
    const std::string text = RecordFourStages(room);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "ursa: cannot write the recording 'run.keys': No space left on device; recording "
              "stopped, the file keeps the stages before\n");
    // Whole stages only: the file ends where a stage starts, and a replay reads all of it.
    const std::string tail = text.substr(text.rfind('\n', text.size() - 2) + 1);
    EXPECT_TRUE(text.empty() || (tail.starts_with("# stage ") && tail.ends_with("\n")))
        << "room " << room << ", the file ends in: " << tail;
    EXPECT_TRUE(whole.starts_with(text));
    std::istringstream in(text);
    EXPECT_EQ(ParseScript(in).error, "") << "room " << room;
  }
}

TEST(KeyRecorder, AnExistingFileIsReplacedOnlyOnceThereIsAStageToWrite) {
  const std::string path = test::WriteTemp("kept.keys", "100 Left down\n");
  const std::string fresh = test::TempPath("fresh.keys");
  std::string error;
  // The game fails to start: no key, no stage.
  KeyRecorder::Open(path, error).reset();
  KeyRecorder::Open(fresh, error).reset();
  EXPECT_EQ(test::ReadFile(path), "100 Left down\n");
  EXPECT_FALSE(std::ifstream(fresh)) << "a recording of nothing was left behind";
  {
    const auto recorder = KeyRecorder::Open(path, error);
    recorder->Record(Screen::kTitle, Key(0, kKeyEnter));
    GameState s{};
    s.stage = 1;
    recorder->StageStarted(s, 0);
    EXPECT_EQ(ReadScript(path).events, std::vector<ScriptEvent>{Key(0, kKeyEnter)});
  }
}

}  // namespace
}  // namespace ursa
