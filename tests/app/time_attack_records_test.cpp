// The time attack's bests and best run on disk: they outlive the program, a damaged file is set
// aside, nothing but a regular file is read, saves merge, and a failed write loses nothing.
#include "app/time_attack_records.hpp"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>
#include <sstream>
#include <string>

#include "app/player_file.hpp"
#include "tests/app/file_test_support.hpp"
#include "tests/scoped_env.hpp"
#include "tests/sim_runner.hpp"
#include "text/player_text.hpp"

namespace ursa {
namespace {

namespace fs = std::filesystem;

using test::ReadFile;
using test::Said;

std::string Folder(const std::string& name) {
  const std::string folder = test::TempPath("bests_" + name);
  fs::remove_all(folder);
  fs::create_directories(folder);
  return folder;
}

// A time attack's recording, `presses` of Right after the time attack's key.
std::string Recording(int presses) {
  std::string text = "# a run\n0 TimeAttack down\n1 TimeAttack up\n";
  for (int i = 1; i <= presses; ++i) text += std::to_string(i * 10) + " Right down\n";
  return text;
}

std::vector<ScriptEvent> Events(const std::string& script) {
  std::istringstream in(script);
  return ParseScript(in).events;
}

TEST(TimeAttackRecords, BestsAndTheBestRunOutliveTheProgram) {
  const std::string folder = Folder("kept") + "/data/ursa";
  {
    TimeAttackRecords records(folder);
    EXPECT_TRUE(records.StageCleared(3, 500));
    EXPECT_FALSE(records.StageCleared(3, 600));
    EXPECT_TRUE(records.StageCleared(3, 450));
    EXPECT_FALSE(records.StageCleared(16, 1)) << "no such stage";
    EXPECT_TRUE(records.RunFinished(8000, Recording(3)));
  }
  Said said;
  TimeAttackRecords again(folder, said.Stream());
  EXPECT_EQ(again.Bests(), (TimeAttackBests{{std::nullopt, std::nullopt, 450}, 8000}));
  EXPECT_NE(ReadFile(again.BestsPath()).find("\nstage 3 = 450\nrun = 8000\n"), std::string::npos);
  EXPECT_EQ(again.BestRunEvents(), Events(Recording(3)));
  EXPECT_EQ(said.Text(), "");

  // Kept where the data folder is, and nowhere at all without one.
  const ScopedEnv home("HOME", "/home/player");
  const ScopedEnv relative("XDG_DATA_HOME", "data");
  EXPECT_EQ(TimeAttackRecords::DefaultFolder(), "/home/player/.local/share/ursa");
  const ScopedEnv noHome("HOME", nullptr);
  EXPECT_EQ(TimeAttackRecords::DefaultFolder(), "");
  EXPECT_TRUE(TimeAttackRecords("").StageCleared(1, 300));
}

TEST(TimeAttackRecords, ADamagedFileIsSaidSetAsideAndTheNextSaveBeginsAgain) {
  const std::string folder = Folder("damaged");
  const std::string path = folder + "/bests.ini";
  const std::pair<std::string, std::string> cases[] = {
      {"stage 3 = 0\n", "line 1: expected a time in frames from 1 up, found '0'"},
      {"run = 9\n# c\nrun = 8\n", "line 3: 'run' is there twice"},
      {"best = 3\n", "line 1: unknown name 'best' (expected 'stage N' or 'run')"},
      // A huge name is quoted in part: the message stays a line to read.
      {std::string(60000, '\x01') + " = 3\n",
       "line 1: unknown name '" + std::string(text::kQuotedBytes, '!') +
           "...' (60000 bytes) (expected 'stage N' or 'run')"},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    std::ofstream(path) << cases[i].first;
    Said said;
    TimeAttackRecords records(folder, said.Stream());
    EXPECT_EQ(records.Bests(), TimeAttackBests{});
    EXPECT_TRUE(records.StageCleared(1, 400));
    EXPECT_EQ(TimeAttackRecords(folder, said.Stream()).Bests().stages[0], 400);
    const std::string aside = path + ".damaged" + (i > 0 ? "-" + std::to_string(i + 1) : "");
    std::string problem = cases[i].second;
    for (size_t at; (at = problem.find('!')) != std::string::npos;) problem.replace(at, 1, "\\x01");
    EXPECT_EQ(said.Text(), "ursa: " + path + ": " + problem + "; the file is set aside as " +
                               aside + " and the bests begin again\n");
    EXPECT_EQ(ReadFile(aside), cases[i].first) << "every file set aside is kept";
  }
  // A best run's recording that does not parse: said, set aside, no ghost.
  Said ghost;
  TimeAttackRecords records(folder, ghost.Stream());
  ASSERT_TRUE(records.RunFinished(9000, Recording(2)));
  const std::string damaged = "# run = 9000\n0 TimeAttack down\n3 Jump down\n";
  std::ofstream(records.BestRunPath()) << damaged;
  EXPECT_EQ(records.BestRunEvents(), std::nullopt);
  EXPECT_NE(ghost.Text().find("line 3: unknown key 'Jump'"), std::string::npos) << ghost.Text();
  EXPECT_EQ(ReadFile(records.BestRunPath() + ".damaged"), damaged);
}

TEST(TimeAttackRecords, NoRegularFileIsReadOrWrittenAndNothingHangs) {
  const std::string folder = Folder("refused");
  const std::string path = folder + "/bests.ini";
  const std::function<bool()> makers[] = {
      [&] { return mkfifo(path.c_str(), 0644) == 0; },
      [&] { return fs::create_directory(path); },
      [&] { return symlink("/dev/zero", path.c_str()) == 0; },
  };
  for (const auto& make : makers) {
    fs::remove_all(path);
    ASSERT_TRUE(make());
    const fs::file_type type = fs::symlink_status(path).type();
    Said said;
    TimeAttackRecords records(folder, said.Stream());
    EXPECT_TRUE(records.StageCleared(2, 300));
    EXPECT_TRUE(records.RunFinished(5000, Recording(1)));
    const std::string text = said.Text();
    EXPECT_EQ(text.find("ursa: " + path + ": cannot read the time attack's bests ("), 0U) << text;
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1) << text;
    EXPECT_EQ(fs::symlink_status(path).type(), type);
    EXPECT_FALSE(fs::exists(records.BestRunPath()));
  }
  // Nor is anything but a regular file written over, where a link points either.
  fs::remove_all(path);
  ASSERT_TRUE(makers[0]());
  fs::create_symlink(path, folder + "/link.ini");
  std::string why;
  EXPECT_FALSE(ReplacePlayerFile(folder + "/link.ini", "run = 1\n", why));
  EXPECT_EQ(fs::status(folder + "/link.ini").type(), fs::file_type::fifo) << why;
}

TEST(TimeAttackRecords, ALinkInTheFolderNeverMakesTheGameWriteElsewhere) {
  const std::string folder = Folder("linked");
  // The player's files, at which whoever can write in the data folder points the game.
  const std::string notes = test::WriteTemp("notes.txt", "the player's notes\n");
  const std::string empty = test::WriteTemp("empty.ini", "# nothing yet\n");
  fs::create_symlink(notes, folder + "/best-run.script");
  Said said;
  EXPECT_TRUE(TimeAttackRecords(folder, said.Stream()).RunFinished(8000, Recording(1)));
  fs::remove(folder + "/bests.ini");
  fs::create_symlink(empty, folder + "/bests.ini");
  EXPECT_TRUE(TimeAttackRecords(folder, said.Stream()).StageCleared(1, 400));
  EXPECT_EQ(ReadFile(notes) + ReadFile(empty), "the player's notes\n# nothing yet\n");
  const std::string text = said.Text();
  EXPECT_NE(text.find("recording (a symbolic link, not a regular file); its time is kept\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("bests (a symbolic link, not a regular file); they will not be kept"),
            std::string::npos)
      << text;
}

// Every name in `folder`.
std::set<std::string> Names(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

// Every file in `folder` as if written an hour ago.
void Age(const std::string& folder) {
  for (const auto& entry : fs::directory_iterator(folder)) {
    fs::last_write_time(entry.path(), fs::file_time_type::clock::now() - std::chrono::hours(1));
  }
}

TEST(TimeAttackRecords, AGameKilledAtAnyStepOfASaveLosesNeitherTheBestNorItsGhost) {
  const std::string folder = Folder("killed");
  int between = 0;  // kills that left the new run's recording beside the old bests
  for (int step = 1;; ++step) {
    fs::remove_all(folder);
    ASSERT_TRUE(TimeAttackRecords(folder).RunFinished(9000, Recording(1)));
    const test::ChildEnd end = test::InChild([&] {
      int reached = 0;
      WatchPlayerFiles([&](FileStep, const std::string&) {
        if (++reached == step) raise(SIGKILL);
      });
      return TimeAttackRecords(folder).RunFinished(8000, Recording(2)) ? 0 : 1;
    });
    ASSERT_TRUE(end.killed || end.status == 0) << "step " << step;
    between += ReadFile(folder + "/bests.ini").ends_with("run = 9000\n") &&
               ReadFile(folder + "/best-run.script").starts_with("# run = 8000\n");
    Age(folder);  // what the killed save left half written is no game's any more
    Said said;
    TimeAttackRecords after(folder, said.Stream());
    ASSERT_TRUE(after.Bests().run == 9000 || after.Bests().run == 8000) << "step " << step;
    EXPECT_EQ(after.BestRunEvents(), Events(Recording(after.Bests().run == 9000 ? 1 : 2)))
        << "step " << step << ": the best run's ghost is lost";
    EXPECT_EQ(said.Text(), "");
    EXPECT_EQ(Names(folder), (std::set<std::string>{"best-run.script", "bests.ini"})) << step;
    if (!end.killed) break;
  }
  EXPECT_GT(between, 0);
}

TEST(TimeAttackRecords, OnlyTheGamesOwnStaleWritesAreCleared) {
  const std::string folder = Folder("stale");
  for (const char* name :
       {"bests.ini.writing-a1B2c3", "best-run.script.writing-Zz9Yy8", "bests.ini.backup",
        "bests.ini.writing-a1B2c3.txt", "notes.writing-a1B2c3"}) {
    std::ofstream(folder + "/" + name) << "x";
  }
  Age(folder);
  std::ofstream(folder + "/bests.ini.writing-Fresh0") << "x";  // another game's save under way
  TimeAttackRecords records(folder);
  EXPECT_EQ(Names(folder),
            (std::set<std::string>{"bests.ini.writing-Fresh0", "bests.ini.backup",
                                   "bests.ini.writing-a1B2c3.txt", "notes.writing-a1B2c3"}));
}

TEST(TimeAttackRecords, ASaveKeepsTheBestsAnotherGameSavedMeanwhile) {
  const std::string folder = Folder("merged");
  TimeAttackRecords first(folder);
  TimeAttackRecords second(folder);
  EXPECT_TRUE(first.StageCleared(1, 500));
  EXPECT_TRUE(second.StageCleared(1, 450));
  EXPECT_TRUE(second.StageCleared(2, 300));
  EXPECT_TRUE(second.RunFinished(8000, Recording(2)));
  EXPECT_TRUE(first.StageCleared(3, 700));
  EXPECT_FALSE(first.StageCleared(1, 470)) << "the other game's 450 stands";
  EXPECT_FALSE(first.RunFinished(8500, Recording(5)));
  const TimeAttackBests expected{{450, 300, 700}, 8000};
  EXPECT_EQ(first.Bests(), expected);
  EXPECT_EQ(TimeAttackRecords(folder).Bests(), expected);
  EXPECT_EQ(first.BestRunEvents(), Events(Recording(2)));
}

TEST(TimeAttackRecords, AFailedWriteIsSaidAndLosesNothing) {
  const std::string folder = Folder("failed");
  Said said;
  TimeAttackRecords records(folder, said.Stream());
  ASSERT_TRUE(records.RunFinished(9000, Recording(1)));
  const std::string old = ReadFile(records.BestsPath());
  {
    // Too small for the bests and their heading: the write fails half way.
    const test::FileSizeLimit full(100);
    EXPECT_TRUE(records.StageCleared(2, 300));
  }
  EXPECT_EQ(said.Text(), "ursa: " + records.BestsPath() +
                             ": cannot save the time attack's bests (File too large); the file "
                             "stays as it was\n");
  EXPECT_EQ(ReadFile(records.BestsPath()), old);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
  // The next save takes the best that waited along.
  EXPECT_TRUE(records.StageCleared(4, 900));
  EXPECT_EQ(TimeAttackRecords(folder).Bests().stages[1], 300);

  // A recording too long to write: the run's time is kept, and the recording of the slower run
  // left on disk is no ghost of it.
  {
    const test::FileSizeLimit full(400);
    EXPECT_TRUE(records.RunFinished(8000, Recording(40)));
  }
  EXPECT_NE(said.Text().find("recording (File too large); its time is kept\n"), std::string::npos);
  EXPECT_EQ(TimeAttackRecords(folder).Bests().run, 8000);
  EXPECT_EQ(records.BestRunEvents(), std::nullopt);

  // A folder that cannot be made: its place is a file, whoever runs the test.
  Said blocked;
  EXPECT_TRUE(TimeAttackRecords(folder + "/bests.ini/ursa", blocked.Stream()).StageCleared(1, 9));
  EXPECT_NE(blocked.Text().find("Not a directory"), std::string::npos) << blocked.Text();
}

TEST(TimeAttackRecords, AReadOnlyFolderIsSaidAndItsFileStays) {
  const std::string folder = Folder("read_only");
  ASSERT_TRUE(TimeAttackRecords(folder).StageCleared(1, 400));
  Said readOnly;
  const test::ChildEnd cleared = test::InChild(
      [&] { return TimeAttackRecords(folder, readOnly.Stream()).StageCleared(5, 10) ? 0 : 1; },
      folder);
  EXPECT_EQ(cleared.status, 0) << "1: the stage's time was not kept in memory";
  EXPECT_NE(readOnly.Text().find("(Permission denied)"), std::string::npos) << readOnly.Text();
  EXPECT_EQ(TimeAttackRecords(folder).Bests(), (TimeAttackBests{{400}, std::nullopt}));
}

TEST(TimeAttackRecords, EveryFileChangedIsToldAtOnceAndNothingElse) {
  // The page copies each file it is told of into the browser's storage the moment it changes.
  const std::string folder = Folder("told");
  std::vector<std::string> told;
  WatchPlayerFiles([&](FileStep step, const std::string& path) {
    if (step == FileStep::kChanged) told.push_back(path);
  });
  TimeAttackRecords records(folder);
  EXPECT_TRUE(records.StageCleared(1, 400));
  EXPECT_FALSE(records.StageCleared(1, 500)) << "no best, nothing written";
  EXPECT_TRUE(records.RunFinished(9000, Recording(1)));
  const std::string bests = records.BestsPath();
  EXPECT_EQ(told, (std::vector<std::string>{bests, records.BestRunPath(), bests}));
  // A damaged file: its copy first, then the file gone.
  told.clear();
  std::ofstream(bests) << "run = fast\n";
  TimeAttackRecords(folder, Said().Stream());
  EXPECT_EQ(told, (std::vector<std::string>{bests + ".damaged", bests}));
  // A write that fails changes nothing, and is told nothing.
  told.clear();
  {
    const test::FileSizeLimit full(10);
    TimeAttackRecords(folder, Said().Stream()).StageCleared(2, 10);
  }
  WatchPlayerFiles(nullptr);
  EXPECT_EQ(told, std::vector<std::string>{});
}

}  // namespace
}  // namespace ursa
