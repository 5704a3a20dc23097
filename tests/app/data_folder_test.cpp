// The search for the mesh files: beside the program, the installation's data folder, or only
// the folder of --data-dir, and the message that names every place when none has them.
#include "app/data_folder.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "view/scene_build.hpp"

namespace ursa {
namespace {

namespace fs = std::filesystem;

class DataFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("ursa-data-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(Bin());
  }
  void TearDown() override { fs::remove_all(root_); }

  // The installation's folders as this build lays them out (games/, share/games/ursa/).
  std::string Bin() const { return (root_ / "prefix" / URSA_INSTALL_GAMESDIR).string(); }
  std::string Share() const { return (root_ / "prefix" / URSA_INSTALL_DATADIR).string(); }
  std::string Other() const { return (root_ / "other").string(); }

  // Writes the first `count` mesh files (all by default) into `folder`.
  static void PutMeshes(const std::string& folder, size_t count = view::kMeshFiles.size()) {
    fs::create_directories(folder);
    for (size_t i = 0; i < count; ++i) std::ofstream(fs::path(folder) / view::kMeshFiles[i]) << "x";
  }

  std::string Found(const std::string& dataDir = {}) const {
    const std::vector<DataPlace> places = DataPlaces(Bin(), dataDir);
    const DataPlace* place = FindMeshFolder(places);
    return place == nullptr ? "" : place->folder;
  }

  fs::path root_;
};

TEST_F(DataFolderTest, BesideTheProgramComesFirst) {
  PutMeshes(Bin());
  PutMeshes(Share());
  EXPECT_EQ(Found(), Bin());
}

TEST_F(DataFolderTest, AnInstallationFindsItsDataFolderWhereverItWasUnpacked) {
  PutMeshes(Share());
  EXPECT_EQ(Found(), Share());
  const std::vector<DataPlace> places = DataPlaces(Bin(), "");
  EXPECT_EQ(FindMeshFolder(places)->what, "the installed data folder");
}

TEST_F(DataFolderTest, AFolderWithEveryMeshWinsOverOneMissingSome) {
  PutMeshes(Bin(), 3);
  PutMeshes(Share());
  EXPECT_EQ(Found(), Share());
}

TEST_F(DataFolderTest, WithOnlyPartialFoldersTheFirstIsTakenSoItsMissingFileIsNamed) {
  PutMeshes(Bin(), 8);
  PutMeshes(Share(), 2);
  EXPECT_EQ(Found(), Bin());
}

TEST_F(DataFolderTest, TheFolderGivenWithDataDirIsTheOnlyOneLookedIn) {
  // An installed game with meshes beside it and in its data folder still takes the player's.
  PutMeshes(Bin());
  PutMeshes(Share());
  PutMeshes(Other());
  EXPECT_EQ(Found(Other()), Other());
  // Missing some, it is still the one taken, so the error names its missing file.
  const std::string some = (root_ / "some").string();
  PutMeshes(some, 2);
  EXPECT_EQ(Found(some), some);
  const std::string none = (root_ / "none").string();
  fs::create_directories(none);
  EXPECT_EQ(Found(none), "");
  const std::vector<DataPlace> places = DataPlaces(Bin(), none);
  ASSERT_EQ(places.size(), 1U);
  EXPECT_EQ(places[0].what, "the folder given with --data-dir");
  const std::string message = NoMeshFilesMessage(places, Bin());
  EXPECT_NE(message.find(none), std::string::npos) << message;
  EXPECT_EQ(message.find("Reinstall"), std::string::npos) << message;
  EXPECT_EQ(MeshFileHint(places[0], Bin()).find("reinstall"), std::string::npos);
}

TEST_F(DataFolderTest, ADataDirThatIsNoFolderIsRefused) {
  EXPECT_EQ(DataDirProblem(Bin()), "");
  const std::string missing = (root_ / "missing").string();
  EXPECT_NE(DataDirProblem(missing).find("'" + missing + "'"), std::string::npos)
      << DataDirProblem(missing);
  const std::string file = (root_ / "file").string();
  std::ofstream(file) << "x";
  EXPECT_NE(DataDirProblem(file).find("not a folder"), std::string::npos) << DataDirProblem(file);
}

TEST_F(DataFolderTest, EachPlaceIsListedOnce) {
  const std::vector<DataPlace> places =
      DataPlaces(Bin() + "/../" + URSA_INSTALL_GAMESDIR + "/", "");
  size_t beside = 0;
  for (const DataPlace& place : places) beside += place.folder == Bin() ? 1 : 0;
  EXPECT_EQ(beside, 1U);
}

TEST_F(DataFolderTest, TheMessageNamesEveryPlaceAndGivesBuildCommandsOnlyInABuildTree) {
  const std::vector<DataPlace> places = DataPlaces(Bin(), "");
  const std::string message = NoMeshFilesMessage(places, Bin());
  for (const DataPlace& place : places) {
    EXPECT_NE(message.find(place.folder), std::string::npos) << place.folder;
  }
  EXPECT_NE(message.find("--data-dir"), std::string::npos);
  EXPECT_EQ(message.find("scripts/build.sh"), std::string::npos) << "a player's message";

  std::ofstream(root_ / "prefix" / "CMakeCache.txt") << "";
  const std::string inBuild = NoMeshFilesMessage(places, Bin());
  EXPECT_NE(inBuild.find("scripts/build.sh"), std::string::npos);
  ASSERT_GT(inBuild.size(), message.size());
  EXPECT_EQ(inBuild.substr(0, message.size() + 1), message + "\n")
      << "the hint follows, on its own line";
}

}  // namespace
}  // namespace ursa
