// ursa-shots: plays the whole game from the full-game key script in a headless window and
// saves what the player sees as PNG files: the title, stages along the way, a spike's death
// sequence and the ending with its true figures.
// Usage: ursa-shots FULL_GAME_SCRIPT OUTDIR   (SDL_VIDEODRIVER=offscreen where there is no display)
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "game/key_script.hpp"
#include "harness/scripted_play.hpp"
#include "toolkit/fatal.hpp"

namespace {

using ursa::harness::ScriptedPlay;

// The picture of a stage when the script has played this many of its frames.
struct StageShot {
  int stage;
  int framesIn;
  const char* file;
};
constexpr StageShot kStageShots[] = {
    {1, 60, "stage1.png"},  {4, 90, "stage4.png"},    {6, 70, "stage6.png"},
    {8, 110, "stage8.png"}, {10, 330, "stage10.png"}, {13, 120, "stage13.png"},
};

bool Report(const std::string& missed) {
  if (!missed.empty()) std::fprintf(stderr, "ursa-shots: '%s' never came\n", missed.c_str());
  return missed.empty();
}

bool PlayWholeGame(const std::vector<ursa::ScriptEvent>& keys, const std::string& dir) {
  ScriptedPlay play;
  play.FeedKeys(keys);
  std::vector<ScriptedPlay::Step> steps = {
      ScriptedPlay::StartUp(),
      {"title", [] { return true; },
       [&] {
         play.Form().Screenshot(dir + "/title.png");
         play.Press(SDLK_RETURN);
       }},
  };
  for (const StageShot& shot : kStageShots) {
    steps.push_back({shot.file,
                     [&play, shot, start = int64_t{-1}]() mutable {
                       if (play.State().stage != shot.stage || !play.Playing(0)) return false;
                       const int64_t framesRun = play.Window().FramesRun();
                       if (start < 0) start = framesRun;
                       return framesRun >= start + shot.framesIn;
                     },
                     [&play, &dir, shot] { play.Form().Screenshot(dir + "/" + shot.file); }});
  }
  steps.push_back({"ending", [&] { return play.Game().screen == ursa::Screen::kEnding; },
                   [&] {
                     play.Form().Screenshot(dir + "/ending.png");
                     play.Press(SDLK_ESCAPE);
                   }});
  return Report(play.Run(std::move(steps)));
}

// Stage 6: the bear runs into the first spike; a picture from the middle of the death.
bool PlaySpikeDeath(const std::string& dir) {
  ScriptedPlay play;
  return Report(play.Run({
      ScriptedPlay::StartUp(),
      {"title", [] { return true; },
       [&] {
         play.State().stage = 6;
         play.Press(SDLK_RETURN);
       }},
      {"run", [&] { return play.Playing(2); }, [&] { play.Press(SDLK_RIGHT); }},
      {"death", [&] { return play.State().deathTimer >= 100; },
       [&] {
         play.Form().Screenshot(dir + "/death.png");
         play.Press(SDLK_ESCAPE);
       }},
      {"title", [&] { return play.OnTitle(); }, [&] { play.Press(SDLK_ESCAPE); }},
  }));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: ursa-shots FULL_GAME_SCRIPT OUTDIR\n");
    return 2;
  }
  std::ifstream file(argv[1]);
  const ursa::ScriptParse keys = ursa::ParseScript(file);
  if (!file.is_open() || !keys.error.empty()) {
    std::fprintf(stderr, "ursa-shots: %s: %s\n", argv[1],
                 file.is_open() ? keys.error.c_str() : "cannot open the script");
    return 2;
  }
  try {
    return PlayWholeGame(keys.events, argv[2]) && PlaySpikeDeath(argv[2]) ? 0 : 1;
  } catch (const std::exception& e) {
    ursa::tk::Fatal(e.what());
  }
}
