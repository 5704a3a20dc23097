// Lights: a type and a colour, counted among the live objects.
// Where a light shines from is its frame's business.
#include "view/rm/light.hpp"

#include "view/rm/live_objects.hpp"
#include "view/rm/scene_changes.hpp"

namespace ursa::rm {

Light::Light(LightType type, Color color) : type_(type), color_(color) {
  live::Add(live::kLight, 1);
}

Light::~Light() {
  live::Add(live::kLight, -1);
  CountSceneChange();
}

void Light::SetColorRGB(float r, float g, float b) {
  color_ = {r, g, b};
  CountSceneChange();
}

}  // namespace ursa::rm
