// The game's window as the renderer sees it: Form1 as the rm::Display (its display-mode
// switch and OpenGL context) and Picture1 as the rm::PictureWindow the 3D view is shown in.
#pragma once

#include "toolkit/form1.hpp"
#include "view/rm/platform.hpp"

namespace ursa {

class WindowDisplay final : public rm::Display {
 public:
  explicit WindowDisplay(tk::Form1& form) : form_(form) {}
  void SetDisplayMode(int width, int height, int bitsPerPixel) override {
    form_.SetDisplayMode(width, height, bitsPerPixel);
  }
  bool MakeContextCurrent() override { return form_.MakeContextCurrent(); }

 private:
  tk::Form1& form_;
};

class WindowPicture final : public rm::PictureWindow {
 public:
  explicit WindowPicture(tk::PictureBox& box) : box_(box) {}
  void ShowDeviceImage(unsigned texture, int width, int height) override {
    box_.ShowDeviceImage({texture, width, height});
  }

 private:
  tk::PictureBox& box_;
};

}  // namespace ursa
