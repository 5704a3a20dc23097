// Running Assimp on a file's bytes in the helper program ursa-xparse: the bytes go in through a
// memory file, the answer comes back through a pipe, and nothing the importer does to itself
// (running out of memory, crashing, looping) reaches the game. A quit ends the wait at once.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "view/rm/x_file.hpp"
#include "view/rm/x_file_cancel.hpp"

namespace ursa::rm {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// How often a waiting parse looks at the quit check between answers and signals.
constexpr milliseconds kQuitCheckInterval{50};
constexpr const char* kHelperName = "ursa-xparse";

// An open descriptor, closed when it goes.
class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() { Close(); }
  Fd(Fd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  Fd& operator=(Fd&&) = delete;
  int Get() const { return fd_; }
  void Close() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

// Descriptors 0 to 2 become the helper's standard streams; one of ours that landed there
// (a game started with stdin closed) is moved above them first.
Fd AboveStandardStreams(int fd) {
  if (fd < 0 || fd > 2) return Fd(fd);
  const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 3);
  close(fd);
  return Fd(moved);
}

std::filesystem::path ProgramDirectory() {
  std::error_code error;
  const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : self.parent_path();
}

// Where the helper may be, in order: beside the running program (as in the build, which puts
// a copy beside each of its programs); in the libexec folder of the prefix the program is
// installed in (games/ursa, bin/ursa or games/ursa/ursa under it).
std::vector<std::string> HelperPlaces() {
  namespace fs = std::filesystem;
  std::vector<std::string> places;
  const fs::path installed = URSA_XPARSE_INSTALL_DIR;
  // Without the program's own folder, nothing relative to it (nor to the working folder).
  if (const fs::path folder = ProgramDirectory(); !folder.empty()) {
    places.push_back((folder / kHelperName).string());
    if (!installed.is_absolute()) {
      for (const fs::path& prefix : {folder.parent_path(), folder.parent_path().parent_path()}) {
        places.push_back((prefix / installed / kHelperName).string());
      }
    }
  }
  if (installed.is_absolute()) places.push_back((installed / kHelperName).string());
  return places;
}

std::string FindHelper() {
  const std::vector<std::string> places = HelperPlaces();
  for (const std::string& place : places) {
    if (access(place.c_str(), X_OK) == 0) return place;
  }
  std::string tried;
  for (const std::string& place : places) tried += (tried.empty() ? "" : ", ") + place;
  throw XFileRejected(std::string("cannot start the importer: no ") + kHelperName + " at " + tried);
}

Fd BytesInMemoryFile(const std::string& bytes) {
  Fd fd = AboveStandardStreams(memfd_create("ursa-xfile", MFD_CLOEXEC));
  if (fd.Get() < 0) throw XFileRejected("cannot start the importer (no memory file)");
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd.Get(), bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) throw XFileRejected("cannot start the importer (memory file not written)");
    done += static_cast<std::size_t>(n);
  }
  if (lseek(fd.Get(), 0, SEEK_SET) != 0) throw XFileRejected("cannot start the importer");
  return fd;
}

// The helper gets the bytes as its standard input, the pipe as its standard output, the
// game's standard error, no other descriptor, no blocked signal and every signal's default.
pid_t StartHelper(const std::string& program, int input, int output) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, output, STDOUT_FILENO);
  posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  sigset_t none;
  sigemptyset(&none);
  sigset_t all;
  sigfillset(&all);
  posix_spawnattr_setsigmask(&attributes, &none);
  posix_spawnattr_setsigdefault(&attributes, &all);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  std::string name = program;
  std::array<char*, 2> argv{name.data(), nullptr};
  pid_t pid = 0;
  const int error = posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) {
    throw XFileRejected("cannot start the importer " + program + ": " + std::strerror(error));
  }
  return pid;
}

enum class Wait { kAnswered, kTimedOut, kCancelled, kFailed };

// Reads the helper's answer until it closes the pipe, the time is up or the player quits.
Wait ReadAnswer(int fd, milliseconds timeLimit, std::string& out) {
  const auto deadline = Clock::now() + timeLimit;
  std::array<char, 65536> buffer;
  while (true) {
    if (XFileQuitAsked()) return Wait::kCancelled;
    const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now());
    if (left.count() <= 0) return Wait::kTimedOut;
    pollfd p{fd, POLLIN, 0};
    const int ready = poll(&p, 1, static_cast<int>(std::min(left, kQuitCheckInterval).count()));
    if (ready < 0 && errno == EINTR) continue;  // a signal: perhaps a quit
    if (ready < 0) return Wait::kFailed;
    if (ready == 0) continue;
    const ssize_t n = read(fd, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Wait::kFailed;
    if (n == 0) return Wait::kAnswered;
    out.append(buffer.data(), static_cast<std::size_t>(n));
  }
}

// The helper's exit status; 0 when it cannot be had (a program that ignores SIGCHLD).
int Reap(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0) {
    if (errno != EINTR) return 0;
  }
  return status;
}

}  // namespace

XFile ImportXFileIsolated(const std::string& bytes, const XFileImporter& importer) {
  if (XFileQuitAsked()) throw XFileLoadCancelled("mesh loading ended by a quit");
  const std::string program = importer.program.empty() ? FindHelper() : importer.program;
  const milliseconds timeLimit = importer.timeLimit;
  const Fd input = BytesInMemoryFile(bytes);
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) throw XFileRejected("cannot start the importer (no pipe)");
  Fd answer = AboveStandardStreams(ends[0]);
  Fd helperEnd = AboveStandardStreams(ends[1]);
  if (answer.Get() < 0 || helperEnd.Get() < 0) {
    throw XFileRejected("cannot start the importer (no pipe)");
  }
  const pid_t helper = StartHelper(program, input.Get(), helperEnd.Get());
  helperEnd.Close();  // the pipe ends when the helper's end closes
  std::string reply;
  const Wait wait = ReadAnswer(answer.Get(), timeLimit, reply);
  answer.Close();
  if (wait != Wait::kAnswered) kill(helper, SIGKILL);
  const int status = Reap(helper);
  switch (wait) {
    case Wait::kCancelled:
      throw XFileLoadCancelled("mesh loading ended by a quit");
    case Wait::kTimedOut:
      throw XFileRejected("the importer took too long over it");
    case Wait::kFailed:
      throw XFileRejected("the importer's answer could not be read");
    case Wait::kAnswered:
      break;
  }
  if (WIFSIGNALED(status)) {
    throw XFileRejected("the importer crashed on it (signal " + std::to_string(WTERMSIG(status)) +
                        ")");
  }
  if (reply.empty()) throw XFileRejected("the importer failed on it");
  // The helper checks what it sends; a helper of another build may not have.
  XFile file = DeserializeImportAnswer(reply);
  CheckXFile(file);
  return file;
}

}  // namespace ursa::rm
