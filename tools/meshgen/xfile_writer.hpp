// Serialises a Model as a text mesh file ("xof 0303txt 0032").
// The output depends only on the model, so regenerating the game's meshes is byte-exact.
#pragma once

#include <string>

#include "tools/meshgen/model.hpp"

namespace ursa::meshgen {

std::string WriteXFile(const Model& model);

}  // namespace ursa::meshgen
