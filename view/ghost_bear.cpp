// The ghost's bear: a second copy of the bear and its animation under a translucent frame.
// It shows only in the stage the scene was built for, and never moves the camera or the light.
#include "view/ghost_bear.hpp"

#include <string>
#include <utility>

#include "view/asset_error.hpp"
#include "view/mesh_files.hpp"

namespace ursa::view {
namespace {

// Half see-through, pale blue and glowing a little of its own, so that it reads as a ghost over
// the dark wall and the bricks alike, while its shading still shows a bear.
constexpr float kGhostOpacity = 0.5F;
constexpr rm::Color kGhostColor{0.6F, 0.85F, 1.0F};
constexpr rm::Color kGhostGlow{0.4F, 0.55F, 0.7F};

// The facing the player's bear would have: right at each start of a stage, then the way the
// last held direction pointed. A new stage, a miss or fewer frames played (a new run) start
// the ghost's next attempt.
int16_t Facing(GhostFacing& seen, const GameState& ghost) {
  if (ghost.stage != seen.stage || ghost.missCount != seen.missCount ||
      ghost.frameCount < seen.frameCount) {
    seen.facing = 1;
  }
  if (ghost.moveInput != 0) seen.facing = ghost.moveInput;
  seen.stage = ghost.stage;
  seen.missCount = ghost.missCount;
  seen.frameCount = ghost.frameCount;
  return seen.facing;
}

// Every mesh of the bear's frames in the ghost's own colour, its clothes' colours gone.
void Tint(const rm::Frame& frame) {
  for (const rm::MeshBuilderPtr& mesh : frame.Visuals()) {
    mesh->SetColorRGB(kGhostColor.r, kGhostColor.g, kGhostColor.b);
    mesh->SetEmissiveRGB(kGhostGlow.r, kGhostGlow.g, kGhostGlow.b);
  }
  for (const rm::FramePtr& child : frame.Children()) Tint(*child);
}

void Show(SceneHandles& h, bool shown) {
  if ((h.ghostFrame->Parent() != nullptr) == shown) return;
  if (shown) {
    h.sceneFrame->AddChild(h.ghostFrame);
  } else {
    h.sceneFrame->DeleteChild(h.ghostFrame);
  }
}

}  // namespace

void BuildGhost(SceneHandles& h, const GameState& s, const SceneSetup& setup) {
  rm::FramePtr frame = h.d3drm->CreateFrame(nullptr);
  rm::AnimationSetPtr anim = h.d3drm->CreateAnimationSet();
  try {
    anim->LoadFromFile(setup.meshFolder + "/" + kMeshFiles[kBearMesh], 0, 0, frame);
  } catch (const rm::Error& e) {
    throw AssetError(e.what());
  }
  frame->SetOrientation(nullptr, 1, 0, 0, 0, 1, 0);
  frame->SetOpacity(kGhostOpacity);
  Tint(*frame);
  h.ghostFrame = std::move(frame);
  h.ghostAnim = std::move(anim);
  h.ghostStage = s.stage;
}

void PlaceGhost(SceneHandles& h, const GameState* ghost) {
  if (!h.ghostFrame) return;
  const int16_t facing = ghost != nullptr ? Facing(h.ghostFacing, *ghost) : int16_t{1};
  const bool shown = ghost != nullptr && ghost->stage == h.ghostStage;
  Show(h, shown);
  if (!shown) return;
  h.ghostFrame->SetOrientation(nullptr, facing, 0, 0, 0, 1, 0);
  h.ghostFrame->SetPosition(nullptr, ghost->playerX, ghost->playerY, 0);
  h.ghostAnim->SetTime(ghost->animFrame);
}

}  // namespace ursa::view
