// Ursa in a browser tab: the game's window on the page's canvas, stepped once per animation
// frame. The page (index.html) has put the player's files from the browser's storage in place
// and fetched a replay before this runs; its address gives the command line (--replay FILE).
// Every player file the game writes is handed back to the page to keep; the run played is kept
// as a key script the page offers for download.
#include <SDL.h>
#include <emscripten.h>
#include <emscripten/html5.h>

#include <cstdio>
#include <exception>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/command_line.hpp"
#include "app/game_window.hpp"
#include "app/player_file.hpp"
#include "app/recorder.hpp"
#include "app/replay.hpp"
#include "app/settings.hpp"
#include "app/settings_file.hpp"
#include "app/time_attack_records.hpp"
#include "app/window_settings.hpp"
#include "game/ending_figures.hpp"
#include "toolkit/picture_size.hpp"
#include "view/asset_error.hpp"
#include "view/rm/rm.hpp"

namespace {

// The page's data: the meshes as parsed on the build machine, and the font.
constexpr const char* kMeshFolder = "/data";

struct Page {
  ursa::Settings settings;
  std::optional<ursa::KeyReplay> replay;
  ursa::RecordingInMemory* run = nullptr;  // owned by the recorder
  std::unique_ptr<ursa::KeyRecorder> recorder;
  std::unique_ptr<ursa::TimeAttackRecords> records;  // in the browser's storage, as the settings
  std::unique_ptr<ursa::GameWindow> window;
  int64_t holdAtFrame = -1;  // a replay stops there, its picture held (?replay=URL&hold=N)
  bool endSaid = false;
};

Page& ThePage() {
  static Page page;
  return page;
}

// Tells the page (ursaPage in index.html) a line to show: the end of a replay, or why the
// game stopped.
void Say(const char* what, const std::string& line) {
  EM_ASM({ ursaPage.say(UTF8ToString($0), UTF8ToString($1)); }, what, line.c_str());
}

// What the page may show or check: the screen, the stage, the misses, the frames of play,
// whether play is paused and where the bear is.
void TellStatus(Page& page) {
  const ursa::Game& game = page.window->Game();
  EM_ASM({ ursaPage.setStatus($0, $1, $2, $3, $4, $5); }, static_cast<int>(game.screen),
         game.state.stage, game.state.missCount, static_cast<int>(page.window->FramesRun()),
         page.window->Paused(), game.state.playerX);
}

// A replay's game has ended once its last key is in and the game is on the title or the
// ending screen: its end line, as ursa-sim prints it for the same script.
void SayReplayEnd(Page& page) {
  if (page.endSaid || !page.replay || !page.replay->Done()) return;
  const ursa::Screen screen = page.window->Game().screen;
  if (screen != ursa::Screen::kTitle && screen != ursa::Screen::kEnding) return;
  page.endSaid = true;
  const char* reason = screen == ursa::Screen::kEnding ? "ending" : "title";
  const ursa::Game& game = page.window->Game();
  Say("end", ursa::EndLine(reason, game.state, game.timeAttack ? &game.run : nullptr));
}

// The canvas lost the keyboard's focus to the rest of the page (the settings box, a link): the
// keys go there now, so what the keyboard held is let go and play pauses, as when the
// desktop's window loses the focus. Both reach the game at its next step, as window events.
EM_BOOL CanvasBlurred(int /*eventType*/, const EmscriptenFocusEvent* /*event*/, void* /*data*/) {
  SDL_ResetKeyboard();
  SDL_Event lost{};
  lost.type = SDL_WINDOWEVENT;
  lost.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  SDL_Window* window = SDL_GL_GetCurrentWindow();
  lost.window.windowID = window != nullptr ? SDL_GetWindowID(window) : 0;
  SDL_PushEvent(&lost);
  return EM_FALSE;
}

void Stop(const std::string& why) {
  emscripten_cancel_main_loop();
  Say("error", why);
}

void Step(void* given) {
  Page& page = *static_cast<Page*>(given);
  try {
    const bool goesOn = page.window->StepWithoutWaiting();
    TellStatus(page);
    SayReplayEnd(page);
    if (!goesOn) {
      // Only a replay's Esc on the title or the ending screen ends the page's game.
      emscripten_cancel_main_loop();
      Say("quit", "the replay has ended the game");
    } else if (page.replay && page.holdAtFrame >= 0 &&
               page.window->FramesRun() >= page.holdAtFrame) {
      emscripten_cancel_main_loop();
      Say("held", "held after frame " + std::to_string(page.holdAtFrame) + " of play");
    } else {
      // The next step comes when the game wants it, as the desktop's pump wakes at the tick:
      // a frame started late in its tick would end in the next one and delay the game.
      emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT,
                                      static_cast<int>(page.window->MillisecondsToNextStep()));
    }
  } catch (const ursa::view::AssetError& e) {
    Stop(e.what());
  } catch (const ursa::rm::Error& e) {
    Stop(std::string("3D rendering failed: ") + e.what());
  } catch (const std::exception& e) {
    Stop(e.what());
  }
}

}  // namespace

