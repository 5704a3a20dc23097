// SmoothPictures: while play waits for its next tick, pictures at the screen's rate, the bear,
// camera, light and platforms drawn between where the last two ticks put them, one tick behind.
// Off, every picture is a tick, drawn as the rules draw it: exact pictures.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "app/play_pause.hpp"
#include "view/between_ticks.hpp"
#include "view/scene_handles.hpp"

namespace ursa::tk {
class Form1;
}

namespace ursa {

class SmoothPictures {
 public:
  // `pump` runs one pass of the window's pump that wakes at a play time.
  SmoothPictures(tk::Form1& form, view::SceneHandles& handles, PlayPause& pause,
                 std::function<void(int64_t wakeAtMs)> pump)
      : form_(form), handles_(handles), pause_(pause), pump_(std::move(pump)) {}

  // On or off; the screen's rate is read now and at every stage start.
  void SetOn(bool on);
  bool On() const { return on_; }
  // A tick has been drawn from: the waits before the next draw pictures between.
  bool Drawing() const { return on_ && posed_; }

  // A stage's scene was built or released: nothing to draw between yet.
  void SceneBuilt();
  void SceneReleased();
  // The rules' frame drew the tick that started at `tickMs`: it is shown on its way from the
  // last one, in the waits that follow.
  void TickRendered(int64_t tickMs);
  // The frames where the last tick put them again, before the rules go on.
  void PutBackTick();
  // Waits for the next picture or the tick at `wakeAtMs`, whichever is first, and draws the
  // picture when its time has come.
  void WaitDrawingBetween(int64_t wakeAtMs);

 private:
  tk::Form1& form_;
  view::SceneHandles& handles_;
  PlayPause& pause_;
  std::function<void(int64_t)> pump_;
  bool on_ = false;
  int picturesPerSecond_ = 60;
  int64_t nextPicture_ = 0;  // picture n is due at n / picturesPerSecond_ s on the play clock
  int64_t drawLeadMs_ = 2;   // how long before its moment a picture is drawn
  bool posed_ = false;       // the stage has had a tick to draw from
  bool placedBetween_ = false;
  view::StagePose before_{}, after_{};
  int64_t tickMs_ = 0;  // when the last tick's pose was taken
};

}  // namespace ursa
