// DirectXRoot: where the renderer starts. It belongs to one display (whose OpenGL context
// every object it leads to draws with); the display must outlive every such object.
#pragma once

#include <memory>
#include <string>

#include "view/rm/handles.hpp"
#include "view/rm/platform.hpp"

namespace ursa::rm {

class GlContext;

class DirectXRoot {
 public:
  explicit DirectXRoot(Display& display);

  // driver "" is the default (and only) display driver.
  DirectDrawPtr DirectDrawCreate(const std::string& driver);
  // Throws Error when the display has no OpenGL 3.3 context.
  Direct3DRMPtr Direct3DRMCreate();

 private:
  Display* display_;
  std::shared_ptr<GlContext> context_;
};

DirectXRootPtr CreateDirectXRoot(Display& display);

}  // namespace ursa::rm
