// WindowHost: RunGame's view of the real window (the toolkit's clock, the screens and
// HUD, the stage scene drawn by the retained-mode renderer), the pumps between steps, the pause.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>

#include "app/play_clock.hpp"
#include "game/game.hpp"
#include "game/game_host.hpp"
#include "view/between_ticks.hpp"
#include "view/pause_banner.hpp"
#include "view/run_clock.hpp"
#include "view/scene_build.hpp"
#include "view/scene_handles.hpp"

namespace ursa::tk {
class Form1;
}

namespace ursa {

class TimeAttackSession;

class WindowHost final : public GameHost {
 public:
  // `setup` is what every stage's scene is built with.
  WindowHost(tk::Form1& form, view::SceneHandles& handles, view::SceneSetup setup)
      : form_(form), handles_(handles), setup_(std::move(setup)) {}

  // Play time: the window's clock less the time spent paused and the gaps in it.
  int64_t Milliseconds() override;
  // The window's event pump that the game asked for at the end of its step: on a screen it
  // waits for events however long, in play until the next tick, a death picture's moment or
  // not at all; while paused it serves events until the pause ends.
  void PumpEvents(const StepWait& wait);
  // The browser's pump, which must never wait: delivers the events that have come and says
  // whether the game's wait is over. A pause holds it, with the banner up and the play clock
  // stopped, until it ends.
  bool PollEvents(const StepWait& wait);
  // How long until that wait is over, on the window's clock: 0 when it is; -1 when only an
  // event can end it (a screen, a pause).
  int64_t MillisecondsLeft(const StepWait& wait);
  void SetPictureVisible(bool visible) override;

  void DrawHud(const GameState& s) override;
  void BuildScene(const GameState& s) override;
  void ReleaseScene() override;
  void DrawTitleScreen() override;
  void DrawEndingScreen(GameState& s) override;

  void PlaceObject(const GameState& s, int i) override;
  void TurnPlayer(const GameState& s) override;
  void PlacePlayerAndCamera(const GameState& s) override;
  void AimCameraAndLight(const GameState& s) override;
  void RenderView() override;
  void RenderDeathFrame(const GameState& s) override;

  void FrameEnded(const GameState& s, FrameResult result) override;
  void EndProgram() override;

  void RunTimed(const RunTimer& run) override;
  void StageTimed(int stage, int32_t stageFrames, const RunTimer& run) override;
  void DrawTimeAttackEnding(GameState& s, const RunTimer& run) override;
  // The time attack the window keeps (its ghost, bests and recording); must outlive the host.
  void SetTimeAttack(TimeAttackSession* session) { timeAttack_ = session; }

  // Frames of play that started since the program did, as the simulator counts them.
  int64_t FramesRun() const { return framesRun_; }
  // Called at every stage start, before its scene is built.
  void OnStageStart(std::function<void(const GameState&)> hook) { stageStart_ = std::move(hook); }
  // Called at a gap in the window's clock in play (PlayClock::kGapMs), which pauses the game
  // unless the hook says false; the play clock passes over the gap either way.
  void OnGap(std::function<bool()> hook) { gap_ = std::move(hook); }

  // Play stops at the end of the event pump that is running (the picture stays, with the
  // pause banner in the HUD band) and the pump goes on serving the window's events, while
  // the play clock stands still, until Resume. Only for a game in play or dying. A gap in
  // the window's clock in play pauses it too, the play clock stopped where the gap began.
  void Pause() { pauseWanted_ = true; }
  void Resume() { pauseWanted_ = false; }
  bool Paused() const { return pauseWanted_; }

  // Smooth pictures: while play waits for its next tick, pictures come at the screen's rate
  // (read at every stage start), the bear, camera, light and platforms drawn between where the
  // last two ticks put them, one tick behind. Off, every picture is a tick, drawn as the rules
  // draw it: exact pictures. The death sequence is drawn exactly either way.
  void SetSmoothPictures(bool smooth);

 private:
  tk::Form1& form_;
  view::SceneHandles& handles_;
  view::SceneSetup setup_;
  // One pass of the window's pump; a wake-up time is on the play clock, negative for none.
  void Pump(int64_t wakeAtMs = -1);
  // Serves the window's events until Resume or the program's end.
  void StayPaused();
  // The play clock stopped at a gap: the game pauses there, or goes on past it.
  void PauseForGap();
  // The pause without a wait: shows it when asked for, ends it when over; true while it lasts.
  bool HoldPause();
  // Smooth pictures: waits for the next picture or the tick, whichever is first, and draws
  // the picture when its time has come.
  void WaitDrawingBetween(int64_t wakeAtMs);
  // The frames where the last tick put them again, before the rules go on.
  void PutBackTick();

  int64_t framesRun_ = 0;
  std::function<void(const GameState&)> stageStart_;
  std::function<bool()> gap_;
  TimeAttackSession* timeAttack_ = nullptr;
  std::optional<view::RunClock> clock_;  // a time attack's clock, made at its first use
  view::RunClock& Clock();
  // A time attack is being played.
  bool InTimeAttack() const;
  PlayClock playClock_;
  view::PauseBanner banner_;
  bool pauseWanted_ = false;
  bool pauseHeld_ = false;  // the browser's pause is on screen
  int64_t deathStartMs_ = 0;
  int64_t deathDueMs_ = 0;  // when the next death picture may be shown

  bool smooth_ = false;
  int picturesPerSecond_ = 60;
  int64_t nextPicture_ = 0;  // picture n is due at n / picturesPerSecond_ s on the play clock
  int64_t drawLeadMs_ = 2;   // how long before its moment a picture is drawn
  bool posed_ = false;       // the stage has had a tick to draw from
  bool placedBetween_ = false;
  view::StagePose before_{}, after_{};
  int64_t tickMs_ = 0;  // when the last tick's pose was taken
};

}  // namespace ursa
