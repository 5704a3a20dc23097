// The device's offscreen framebuffer: creation, presenting and reading back.
// Each operation sets all the OpenGL state it uses, as every pass on the shared context does
// (gl/draw_state.hpp).
#include "view/rm/device.hpp"

#include "gl/gl_api.hpp"
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <utility>

#include "gl/render_target.hpp"
#include "gl/texture_changes.hpp"
#include "view/rm/direct_draw.hpp"
#include "view/rm/error.hpp"
#include "view/rm/gl_context.hpp"
#include "view/rm/gl_object.hpp"
#include "view/rm/live_objects.hpp"
#include "view/rm/scene_changes.hpp"
#include "view/rm/viewport.hpp"

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
  color_ = std::make_unique<GlObject>(context_, GlObject::Type::kTexture);
  depth_ = std::make_unique<GlObject>(context_, GlObject::Type::kRenderbuffer);
  framebuffer_ = std::make_unique<GlObject>(context_, GlObject::Type::kFramebuffer);
  gl::DefineColorTexture(color_->Name(), width, height, gl::Filter::kNearest);
  gl::DefineDepthBuffer(depth_->Name(), width, height);
  if (!gl::AttachTargets(framebuffer_->Name(), color_->Name(), depth_->Name())) {
    throw Error(kOperation, "framebuffer incomplete");
  }
  glDisable(GL_SCISSOR_TEST);
  glClearColor(0.0F, 0.0F, 0.0F, 1.0F);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  glClearDepth(1.0);
  glDepthMask(GL_TRUE);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  context_->Check(kOperation);
  gl::TrackTexture(color_->Name());
  live::Add(live::kDevice, 1);
  CountSceneChange();
}

Device::~Device() {
  gl::ForgetTexture(color_->Name());
  live::Add(live::kDevice, -1);
  CountSceneChange();
#ifdef __GLIBC__
  // A device goes with a stage's scene. The thousands of small blocks a scene (and the
  // driver's work for it) leaves free would otherwise stay with the process, and a run of
  // quick restarts would grow it by tens of megabytes; they go back to the system here.
  malloc_trim(0);
#endif
}

unsigned Device::Framebuffer() const { return framebuffer_->Name(); }

void Device::QueueClear(const void* viewport, DeviceRect rect, int flags) {
  if (queued_.viewport != nullptr && queued_.viewport != viewport) DoQueuedClear();
  if (queued_.viewport != viewport) {
    queued_ = {viewport, rect, 0};
    // Another viewport's rectangle may overlap what the last render drew.
    if (last_.viewport != viewport) last_ = {};
  }
  queued_.flags |= flags;
}

bool Device::SkipRender(const void* viewport, const Frame* scene) {
  const bool fullClear =
      queued_.viewport == viewport &&
      (queued_.flags & (kClearTarget | kClearDepth)) == (kClearTarget | kClearDepth);
  if (fullClear && last_.viewport == viewport && last_.overFullClear && last_.scene == scene &&
      last_.sceneChanges == SceneChangeCount()) {
    queued_ = {};
    return true;
  }
  if (queued_.viewport != nullptr) DoQueuedClear();
  // The render about to be drawn over a full clear depends on nothing but the scene.
  last_ = {viewport, nullptr, 0, fullClear};
  return false;
}

void Device::RenderDone(const void* viewport, DeviceRect rect, const Frame* scene) {
  gl::NoteTextureChange(color_->Name(), rect);
  if (last_.viewport == viewport && last_.overFullClear) {
    last_.scene = scene;
    last_.sceneChanges = SceneChangeCount();
  } else {
    last_ = {};
  }
}

void Device::ViewportGone(const void* viewport) {
  // A clear asked for is still owed; it is done at the device's next drawing or presenting.
  if (queued_.viewport == viewport) queued_.viewport = this;
  if (last_.viewport == viewport) last_ = {};
}

void Device::DoQueuedClear() {
  if (queued_.viewport == nullptr) return;
  const QueuedClear clear = queued_;
  queued_ = {};
  last_ = {};
  if (clear.flags == 0) return;
  context_->Use("Clear");
  glBindFramebuffer(GL_FRAMEBUFFER, framebuffer_->Name());
  // With one viewport ever made, nothing has drawn outside its rectangle, which is still the
  // black of a new device: clearing the whole image leaves those pixels as they are and is
  // much cheaper than a cut-out clear on a software rasteriser.
  if (viewportsMade_ == 1) {
    glDisable(GL_SCISSOR_TEST);
  } else {
    const int bottom = height_ - (clear.rect.y + clear.rect.height);
    glScissor(clear.rect.x, bottom, clear.rect.width, clear.rect.height);
    glEnable(GL_SCISSOR_TEST);
  }
  GLbitfield mask = 0;
  if ((clear.flags & kClearTarget) != 0) {
    glClearColor(0.0F, 0.0F, 0.0F, 1.0F);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    mask |= GL_COLOR_BUFFER_BIT;
  }
  if ((clear.flags & kClearDepth) != 0) {
    glClearDepth(1.0);
    glDepthMask(GL_TRUE);
    mask |= GL_DEPTH_BUFFER_BIT;
  }
  glClear(mask);
  if ((clear.flags & kClearTarget) != 0) {
    gl::NoteTextureChange(color_->Name(), clear.rect);
  }
  context_->Check("Clear");
}

void Device::Update() {
  PictureWindow* window = clipper_ ? clipper_->Window() : nullptr;
  if (window == nullptr) throw Error("Update", "the device's clipper has no picture box");
  DoQueuedClear();
  context_->Use("Update");
  window->ShowDeviceImage(color_->Name(), width_, height_);
  context_->Check("Update");
}

Image Device::ReadImage() {
  DoQueuedClear();
  context_->Use("ReadImage");
  Image image;
  image.width = width_;
  image.height = height_;
  image.rgba.resize(static_cast<size_t>(width_) * height_ * 4);
  glBindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_->Name());
  glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, image.rgba.data());
  context_->Check("ReadImage");
  FlipRows(image);
  return image;
}

}  // namespace ursa::rm
