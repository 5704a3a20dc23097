// Ursa: a small 3D platform game. Reads the command line and the settings, finds the mesh
// files, starts the window at the title screen and plays until the player quits; any failure
// ends in one clear message and a non-zero exit status (1 for a failed start, 2 for a bad
// command line or replay file).
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "app/command_line.hpp"
#include "app/data_folder.hpp"
#include "app/game_window.hpp"
#include "app/recorder.hpp"
#include "app/replay.hpp"
#include "app/settings_file.hpp"
#include "app/time_attack_records.hpp"
#include "app/window_settings.hpp"
#include "text/options.hpp"
#include "toolkit/fatal.hpp"
#include "toolkit/program_directory.hpp"
#include "toolkit/quit_queued.hpp"
#include "view/asset_error.hpp"
#include "view/rm/rm.hpp"
#include "view/rm/x_file_cancel.hpp"

namespace {

// Answers --help, --version and a bad command line; returns the exit status, or -1 to play.
int AnswerCommandLine(const ursa::CommandLine& line) {
  switch (line.action) {
    case ursa::CommandLine::Action::kHelp:
      std::fputs(ursa::UsageText("ursa").c_str(), stdout);
      return 0;
    case ursa::CommandLine::Action::kVersion:
      std::printf("ursa %s\n", URSA_VERSION);
      return 0;
    case ursa::CommandLine::Action::kBadUsage:
      std::fputs(ursa::text::CommandLineError("ursa", line.error).c_str(), stderr);
      return 2;
    case ursa::CommandLine::Action::kPlay:
      break;
  }
  return -1;
}

int RefuseRecording(const std::string& message) {
  std::fprintf(stderr, "ursa: %s\n", message.c_str());
  return 2;
}

// Reads --replay's file and opens --record's; returns the exit status when either fails
// (before any window opens), or -1 to play.
int OpenRecordings(const ursa::CommandLine& line, std::optional<ursa::KeyReplay>& replay,
                   std::unique_ptr<ursa::KeyRecorder>& recorder) {
  if (!line.replayPath.empty()) {
    std::ifstream file(line.replayPath, std::ios::binary);
    if (!file) return RefuseRecording("cannot read the replay '" + line.replayPath + "'");
    ursa::ScriptParse script = ursa::ParseScript(file);
    if (file.bad()) return RefuseRecording("cannot read the replay '" + line.replayPath + "'");
    if (!script.error.empty()) return RefuseRecording(line.replayPath + ": " + script.error);
    replay.emplace(std::move(script.events));
  }
  if (!line.recordPath.empty()) {
    std::error_code ignored;
    if (!line.replayPath.empty() &&
        std::filesystem::equivalent(line.recordPath, line.replayPath, ignored)) {
      return RefuseRecording("--record would write over the replay '" + line.replayPath + "'");
    }
    std::string error;
    recorder = ursa::KeyRecorder::Open(line.recordPath, error);
    if (!recorder) return RefuseRecording(error);
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  const ursa::CommandLine line = ursa::ParseCommandLine(argc, argv);
  if (const int status = AnswerCommandLine(line); status >= 0) return status;
  // A folder named for the meshes that is not there is a mistake on the command line, said
  // before anything else happens rather than passed over for the installed meshes.
  if (!line.dataDir.empty()) {
    if (const std::string problem = ursa::DataDirProblem(line.dataDir); !problem.empty()) {
      std::fprintf(stderr, "ursa: %s\n", problem.c_str());
      return 2;
    }
  }

  const std::string settingsPath = ursa::SettingsPath();
  ursa::Settings settings = ursa::LoadSettings(settingsPath, stderr);
  // --windowed and --fullscreen choose for this run; the file keeps what it says.
  if (line.windowed) settings.fullscreen = !*line.windowed;

  std::optional<ursa::KeyReplay> replay;
  std::unique_ptr<ursa::KeyRecorder> recorder;
  if (const int status = OpenRecordings(line, replay, recorder); status >= 0) return status;

  ursa::TimeAttackRecords records(ursa::TimeAttackRecords::FolderFor(replay.has_value()));

  std::string programDirectory;
  ursa::DataPlace data;
  try {
    programDirectory = ursa::tk::ProgramDirectory();
    const std::vector<ursa::DataPlace> places = ursa::DataPlaces(programDirectory, line.dataDir);
    const ursa::DataPlace* found = ursa::FindMeshFolder(places);
    if (found == nullptr) ursa::tk::Fatal(ursa::NoMeshFilesMessage(places, programDirectory));
    data = *found;
    // A quit while a mesh file is still being read ends the program at once.
    ursa::rm::SetXFileQuitCheck(&ursa::tk::QuitQueued);

    ursa::GameWindow window(ursa::WindowOptions(settings), data.folder);
    window.Wire({settings, replay ? &*replay : nullptr, recorder.get(), &records}, stderr);
    window.SetSmoothPictures(
        ursa::SmoothPictures(settings.motion, window.Form().SoftwareRasteriser()));
    // A display that cuts the game off ends it as a close does: with the recording ended and
    // the settings saved.
    window.Form().SetConnectionLost([&] {
      window.EndRecordings();
      ursa::SaveSettings(settingsPath, settings, ursa::SettingsAtEnd(settings, window), stderr);
    });
    if (line.timeAttack) window.StartTimeAttackAtLoad();
    try {
      window.Run();
    } catch (...) {
      // A failure in play ends the program below, with no destructor run.
      window.EndRecordings();
      throw;
    }
    ursa::SaveSettings(settingsPath, settings, ursa::SettingsAtEnd(settings, window), stderr);
  } catch (const ursa::rm::XFileLoadCancelled&) {
    return 0;  // the player quit while the game was starting
  } catch (const ursa::view::AssetError& e) {
    ursa::tk::Fatal(std::string(e.what()) + "\n" + ursa::MeshFileHint(data, programDirectory));
  } catch (const ursa::rm::Error& e) {
    ursa::tk::Fatal(std::string("3D rendering failed: ") + e.what());
  } catch (const ursa::tk::Error& e) {
    ursa::tk::Fatal(e.what());
  } catch (const std::exception& e) {
    ursa::tk::Fatal(std::string("unexpected error: ") + e.what());
  }
  return 0;
}
