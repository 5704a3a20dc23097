// Running Assimp on a file's bytes in a child process: the child gets a memory ceiling and
// a time limit, sends the XFile back through a pipe and ends with _exit, so nothing the
// importer does to itself (running out of memory, crashing, looping) reaches the game.
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <new>

#include "view/rm/x_file.hpp"

namespace ursa::rm {
namespace {

// More than any real mesh file needs (the largest, a 16 MiB text file, takes far less).
constexpr rlim_t kImportMemory = rlim_t{1} << 30;
constexpr auto kImportTime = std::chrono::seconds(30);

constexpr char kAccepted = 'A';
constexpr char kRejected = 'R';

// The address space the process already uses, 0 when it cannot be told: the ceiling is set
// above it.
rlim_t AddressSpaceInUse() {
  std::ifstream statm("/proc/self/statm");
  unsigned long long pages = 0;
  statm >> pages;
  return static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
}

// Without knowing the address space in use, no ceiling can be placed safely above it; the
// time limit still holds.
void LimitMemory() {
  const rlim_t inUse = AddressSpaceInUse();
  if (inUse == 0) return;
  const rlimit limit{inUse + kImportMemory, inUse + kImportMemory};
  setrlimit(RLIMIT_AS, &limit);
}

bool WriteAll(int fd, const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

[[noreturn]] void RunChild(int fd, const std::string& bytes) {
  LimitMemory();
  std::string reply;
  try {
    reply = kAccepted + SerializeXFile(ImportXFile(bytes));
  } catch (const XFileRejected& rejected) {
    reply = std::string(1, kRejected) + rejected.what();
  } catch (const std::bad_alloc&) {
    reply = std::string(1, kRejected) + "the file asks for more memory than a mesh can need";
  } catch (...) {
    reply = std::string(1, kRejected) + "the importer failed on it";
  }
  // _exit: the parent's atexit handlers (SDL, OpenGL) must not run in the child.
  _exit(WriteAll(fd, reply) ? 0 : 1);
}

// Reads everything the child sends until it closes the pipe or the time is up.
bool ReadAll(int fd, std::string& out) {
  const auto deadline = std::chrono::steady_clock::now() + kImportTime;
  std::array<char, 65536> buffer;
  while (true) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0) return false;
    pollfd p{fd, POLLIN, 0};
    const int ready = poll(&p, 1, static_cast<int>(left.count()));
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0) return false;
    const ssize_t n = read(fd, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    out.append(buffer.data(), static_cast<size_t>(n));
  }
}

}  // namespace

XFile ImportXFileIsolated(const std::string& bytes) {
  int fds[2];
  if (pipe(fds) != 0) throw XFileRejected("cannot start the importer (no pipe)");
  std::fflush(nullptr);  // nothing buffered may be written twice
  const pid_t child = fork();
  if (child < 0) {
    close(fds[0]);
    close(fds[1]);
    throw XFileRejected("cannot start the importer (no process)");
  }
  if (child == 0) {
    close(fds[0]);
    RunChild(fds[1], bytes);
  }
  close(fds[1]);
  std::string reply;
  const bool complete = ReadAll(fds[0], reply);
  close(fds[0]);
  if (!complete) kill(child, SIGKILL);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (!complete) throw XFileRejected("the importer took too long over it");
  if (WIFSIGNALED(status)) {
    throw XFileRejected("the importer crashed on it (signal " + std::to_string(WTERMSIG(status)) +
                        ")");
  }
  if (reply.empty()) throw XFileRejected("the importer failed on it");
  if (reply[0] == kRejected) throw XFileRejected(reply.substr(1));
  return DeserializeXFile(reply.substr(1));
}

}  // namespace ursa::rm
