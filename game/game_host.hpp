// GameHost: everything RunGame needs from outside the rules. The window implements it with
// the real view and clock; the simulator and the tests implement it with a virtual clock and no
// view.
#pragma once

#include <cstdint>
#include <optional>

#include "game/game_state.hpp"
#include "game/run_timer.hpp"

namespace ursa {

// How a frame of play ended.
enum class FrameResult { kNone, kDoor, kFall, kSpike };

struct Game;
enum class Screen;

// One of the game's keys going down (a press, or a held key's repeat) or up.
struct KeyPress {
  int keyCode = 0;
  bool down = false;
};

class GameHost {
 public:
  virtual ~GameHost() = default;

  // Milliseconds of a monotonic 64-bit counter; the tick number is this divided by 20.
  virtual int64_t Milliseconds() = 0;
  virtual void SetPictureVisible(bool visible) = 0;

  // Stage start (StartStage calls these around LoadStageLayout and PlacePlayerAtStart).
  virtual void DrawHud(const GameState& s) = 0;
  virtual void BuildScene(const GameState& s) = 0;
  // Empties the scene handles (ReleaseScene has already cleared running).
  virtual void ReleaseScene() = 0;

  virtual void DrawTitleScreen() = 0;
  virtual void DrawEndingScreen(GameState& s) = 0;

  // The view calls of a frame of play, in the order RunFrame makes them: a moving or sinking
  // platform placed after its move, the player turned while a direction is held, the player
  // and camera placed after the vertical move, the camera and light aimed once the player has
  // not fallen out, and the picture rendered.
  virtual void PlaceObject(const GameState& s, int i) = 0;
  // False for a host without a view, whose PlaceObject does nothing: the object pass then
  // leaves the placing out, which on stage 10 would be forty calls a frame.
  virtual bool PlacesObjects() const { return true; }
  virtual void TurnPlayer(const GameState& s) = 0;
  virtual void PlacePlayerAndCamera(const GameState& s) = 0;
  virtual void AimCameraAndLight(const GameState& s) = 0;
  virtual void RenderView() = 0;
  // One picture of the death sequence.
  virtual void RenderDeathFrame(const GameState& s) = 0;

  // Called after every frame of play that ran, before any stage start that follows.
  virtual void FrameEnded(const GameState& /*s*/, FrameResult /*result*/) {}

  // A time attack's timer has counted one more frame, which is about to run (a frame of play
  // or a step of the death sequence): the HUD's clock, and a ghost stepped to the same frame.
  virtual void RunTimed(const RunTimer& /*run*/) {}
  // A time attack's stage `stage` was cleared in `stageFrames` frames; the next stage has not
  // started yet.
  virtual void StageTimed(int /*stage*/, int32_t /*stageFrames*/, const RunTimer& /*run*/) {}
  // The ending screen of a time attack: by default the game's own.
  virtual void DrawTimeAttackEnding(GameState& s, const RunTimer& /*run*/) { DrawEndingScreen(s); }

  // Ends the program (Esc on the title or ending screen, closing the window).
  virtual void EndProgram() = 0;

  // The next key that has come for the rules, if any. RunGame takes keys one at a time, in the
  // order they came, each time it is called and before it returns for a pump.
  virtual std::optional<KeyPress> NextKey(const Game& /*game*/) { return std::nullopt; }
  // The rules have taken `key`, pressed on `screen`: what it asks for is done at RunGame's
  // next step.
  virtual void KeyTaken(const Game& /*game*/, Screen /*screen*/, KeyPress /*key*/) {}
};

}  // namespace ursa