// The settings the page reads, with their defaults and what each does, for the settings box.
// The display's are the page's own (the canvas, the browser's full screen) and are left out.
extern "C" EMSCRIPTEN_KEEPALIVE const char* UrsaPageSettings() {
  static const std::string text = [] {
    const ursa::Settings defaults;
    std::string list;
    std::string section;
    for (const ursa::Setting& setting : ursa::SettingsTable()) {
      if (setting.section == "display") continue;
      if (setting.section != section) {
        section = setting.section;
        list += (list.empty() ? "[" : "\n[") + section + "]\n";
      }
      if (!setting.comment.empty()) list += setting.comment + "\n";
      list += setting.name + " = " + setting.format(defaults) + "\n";
    }
    return list;
  }();
  return text.c_str();
}

// The run so far as a key script, for the page's download link.
extern "C" EMSCRIPTEN_KEEPALIVE const char* UrsaRunSoFar() {
  Page& page = ThePage();
  if (!page.recorder) return "";
  page.recorder->WriteNow();
  return page.run->Text().c_str();
}

int main(int argc, char** argv) {
  Page& page = ThePage();
  page.holdAtFrame = EM_ASM_INT({ return ursaPage.holdAtFrame; });
  // Keys reach the game while its canvas has the focus (clicked or tabbed to), so that the
  // rest of the page keeps its own keys.
  SDL_SetHint(SDL_HINT_EMSCRIPTEN_KEYBOARD_ELEMENT, "#canvas");
  emscripten_set_blur_callback("#canvas", nullptr, EM_FALSE, CanvasBlurred);
  // The page keeps a copy of each player file in the browser's storage, made when it changes.
  ursa::WatchPlayerFiles([](ursa::FileStep step, const std::string& path) {
    if (step == ursa::FileStep::kChanged) {
      EM_ASM({ ursaPage.fileWritten(UTF8ToString($0)); }, path.c_str());
    }
  });
  const ursa::CommandLine line = ursa::ParseCommandLine(argc, argv);
  if (line.action != ursa::CommandLine::Action::kPlay) {
    Say("error", line.error.empty() ? "the page's address asks for no game" : line.error);
    return 2;
  }
  // The page's settings box writes the file; the game reads it at every start.
  page.settings = ursa::LoadSettings(ursa::SettingsPath(), stderr);
  if (!line.replayPath.empty()) {
    std::ifstream file(line.replayPath, std::ios::binary);
    ursa::ScriptParse script = ursa::ParseScript(file);
    if (!script.error.empty()) {
      Say("error", "the replay: " + script.error);
      return 2;
    }
    page.replay.emplace(std::move(script.events));
  }
  try {
    // The canvas is the window: 640 x 480 in its place on the page, full screen only as the
    // browser's (F11 in the page), so the window's settings are not the page's.
    ursa::Settings atStart = page.settings;
    atStart.fullscreen = false;
    atStart.windowWidth = ursa::tk::kPictureWidth;
    atStart.windowHeight = ursa::tk::kPictureHeight;
    page.window = std::make_unique<ursa::GameWindow>(ursa::WindowOptions(atStart), kMeshFolder);
    page.window->KeepOpenOnScreens();
    auto run = std::make_unique<ursa::RecordingInMemory>();
    page.run = run.get();
    page.recorder = std::make_unique<ursa::KeyRecorder>(std::move(run), "this run");
    page.records = std::make_unique<ursa::TimeAttackRecords>(
        ursa::TimeAttackRecords::FolderFor(page.replay.has_value()));
    page.window->Wire({page.settings, page.replay ? &*page.replay : nullptr, page.recorder.get(),
                       page.records.get()},
                      stderr);
  } catch (const std::exception& e) {
    Say("error", e.what());
    return 1;
  }
  // The browser calls Step when the game's next step is due; main returns and the page lives on.
  emscripten_set_main_loop_arg(Step, &page, 0, false);
  emscripten_set_main_loop_timing(EM_TIMING_SETTIMEOUT, 0);
  return 0;
}
