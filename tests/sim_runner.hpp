// Runs the ursa-sim program built with the tests (URSA_SIM_PATH), or another tool, and collects
// what it printed: for every test that checks the rules or a tool through its command line.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

namespace ursa::test {

struct SimRun {
  int status = -1;  // exit status; -1 when the program did not exit by itself
  std::string out;
  std::string err;

  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }
};

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// This test process's scratch folder, <temp>/ursa_<pid> (test processes run in parallel),
// removed with all it holds when the process ends; a forked child leaves it to its parent.
class ScratchFolder {
 public:
  ScratchFolder() : owner_(getpid()), path_(testing::TempDir() + "ursa_" + std::to_string(owner_)) {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    std::filesystem::create_directories(path_);
  }
  ~ScratchFolder() {
    if (getpid() != owner_) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::string& Path() const { return path_; }

 private:
  pid_t owner_;
  std::string path_;
};

// A scratch path in this test process's scratch folder.
inline std::string TempPath(const std::string& name) {
  static const ScratchFolder folder;
  return folder.Path() + "/" + name;
}

inline std::string WriteTemp(const std::string& name, const std::string& content) {
  const std::string path = TempPath(name);
  std::ofstream(path, std::ios::binary) << content;
  return path;
}

// Runs "<program> <args>" through the shell, so args may hold redirections of its input.
inline SimRun RunProgram(const std::string& program, const std::string& args) {
  const std::string out = TempPath("run_out.txt");
  const std::string err = TempPath("run_err.txt");
  const std::string command = program + " " + args + " >" + out + " 2>" + err;
  const int raw = std::system(command.c_str());
  SimRun run;
  run.status = raw != -1 && WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  run.out = ReadFile(out);
  run.err = ReadFile(err);
  std::remove(out.c_str());
  std::remove(err.c_str());
  return run;
}

inline SimRun RunSim(const std::string& args) { return RunProgram(URSA_SIM_PATH, args); }

// The blank-separated fields of a trace or script line.
inline std::vector<std::string> Fields(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> fields;
  for (std::string f; in >> f;) fields.push_back(f);
  return fields;
}

}  // namespace ursa::test
