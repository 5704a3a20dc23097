// ursa-xparse: reads one .x file on standard input, parses and checks it, and writes the file in
// the renderer's terms (or why it was rejected) on standard output, under a memory ceiling.
#include <sys/resource.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <fstream>
#include <new>
#include <string>
#include <string_view>

#include "view/rm/x_file.hpp"

namespace {

using ursa::rm::XFileRejected;

// More than any real mesh file needs (the largest, a 16 MiB text file, takes far less).
constexpr rlim_t kImportMemory = rlim_t{1} << 30;

// The address space the process already uses (a sanitizer reserves terabytes), 0 when it
// cannot be told: the ceiling is set that far above it.
rlim_t AddressSpaceInUse() {
  std::ifstream statm("/proc/self/statm");
  unsigned long long pages = 0;
  statm >> pages;
  return static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
}

// Without knowing the address space in use, no ceiling can be placed safely above it; the
// game's time limit still holds.
void LimitMemory() {
  const rlim_t inUse = AddressSpaceInUse();
  if (inUse == 0) return;
  const rlimit limit{inUse + kImportMemory, inUse + kImportMemory};
  setrlimit(RLIMIT_AS, &limit);
}

// Standard input up to one byte past the largest file the game reads.
bool ReadInput(std::string& bytes) {
  std::array<char, 65536> buffer;
  while (bytes.size() <= ursa::rm::kMaxXFileBytes) {
    const ssize_t n = read(STDIN_FILENO, buffer.data(), buffer.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    bytes.append(buffer.data(), static_cast<size_t>(n));
  }
  return true;
}

bool WriteAll(const std::string& bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(STDOUT_FILENO, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<size_t>(n);
  }
  return true;
}

std::string Answer() {
  std::string bytes;
  if (!ReadInput(bytes)) return SerializeImportAnswer(XFileRejected("cannot read the file"));
  if (bytes.size() > ursa::rm::kMaxXFileBytes) {
    return SerializeImportAnswer(XFileRejected("file larger than 16 MiB"));
  }
  try {
    return SerializeImportAnswer(ursa::rm::ImportXFile(bytes));
  } catch (const XFileRejected& rejected) {
    return SerializeImportAnswer(rejected);
  } catch (const std::bad_alloc&) {
    return SerializeImportAnswer(
        XFileRejected("the file asks for more memory than a mesh can need"));
  } catch (const std::exception& e) {
    return SerializeImportAnswer(XFileRejected("the importer failed on it", e.what()));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::string_view(argv[1]) == "--version") {
    std::printf("ursa-xparse %s\n", URSA_VERSION);
    return 0;
  }
  if (argc != 1) {
    std::fprintf(
        stderr,
        "usage: ursa-xparse < mesh.x > answer\n"
        "Parses one .x file for the game, which starts it; not meant to be run by hand.\n");
    return 2;
  }
  LimitMemory();
  return WriteAll(Answer()) ? 0 : 1;
}
