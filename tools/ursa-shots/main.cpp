// ursa-shots: plays a short scripted game in a headless window and saves what the player
// sees as PNG files: the title, a few stages, a death and the ending.
// Usage: ursa-shots OUTDIR    (run with SDL_VIDEODRIVER=offscreen where there is no display)
#include <cstdio>
#include <string>
#include <vector>

#include "app/scripted_play.hpp"
#include "app/toolkit/fatal.hpp"
#include "view/rm/error.hpp"

namespace {

using ursa::ScriptedPlay;

// A stage played from its start: hold Right for `frames` frames, then save the screen.
void AddStageShot(ScriptedPlay& play, std::vector<ScriptedPlay::Step>& steps, int stage,
                  int frames, const std::string& file) {
  steps.push_back({"title before stage " + std::to_string(stage), [&play] { return play.OnTitle(); },
                   [&play, stage] {
                     play.state().stage = static_cast<int16_t>(stage);
                     play.Press(SDLK_RETURN);
                   }});
  steps.push_back({"walk", [&play] { return play.Playing(2); },
                   [&play] { play.Press(SDLK_RIGHT); }});
  steps.push_back({"shot of stage " + std::to_string(stage),
                   [&play, frames] { return play.Playing(frames); },
                   [&play, file] {
                     play.form().Screenshot(file);
                     play.Release(SDLK_RIGHT);
                     play.Press(SDLK_ESCAPE);
                   }});
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ursa-shots OUTDIR\n");
    return 2;
  }
  const std::string dir = argv[1];
  try {
    ScriptedPlay play;
    std::vector<ScriptedPlay::Step> steps = {
        ScriptedPlay::StartUp(),
        {"title", [] { return true; }, [&] { play.form().Screenshot(dir + "/title.png"); }},
    };
    AddStageShot(play, steps, 1, 40, dir + "/stage1.png");
    AddStageShot(play, steps, 5, 30, dir + "/stage5.png");
    AddStageShot(play, steps, 10, 60, dir + "/stage10.png");
    // Stage 6: the bear runs into the first spike; a picture from the middle of the death.
    steps.push_back({"title before the spike", [&] { return play.OnTitle(); },
                     [&] {
                       play.state().stage = 6;
                       play.Press(SDLK_RETURN);
                     }});
    steps.push_back({"run", [&] { return play.Playing(2); }, [&] { play.Press(SDLK_RIGHT); }});
    steps.push_back({"death", [&] { return play.state().deathTimer >= 100; },
                     [&] {
                       play.form().Screenshot(dir + "/death.png");
                       play.Release(SDLK_RIGHT);
                       play.Press(SDLK_ESCAPE);
                     }});
    // Stage 15's door, opened from the top of its tower, leads to the ending.
    steps.push_back({"title before the last door", [&] { return play.OnTitle(); },
                     [&] {
                       play.state().stage = 15;
                       play.Press(SDLK_RETURN);
                     }});
    steps.push_back({"at the door", [&] { return play.Playing(3); },
                     [&] {
                       play.state().playerX = 400;
                       play.state().playerY = 800;
                       play.Press(SDLK_SPACE);
                     }});
    steps.push_back({"ending", [&] { return play.game().screen == ursa::Screen::kEnding; },
                     [&] {
                       play.form().Screenshot(dir + "/ending.png");
                       play.Press(SDLK_ESCAPE);
                     }});
    const std::string missed = play.Run(std::move(steps));
    if (!missed.empty()) {
      std::fprintf(stderr, "ursa-shots: the moment of '%s' never came\n", missed.c_str());
      return 1;
    }
  } catch (const std::exception& e) {
    ursa::tk::Fatal(e.what());
  }
  return 0;
}
