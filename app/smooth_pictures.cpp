// Pictures between ticks: each drawn a little ahead of its moment on the play clock and held
// until then, the frames placed between the poses of the last two ticks.
#include "app/smooth_pictures.hpp"

#include <algorithm>

#include "game/ticks.hpp"
#include "toolkit/form1.hpp"
#include "view/view_update.hpp"

namespace ursa {

void SmoothPictures::SetOn(bool on) {
  PutBackTick();
  on_ = on;
  picturesPerSecond_ = std::max(form_.RefreshRate(), 1);
}

void SmoothPictures::SceneBuilt() {
  posed_ = false;
  placedBetween_ = false;
  // The window may have gone full screen or to another screen since the last stage.
  if (on_) picturesPerSecond_ = std::max(form_.RefreshRate(), 1);
}

void SmoothPictures::SceneReleased() {
  posed_ = false;
  placedBetween_ = false;
}

void SmoothPictures::TickRendered(int64_t tickMs) {
  const view::StagePose pose = view::TakePose(handles_);
  before_ = posed_ ? after_ : pose;
  after_ = pose;
  posed_ = true;
  tickMs_ = tickMs;
}

void SmoothPictures::PutBackTick() {
  if (!placedBetween_) return;
  view::PlaceBetween(handles_, before_, after_, 1.0F);
  placedBetween_ = false;
}

void SmoothPictures::WaitDrawingBetween(int64_t wakeAtMs) {
  const int64_t rate = picturesPerSecond_;
  const int64_t dueMs = (nextPicture_ * 1000 + rate - 1) / rate;
  // The picture is drawn ahead of its moment by about as long as drawing takes, and held.
  pump_(std::min(dueMs - drawLeadMs_, wakeAtMs));
  // A pump that ended the program leaves nothing to draw.
  if (form_.Ended()) return;
  const int64_t now = pause_.Now();
  if (now < dueMs - drawLeadMs_) return;
  // Where things are at the picture's moment, one tick behind the rules.
  const float t = static_cast<float>(dueMs - tickMs_) / static_cast<float>(kTickMs);
  view::PlaceBetween(handles_, before_, after_, std::clamp(t, 0.0F, 1.0F));
  placedBetween_ = true;
  if (now < dueMs) form_.PresentAt(pause_.WindowTime(dueMs));
  // Nothing moved since the last picture: the renderer draws nothing and nothing is shown.
  view::RenderView(handles_);
  // The lead follows a slower draw at once and a faster one slowly.
  const int64_t needed = pause_.Now() - now + 2;
  drawLeadMs_ =
      std::clamp<int64_t>(std::max(needed, (drawLeadMs_ * 15 + needed) / 16), 2, 1000 / rate / 2);
  nextPicture_ = std::max(nextPicture_ + 1, pause_.Now() * rate / 1000 + 1);
}

}  // namespace ursa
