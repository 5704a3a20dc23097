// The art renders of docs/art: each mesh as the game lights it, a scene from the first
// stage as the game's camera sees it, the bear's key poses, and the contact sheet of them.
#pragma once

#include <string>
#include <vector>

#include "tools/screengen/shot.hpp"

namespace ursa::screengen {

struct NamedRender {
  std::string name;   // file name stem, e.g. "block"
  std::string label;  // caption on the contact sheet
  rm::Image image;
};

std::vector<NamedRender> RenderArt(ShotRenderer& renderer);

}  // namespace ursa::screengen
