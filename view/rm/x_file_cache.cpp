// Reading .x files from disk once per process: size check, read, parse, remember.
// A file that changes on disk (size or time) is parsed again.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>
#include <system_error>

#include "view/rm/error.hpp"
#include "view/rm/x_file.hpp"

namespace ursa::rm {
namespace {

struct CacheEntry {
  std::uintmax_t size = 0;
  std::filesystem::file_time_type time;
  std::shared_ptr<const XFile> file;
};

struct Cache {
  std::mutex mutex;
  std::map<std::string, CacheEntry> entries;
  int parses = 0;
};

Cache& TheCache() {
  static Cache cache;
  return cache;
}

// Reads at most one byte more than the size the file had when it was checked.
std::string ReadBytes(const std::string& operation, const std::string& path, std::uintmax_t size) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Error(operation, path, "cannot open the file");
  std::string bytes;
  bytes.resize(static_cast<size_t>(std::min<std::uintmax_t>(size, kMaxXFileBytes)) + 1);
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (in.bad()) throw Error(operation, path, "cannot read the file");
  bytes.resize(static_cast<size_t>(in.gcount()));
  // A file that grew after its size was checked is being rewritten: half of it is no mesh.
  if (bytes.size() > size) throw Error(operation, path, "the file changed while it was read");
  return bytes;
}

// Mesh paths are written with a backslash before the file name; on Linux that is the
// directory separator, never part of a name.
std::string NativePath(std::string path) {
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}

}  // namespace

std::shared_ptr<const XFile> LoadXFile(const std::string& operation, const std::string& given) {
  namespace fs = std::filesystem;
  const std::string path = NativePath(given);
  std::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (error && error != std::errc::no_such_file_or_directory) {
    throw Error(operation, path, "cannot reach the file: " + error.message());
  }
  if (!fs::exists(status)) throw Error(operation, path, "file not found");
  if (!fs::is_regular_file(status)) throw Error(operation, path, "not a regular file");
  const std::uintmax_t size = fs::file_size(path, error);
  if (error) throw Error(operation, path, "cannot read the file size: " + error.message());
  if (size > kMaxXFileBytes) throw Error(operation, path, "file larger than 16 MiB");
  const fs::file_time_type time = fs::last_write_time(path, error);

  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  const std::string key = fs::absolute(path, error).lexically_normal().string();
  auto found = cache.entries.find(key);
  if (found != cache.entries.end() && found->second.size == size && found->second.time == time) {
    return found->second.file;
  }
  std::shared_ptr<const XFile> file;
  try {
    file = std::make_shared<const XFile>(ImportXFileIsolated(ReadBytes(operation, path, size)));
  } catch (const XFileRejected& rejected) {
    // The message is for a box; everything the importer said stays on stderr.
    if (rejected.Detail() != rejected.what()) {
      std::fprintf(stderr, "%s: %s: %s\n", operation.c_str(), path.c_str(),
                   rejected.Detail().c_str());
    }
    throw Error(operation, path, rejected.what());
  }
  ++cache.parses;
  cache.entries[key] = CacheEntry{size, time, file};
  return file;
}

int XFileParseCount() {
  Cache& cache = TheCache();
  std::lock_guard<std::mutex> lock(cache.mutex);
  return cache.parses;
}

}  // namespace ursa::rm
