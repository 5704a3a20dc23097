// Ursa in a browser tab: the game's window on the page's canvas, stepped once per animation
// frame. The page (index.html) has mounted the settings folder from the browser's storage
// and fetched a replay before this runs; its address gives the command line (--replay FILE).
#include <SDL.h>
#include <emscripten.h>

#include <cstdio>
#include <exception>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "app/command_line.hpp"
#include "app/game_window.hpp"
#include "app/replay.hpp"
#include "app/settings_file.hpp"
#include "app/window_settings.hpp"
#include "game/ending_figures.hpp"
#include "view/asset_error.hpp"
#include "view/rm/rm.hpp"

namespace {

// The page's data: the meshes as parsed on the build machine, and the font.
constexpr const char* kMeshFolder = "/data";

struct Page {
  std::string settingsPath;
  ursa::Settings settings;
  std::optional<ursa::KeyReplay> replay;
  std::unique_ptr<ursa::GameWindow> window;
  bool endSaid = false;
};

// Tells the page (ursaPage in index.html) a line to show: the end of a replay, or why the
// game stopped.
void Say(const char* what, const std::string& line) {
  EM_ASM({ ursaPage.say(UTF8ToString($0), UTF8ToString($1)); }, what, line.c_str());
}

void SaveSettings(Page& page) {
  ursa::SaveSettings(page.settingsPath, page.settings,
                     ursa::SettingsAtEnd(page.settings, *page.window), stderr);
  EM_ASM({ ursaPage.keepSettings(); });
}

// A replay's game has ended once its last key is in and the game is on the title or the
// ending screen: its end line, as ursa-sim prints it for the same script.
void SayReplayEnd(Page& page) {
  if (page.endSaid || !page.replay || !page.replay->Done()) return;
  const ursa::Screen screen = page.window->Game().screen;
  if (screen != ursa::Screen::kTitle && screen != ursa::Screen::kEnding) return;
  page.endSaid = true;
  const char* reason = screen == ursa::Screen::kEnding ? "ending" : "title";
  Say("end", ursa::EndLine(reason, page.window->Game().state));
}

void Stop(Page& page, const std::string& why) {
  emscripten_cancel_main_loop();
  Say("error", why);
  (void)page;
}

void Step(void* given) {
  Page& page = *static_cast<Page*>(given);
  try {
    const bool goesOn = page.window->StepWithoutWaiting();
    SayReplayEnd(page);
    if (!goesOn) {
      SaveSettings(page);
      emscripten_cancel_main_loop();
      Say("quit", "the game has ended; reload the page to play again");
    }
  } catch (const ursa::view::AssetError& e) {
    Stop(page, e.what());
  } catch (const ursa::rm::Error& e) {
    Stop(page, std::string("3D rendering failed: ") + e.what());
  } catch (const std::exception& e) {
    Stop(page, e.what());
  }
}

}  // namespace

int main(int argc, char** argv) {
  static Page page;
  // Keys reach the game while its canvas has the focus (clicked or tabbed to), so that the
  // rest of the page keeps its own keys.
  SDL_SetHint(SDL_HINT_EMSCRIPTEN_KEYBOARD_ELEMENT, "#canvas");
  const ursa::CommandLine line = ursa::ParseCommandLine(argc, argv);
  if (line.action != ursa::CommandLine::Action::kPlay) {
    Say("error", line.error.empty() ? "the page's address asks for no game" : line.error);
    return 2;
  }
  page.settingsPath = ursa::SettingsPath();
  page.settings = ursa::LoadSettings(page.settingsPath, stderr);
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
    page.window =
        std::make_unique<ursa::GameWindow>(ursa::WindowOptions(page.settings), kMeshFolder);
    page.window->SetInputOptions(page.settings.input);
    if (page.replay) page.window->SetReplay(&*page.replay);
  } catch (const std::exception& e) {
    Say("error", e.what());
    return 1;
  }
  // The browser calls Step before each repaint; main returns and the page lives on.
  emscripten_set_main_loop_arg(Step, &page, 0, false);
  return 0;
}
