// GameWindow: start-up, the main loop, keyboard and shutdown of the game's window.
// The loop steps the game and pumps the window's events between steps; the rules decide what
// every key does.
#include "app/game_window.hpp"

#include "app/screenshot_file.hpp"
#include "toolkit/picture_size.hpp"
#include "view/scene_build.hpp"
#include "view/screen_picture.hpp"
#include "view/screens.hpp"

namespace ursa {

namespace {

tk::FormOptions WithScreenshotKey(tk::FormOptions options, std::function<void()> save) {
  options.screenshotKey = std::move(save);
  return options;
}

}  // namespace

GameWindow::GameWindow(const tk::FormOptions& options, const std::string& dataFolder)
    // F12 saves what the player sees; a failure is said and play goes on.
    : form_(WithScreenshotKey(options, [this] { SaveScreenshot(form_, ScreenshotFolder()); })),
      dataFolder_(dataFolder.empty() ? form_.AppPath() : dataFolder),
      host_(form_, handles_, {dataFolder_, &display_, &picture_, &random_}) {
  const std::span<const std::byte> picture = view::ScreenPictureBmp();
  form_.Image1().LoadFromMemory(picture.data(), picture.size());
  form_.SetIcon(dataFolder_ + "/icon.bmp");
  form_.SetEvents(this);
  host_.SetKeys(&keys_);
  SetTimeAttackRecords(noRecords_, true);
  host_.OnStageStart([this](const GameState& s) { StageStarted(s); });
  // A gap in the clock pauses play, and the keys held before it go up as when the focus goes.
  // A replay's keys come by frames, so a gap moves none of them: the replay plays on.
  host_.Pause().OnGap([this] {
    if (keys_.Replaying()) return false;
    input_.ReleaseKeyboard();
    return true;
  });
  // The game's own keys until the settings say otherwise.
  form_.SetKeyBindings(ResolveBindings(InputOptions{}).keys);
}

void GameWindow::Run() {
  if (!form_.Ended()) Load();
  while (!form_.Ended() && !game_.quit) {
    const StepWait wait = RunGame(game_, host_);
    if (form_.Ended() || game_.quit) break;
    host_.Pumps().Pump(wait);
  }
}

bool GameWindow::StepWithoutWaiting() {
  if (!loaded_ && !form_.Ended()) Load();
  while (!form_.Ended() && !game_.quit && host_.Pumps().Poll(wait_)) {
    wait_ = RunGame(game_, host_);
    // A screen's step does nothing until a key has come: the next animation frame's events.
    if (wait_.pump == PumpKind::kScreen) break;
  }
  return !form_.Ended() && !game_.quit;
}

int64_t GameWindow::MillisecondsToNextStep() {
  const int64_t left = host_.Pumps().MillisecondsLeft(wait_);
  return left < 0 ? kIdleStepMs : left;
}

void GameWindow::Load() {
  game_.state.stage = 1;
  game_.state.missCount = 0;
  if (!handles_.dxRoot) handles_.dxRoot = rm::CreateDirectXRoot(display_);
  handles_.ddraw = handles_.dxRoot->DirectDrawCreate("");
  handles_.ddraw->SetDisplayMode(tk::kPictureWidth, tk::kPictureHeight, 16, 0, 0);
  view::CheckMeshFiles(handles_, dataFolder_);
  form_.Show();
  form_.DoEvents();
  view::DrawTitleScreen(form_.Canvas(), form_.Image1());
  startedFullscreen_ = form_.Fullscreen();
  loaded_ = true;
  // The title is up: a replay starts its first game from here, at the first step.
  if (timeAttackAtLoad_ && !keys_.HasReplay()) keys_.Push({kKeyTimeAttack, true});
}

void GameWindow::SetRecorder(KeyRecorder* recorder) {
  recorder_ = recorder;
  keys_.SetRecorder(recorder);
}

void GameWindow::SetTimeAttackRecords(TimeAttackRecords& records, bool ghost) {
  timeAttack_ = std::make_unique<TimeAttackSession>(records, ghost);
  host_.SetTimeAttack(timeAttack_.get());
  keys_.SetTimeAttack(timeAttack_.get());
}

void GameWindow::StageStarted(const GameState& s) {
  const auto framesRun = static_cast<uint64_t>(host_.FramesRun());
  if (recorder_ != nullptr) recorder_->StageStarted(s, framesRun);
  timeAttack_->StageStarted(s, framesRun);
}

void GameWindow::Wire(const Wiring& wiring, std::FILE* errors) {
  for (const std::string& name : SetInputOptions(wiring.settings.input)) {
    std::fprintf(errors, "ursa: the key '%s' cannot be bound; the default key stays\n",
                 name.c_str());
  }
  SetReplay(wiring.replay);
  SetRecorder(wiring.recorder);
  if (wiring.records != nullptr) SetTimeAttackRecords(*wiring.records, wiring.settings.ghost);
}

std::vector<std::string> GameWindow::SetInputOptions(const InputOptions& options) {
  const ResolvedBindings bindings = ResolveBindings(options);
  form_.SetKeyBindings(bindings.keys);
  input_.SetOptions(options);
  return bindings.rejected;
}

void GameWindow::KeyDown(int keyCode) { input_.KeyboardKey(keyCode, true); }

void GameWindow::KeyUp(int keyCode) { input_.KeyboardKey(keyCode, false); }

void GameWindow::PauseKey() { input_.PauseKey(); }

void GameWindow::FocusChanged(bool focused) { input_.FocusChanged(focused); }

void GameWindow::Pad(const tk::PadEvent& event) { input_.Pad(event); }

void GameWindow::EndRecordings() {
  // Closed mid-play, the recording still ends on the title the player would have reached.
  if (recorder_ != nullptr) recorder_->Quit(game_, static_cast<uint64_t>(host_.FramesRun()));
}

void GameWindow::QueryUnload() {
  EndRecordings();
  ursa::QueryUnload(game_, host_);
  handles_.ddraw.reset();
}

}  // namespace ursa
