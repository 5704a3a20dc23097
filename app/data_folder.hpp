// Where the game's mesh files are found: beside the program (the build tree) or in the data
// folder of an installation, unless the player names the folder with --data-dir.
#pragma once

#include <string>
#include <vector>

namespace ursa {

struct DataPlace {
  std::string folder;
  std::string what;  // in a player's words: "beside the program", ...
};

// The places to look in, in order, without repeats: beside the program, the data folder of
// an installation relative to the program (so a moved or unpacked installation works), then
// the data folder compiled in at build time. A `dataDir` that is not empty is the only place:
// the player's choice wins over every installed copy.
std::vector<DataPlace> DataPlaces(const std::string& programDirectory, const std::string& dataDir);

// The first place that holds every mesh file. When none holds them all, the first that holds
// any (so the error names the file that is missing there); when none holds any, nothing.
const DataPlace* FindMeshFolder(const std::vector<DataPlace>& places);

// The message for a player when no place holds the mesh files: every place looked in, what
// to do, and (only when the program runs from a build tree) the command that copies them.
std::string NoMeshFilesMessage(const std::vector<DataPlace>& places,
                               const std::string& programDirectory);

// Why `dataDir` (of --data-dir) cannot be used, in a player's words naming it; empty when it
// is a folder.
std::string DataDirProblem(const std::string& dataDir);

// The hint added to a mesh error: where the file was looked for and how to get it back.
std::string MeshFileHint(const DataPlace& place, const std::string& programDirectory);

}  // namespace ursa
