// The root object: the display-mode object and renderers for one display.
// All renderers of a root share its OpenGL context and so its compiled shader.
#include "view/rm/direct_x_root.hpp"

#include "view/rm/direct3drm.hpp"
#include "view/rm/direct_draw.hpp"
#include "view/rm/error.hpp"
#include "view/rm/gl_context.hpp"

namespace ursa::rm {

DirectXRoot::DirectXRoot(Display& display)
    : display_(&display), context_(std::make_shared<GlContext>(display)) {}

DirectDrawPtr DirectXRoot::DirectDrawCreate(const std::string& driver) {
  if (!driver.empty()) throw Error("DirectDrawCreate", "unknown display driver \"" + driver + "\"");
  return std::make_shared<DirectDraw>(*display_);
}

Direct3DRMPtr DirectXRoot::Direct3DRMCreate() {
  context_->Use("Direct3DRMCreate");
  return std::make_shared<Direct3DRM>(context_);
}

DirectXRootPtr CreateDirectXRoot(Display& display) {
  return std::make_shared<DirectXRoot>(display);
}

}  // namespace ursa::rm
