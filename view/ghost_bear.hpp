// The ghost's bear: in a time attack, the best run's bear drawn translucent in the player's
// stage, placed and posed from the ghost's game as the player's bear is from the player's.
#pragma once

#include "game/game_state.hpp"
#include "view/scene_build.hpp"
#include "view/scene_handles.hpp"

namespace ursa::view {

// Adds the ghost's bear to the scene BuildScene has just made of `s`'s stage, hidden until
// PlaceGhost shows it; ReleaseScene (or the next BuildScene) takes it away with the scene.
// Throws AssetError for a missing or broken bear, rm::Error when the renderer fails.
void BuildGhost(SceneHandles& h, const GameState& s, const SceneSetup& setup);

// The ghost's bear where `ghost` (GhostRun::Bear()) has it, turned and posed as the player's bear
// would be; hidden for nullptr or a ghost in another stage than the scene's. Moves nothing else
// of the scene, and nothing at all without BuildGhost.
void PlaceGhost(SceneHandles& h, const GameState* ghost);

}  // namespace ursa::view
