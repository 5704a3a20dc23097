// gl::StateGuard: saves the OpenGL state the window's composing and the renderer's drawing
// change, and puts it back when it goes out of scope, so that the two can share one context.
#pragma once

namespace ursa::gl {

class StateGuard {
 public:
  enum class Start {
    kAsFound,  // the state stays as it was found
    kPlain,    // no depth, cull, blend, scissor or stencil test; all color channels writable;
               // texture unit 0 active; pixel rows tightly packed
  };

  // Saves the framebuffer bindings, program, vertex array, active texture unit and the 2D
  // textures of units 0 and 1, viewport, scissor box, clear color, color mask, pixel row
  // packing, front face and the depth, cull, blend, scissor and stencil tests. The context must
  // be current.
  explicit StateGuard(Start start = Start::kAsFound);
  ~StateGuard();
  StateGuard(const StateGuard&) = delete;
  StateGuard& operator=(const StateGuard&) = delete;

 private:
  int drawFramebuffer_ = 0;
  int readFramebuffer_ = 0;
  int program_ = 0;
  int vertexArray_ = 0;
  int activeTexture_ = 0;
  int texture0_ = 0;
  int texture1_ = 0;
  int viewport_[4] = {};
  int scissorBox_[4] = {};
  float clearColor_[4] = {};
  unsigned char colorMask_[4] = {};
  int packAlignment_ = 4;
  int unpackAlignment_ = 4;
  int unpackRowLength_ = 0;
  int frontFace_ = 0;
  bool depthTest_ = false;
  bool cullFace_ = false;
  bool blend_ = false;
  bool scissorTest_ = false;
  bool stencilTest_ = false;
};

}  // namespace ursa::gl
