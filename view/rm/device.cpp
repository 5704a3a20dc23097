// The device's offscreen framebuffer: creation, presenting and reading back.
// Each operation puts the OpenGL state back as it found it, for the window's own drawing.
#include "view/rm/device.hpp"

#include <epoxy/gl.h>

#include <utility>

#include "gl/state_guard.hpp"
#include "view/rm/direct_draw.hpp"
#include "view/rm/error.hpp"
#include "view/rm/gl_context.hpp"
#include "view/rm/gl_object.hpp"
#include "view/rm/live_objects.hpp"

namespace ursa::rm {
namespace {

constexpr int kMaxSide = 8192;

}  // namespace

Device::Device(std::shared_ptr<GlContext> context, ClipperPtr clipper, int width, int height)
    : context_(std::move(context)), clipper_(std::move(clipper)), width_(width), height_(height) {
  const char* kOperation = "CreateDeviceFromClipper";
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
    throw Error(kOperation,
                "invalid device size " + std::to_string(width) + " x " + std::to_string(height));
  }
  context_->Use(kOperation);
  context_->Check(kOperation);
  const gl::StateGuard guard;
  color_ = std::make_unique<GlObject>(context_, GlObject::Type::kTexture);
  depth_ = std::make_unique<GlObject>(context_, GlObject::Type::kRenderbuffer);
  framebuffer_ = std::make_unique<GlObject>(context_, GlObject::Type::kFramebuffer);
  glBindTexture(GL_TEXTURE_2D, color_->Name());
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glBindTexture(GL_TEXTURE_2D, 0);
  glBindRenderbuffer(GL_RENDERBUFFER, depth_->Name());
  glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
  glBindRenderbuffer(GL_RENDERBUFFER, 0);
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_->Name());
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, color_->Name(), 0);
  glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, depth_->Name());
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    throw Error(kOperation, "framebuffer incomplete");
  }
  glDisable(GL_SCISSOR_TEST);
  glViewport(0, 0, width, height);
  glClearColor(0.0F, 0.0F, 0.0F, 1.0F);
  glClearDepth(1.0);
  glDepthMask(GL_TRUE);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  context_->Check(kOperation);
  live::Add(live::kDevice, 1);
}

Device::~Device() { live::Add(live::kDevice, -1); }

unsigned Device::Framebuffer() const { return framebuffer_->Name(); }

void Device::Update() {
  PictureWindow* window = clipper_ ? clipper_->Window() : nullptr;
  if (window == nullptr) throw Error("Update", "the device's clipper has no picture box");
  context_->Use("Update");
  window->ShowDeviceImage(color_->Name(), width_, height_);
  context_->Check("Update");
}

Image Device::ReadImage() {
  context_->Use("ReadImage");
  Image image;
  image.width = width_;
  image.height = height_;
  image.rgba.resize(static_cast<size_t>(width_) * height_ * 4);
  {
    const gl::StateGuard guard;
    glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_->Name());
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, image.rgba.data());
  }
  context_->Check("ReadImage");
  FlipRows(image);
  return image;
}

}  // namespace ursa::rm
