// The importer helper ursa-xparse: a file comes back through it as Assimp reads it in-process;
// a helper that crashes, hangs, answers nonsense or is missing becomes a clean error naming the
// file; a quit (a signal, the shell's quit check) ends the wait and the helper at once.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <string>

#include "rm_test_scene.hpp"
#include "view/rm/x_file.hpp"
#include "view/rm/x_file_cancel.hpp"

namespace ursa::rm {
namespace {

using std::chrono::milliseconds;
constexpr milliseconds kNoDeadline = std::chrono::minutes(10);

class XFileHelperTest : public RmTest {
 protected:
  void TearDown() override {
    SetXFileQuitCheck(nullptr);
    ResumeXFileLoads();
  }

  // A stand-in for the helper: a shell script.
  static std::string StandIn(const std::string& name, const std::string& body) {
    const std::string path = WriteScratch(name, "#!/bin/sh\n" + body + "\n");
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
    return path;
  }
};

TEST_F(XFileHelperTest, AFileComesBackThroughTheHelperAsAssimpReadsItHere) {
  for (const char* name : {"cube.x", "anim.x", "colored_cube.x"}) {
    SCOPED_TRACE(name);
    const std::string bytes = ReadFile(DataFile(name));
    EXPECT_EQ(SerializeXFile(ImportXFileIsolated(bytes)), SerializeXFile(ImportXFile(bytes)));
  }
  // A rejection comes back with both its short and its whole text.
  std::string bad = ReadFile(DataFile("cube.x"));
  bad.replace(bad.find("1.000000;1.000000;-1.000000;"), 28, "1.000000;;");
  try {
    ImportXFile(bad);
    ADD_FAILURE() << "no error in-process";
  } catch (const XFileRejected& here) {
    try {
      ImportXFileIsolated(bad);
      ADD_FAILURE() << "no error from the helper";
    } catch (const XFileRejected& there) {
      EXPECT_EQ(std::string(there.what()), here.what());
      EXPECT_EQ(there.Detail(), here.Detail());
      EXPECT_NE(there.Detail(), there.what());
    }
  }
}

TEST_F(XFileHelperTest, AssimpCrashingOnAFileBecomesACleanError) {
  // Assimp 5.2 reads the normal this face names without checking it is there (found by
  // fuzzing); in-process this ends the program with SIGSEGV.
  std::string text = ReadFile(DataFile("tri_front.x"));
  const std::string normals = "    1;\n    3;0,0,0;;";
  ASSERT_NE(text.find(normals), std::string::npos);
  text.replace(text.find(normals), normals.size(), "    1;\n    3;0,0,2000000000;;");
  const std::string path = WriteScratch("normal_index_crash.x", text);
  MeshBuilderPtr mesh = d3drm->CreateMeshBuilder();
  try {
    mesh->LoadFromFile(path, 0, 0);
    ADD_FAILURE() << "no error";
  } catch (const Error& e) {
    // A sanitizer build's helper reports the crash itself and exits instead of dying by it.
    const std::string what = e.what();
    EXPECT_TRUE(what == "LoadFromFile: " + path + ": the importer crashed on it (signal 11)" ||
                what == "LoadFromFile: " + path + ": the importer failed on it")
        << what;
  }
}

TEST_F(XFileHelperTest, AHelperThatFailsBecomesACleanError) {
  struct Case {
    const char* name;
    std::string program;
    const char* why;
  };
  const Case cases[] = {
      {"crash", StandIn("crash.sh", "kill -SEGV $$"), "the importer crashed on it (signal 11)"},
      {"silent", StandIn("silent.sh", "exit 3"), "the importer failed on it"},
      {"nonsense", StandIn("nonsense.sh", "echo hello"),
       "the importer's answer is not that of this game's ursa-xparse"},
      {"hang", StandIn("hang.sh", "exec sleep 60"), "the importer took too long over it"},
      {"missing", (Scratch() / "no-such-helper").string(), "cannot start the importer"},
  };
  const std::string cube = ReadFile(DataFile("cube.x"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // Only the hanging stand-in meets the time limit.
    const bool hangs = std::string(c.name) == "hang";
    try {
      ImportXFileIsolated(cube, {c.program, hangs ? milliseconds(300) : kNoDeadline});
      ADD_FAILURE() << "no error";
    } catch (const XFileRejected& e) {
      EXPECT_TRUE(std::string(e.what()).starts_with(c.why)) << e.what();
    }
  }
}

TEST_F(XFileHelperTest, TheHelperGetsNoneOfTheGamesOtherDescriptors) {
  // As the game's X connection or GL device would be: open across exec.
  constexpr int kGameDescriptor = 57;
  ASSERT_EQ(dup2(open("/dev/null", O_RDONLY), kGameDescriptor), kGameDescriptor);
  const std::string listing = (Scratch() / "descriptors.txt").string();
  EXPECT_THROW(
      ImportXFileIsolated("xof 0303txt 0032\n",
                          {StandIn("fds.sh", "ls /proc/self/fd > " + listing), kNoDeadline}),
      XFileRejected);
  close(kGameDescriptor);
  const std::string seen = ReadFile(listing);
  EXPECT_NE(seen.find("0\n1\n2\n"), std::string::npos) << seen;
  EXPECT_EQ(seen.find(std::to_string(kGameDescriptor)), std::string::npos) << seen;
}

std::string hungPidFile;

// The shell's quit check in this test: a quit arrives once the helper is surely hanging.
bool QuitOnceTheHelperHangs() { return ReadFile(hungPidFile).ends_with("\n"); }

TEST_F(XFileHelperTest, TheQuitCheckEndsTheWaitAndTheHelper) {
  hungPidFile = (Scratch() / "hung.pid").string();
  const XFileImporter hung{StandIn("hung.sh", "echo $$ > " + hungPidFile + "\nexec sleep 600"),
                           kNoDeadline};
  SetXFileQuitCheck(QuitOnceTheHelperHangs);
  const std::string cube = ReadFile(DataFile("cube.x"));
  EXPECT_THROW(ImportXFileIsolated(cube, hung), XFileLoadCancelled);
  const pid_t helper = std::stoi(ReadFile(hungPidFile));
  EXPECT_EQ(kill(helper, 0), -1);  // killed and reaped
  EXPECT_EQ(errno, ESRCH);

  // The quit holds for every later parse, even with the real helper, until loads resume.
  SetXFileQuitCheck(nullptr);
  EXPECT_TRUE(XFileLoadsCancelled());
  EXPECT_THROW(ImportXFileIsolated(cube), XFileLoadCancelled);
  ResumeXFileLoads();
  EXPECT_EQ(ImportXFileIsolated(cube).meshes.size(), 1U);
}

void CancelOnSignal(int /*signal*/) { CancelXFileLoads(); }

TEST_F(XFileHelperTest, ASignalHandlerThatCancelsEndsTheWait) {
  struct sigaction quit {};
  quit.sa_handler = CancelOnSignal;
  struct sigaction before {};
  ASSERT_EQ(sigaction(SIGUSR1, &quit, &before), 0);
  // The stand-in signals the waiting program itself, as a SIGTERM from outside would.
  const XFileImporter signalling{StandIn("signal.sh", "kill -USR1 $PPID\nexec sleep 600"),
                                 kNoDeadline};
  EXPECT_THROW(ImportXFileIsolated(ReadFile(DataFile("cube.x")), signalling), XFileLoadCancelled);
  sigaction(SIGUSR1, &before, nullptr);
}

}  // namespace
}  // namespace ursa::rm
