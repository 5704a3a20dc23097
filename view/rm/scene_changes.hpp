// The scene change count: every edit that can change a rendered picture (a frame moved, turned,
// added or removed, a mesh loaded or recoloured, a light's colour, a viewport or device made or
// changed) counts one. A render of the same scene at the same count draws the same pixels.
#pragma once

#include <cstdint>

namespace ursa::rm {

uint64_t SceneChangeCount();
void CountSceneChange();

}  // namespace ursa::rm
