// Presenting: puts what was drawn on the window. Composes what changed of the 640 x 480
// picture (Composer, ImageDamage), draws what the window lacks of it, scaled (Scaler,
// WindowDamage), and has it go up at its pace (SwapPacer). Nothing is presented when nothing
// changed.
#pragma once

#include <chrono>
#include <cstdint>

#include "toolkit/canvas.hpp"
#include "toolkit/composer.hpp"
#include "toolkit/display_window.hpp"
#include "toolkit/form_options.hpp"
#include "toolkit/image_damage.hpp"
#include "toolkit/rgb_image.hpp"
#include "toolkit/scaler.hpp"
#include "toolkit/swap_pacer.hpp"
#include "toolkit/window_damage.hpp"

namespace ursa::tk {

class Presenter {
 public:
  // The window's context must be current. `box` is the picture box's rectangle; the options
  // say whether to present at all, with vsync, and how to scale.
  Presenter(DisplayWindow& window, Clock& clock, const FormOptions& options, Rect box);

  // Puts `canvas` with the picture box's content (`device` when given) on the window, what
  // changed of it only (taking the canvas's record of what was drawn).
  void Present(Canvas& canvas, bool pictureVisible, const DeviceImage* device = nullptr);
  // Something was drawn that is not on the window yet.
  bool NeedsPresent(const Canvas& canvas) const {
    return windowDamage_.Invalid() || canvas.Drawn() || image_.ToCompose();
  }
  // The picture the player sees now, rows top to bottom.
  RgbImage Screenshot(Canvas& canvas, bool pictureVisible);

  // The whole window must be drawn again (shown, exposed, resized, switched).
  void InvalidateWindow() { windowDamage_.Invalidate(); }
  // The picture box was shown (it starts black) or hidden.
  void BoxShown(bool shown);
  // What the player sees is reduced to 5-6-5.
  void SetReduceTo16Bit(bool reduce);

  SwapPacer& Pacer() { return pacer_; }
  const SwapPacer& Pacer() const { return pacer_; }
  bool SoftwareRasteriser() const { return softwareRasteriser_; }

 private:
  void Compose(Canvas& canvas, bool pictureVisible, const DeviceImage* device);

  DisplayWindow& window_;
  bool present_;
  bool softwareRasteriser_;
  bool reduceTo16Bit_ = false;
  Composer composer_;
  Scaler scaler_;
  ImageDamage image_;
  WindowDamage windowDamage_;
  SwapPacer pacer_;
};

}  // namespace ursa::tk
