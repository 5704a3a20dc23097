// The search for the mesh files and the messages when it fails.
// A folder counts as the game's when its files exist; loading them is checked afterwards.
#include "app/data_folder.hpp"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "view/scene_build.hpp"

namespace ursa {
namespace {

namespace fs = std::filesystem;

int MeshFilesIn(const std::string& folder) {
  std::error_code ignored;
  return static_cast<int>(std::count_if(
      view::kMeshFiles.begin(), view::kMeshFiles.end(),
      [&](const char* file) { return fs::is_regular_file(fs::path(folder) / file, ignored); }));
}

// A program in a build tree has the build's CMakeCache.txt in a folder above it.
bool InBuildTree(const std::string& programDirectory) {
  std::error_code ignored;
  for (fs::path dir = programDirectory; !dir.empty(); dir = dir.parent_path()) {
    if (fs::exists(dir / "CMakeCache.txt", ignored)) return true;
    if (dir == dir.parent_path()) break;
  }
  return false;
}

constexpr const char* kGivenFolder = "the folder given with --data-dir";

// Without "." or ".." and without a trailing separator, so one folder is one string.
std::string Normal(const fs::path& path) {
  fs::path normal = path.lexically_normal();
  if (!normal.has_filename() && normal.has_relative_path()) normal = normal.parent_path();
  return normal.string();
}

bool Given(const DataPlace& place) { return place.what == kGivenFolder; }

}  // namespace

std::vector<DataPlace> DataPlaces(const std::string& programDirectory, const std::string& dataDir) {
  if (!dataDir.empty()) return {{Normal(dataDir), kGivenFolder}};
  const std::vector<DataPlace> places = {
      {Normal(programDirectory), "beside the program"},
      {Normal(fs::path(programDirectory) / URSA_DATA_FROM_BIN), "the installed data folder"},
      {Normal(URSA_DATA_DIR), "the installed data folder"},
  };
  std::vector<DataPlace> unique;
  for (const DataPlace& place : places) {
    const bool seen = std::any_of(unique.begin(), unique.end(),
                                  [&](const DataPlace& p) { return p.folder == place.folder; });
    if (!seen) unique.push_back(place);
  }
  return unique;
}

const DataPlace* FindMeshFolder(const std::vector<DataPlace>& places) {
  const DataPlace* partial = nullptr;
  for (const DataPlace& place : places) {
    const int found = MeshFilesIn(place.folder);
    if (found == static_cast<int>(view::kMeshFiles.size())) return &place;
    if (found > 0 && partial == nullptr) partial = &place;
  }
  return partial;
}

std::string NoMeshFilesMessage(const std::vector<DataPlace>& places,
                               const std::string& programDirectory) {
  if (places.size() == 1 && Given(places[0])) {
    return "the game's mesh files (bear.x and the others) are not in " + places[0].folder + " (" +
           kGivenFolder + ").\nName the folder that holds them, or leave --data-dir out.";
  }
  std::string message =
      "the game's mesh files (bear.x and the others) are not installed.\nLooked in:";
  for (const DataPlace& place : places) message += "\n  " + place.folder + " (" + place.what + ")";
  message += "\nReinstall Ursa, or start it with --data-dir naming the folder that holds them.";
  if (InBuildTree(programDirectory)) {
    message += "\nIn a build tree, 'bash scripts/build.sh' copies them beside the program.";
  }
  return message;
}

std::string DataDirProblem(const std::string& dataDir) {
  std::error_code error;
  const fs::file_status status = fs::status(dataDir, error);
  if (fs::is_directory(status)) return {};
  if (!fs::exists(status)) {
    return "--data-dir: there is no folder '" + dataDir + "'" +
           (error && error != std::errc::no_such_file_or_directory ? " (" + error.message() + ")"
                                                                   : "");
  }
  return "--data-dir: '" + dataDir + "' is not a folder";
}

std::string MeshFileHint(const DataPlace& place, const std::string& programDirectory) {
  if (Given(place))
    return "The mesh files were taken from " + place.folder + " (" + place.what + ").";
  std::string hint = "The mesh files were taken from " + place.folder + " (" + place.what +
                     "); reinstall Ursa to get them back.";
  if (InBuildTree(programDirectory)) {
    hint += "\nIn a build tree, 'bash scripts/build.sh' copies them beside the program again.";
  }
  return hint;
}

}  // namespace ursa
