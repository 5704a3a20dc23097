// The per-frame view of a stage: follow camera, falling camera, light and render.
// Positions are formed in 16-bit game arithmetic first and only then handed over as floats.
#include "view/view_update.hpp"

namespace ursa::view {
namespace {

constexpr int kCameraHeight = 250;      // above the player's feet
constexpr int kCameraDistance = -1250;  // in front of the play plane
constexpr int kFallingCameraBelow = -200;
constexpr int kFallingCameraY = 200;
constexpr int kLightHeight = 500;
constexpr int kLightDistance = -400;
constexpr int kDeathPullBack = -7;  // z per death frame
constexpr int kClearAll = 7;        // the target and its depth

}  // namespace

void PlaceObject(SceneHandles& h, const GameState& s, int i) {
  h.objectFrames[i]->SetPosition(nullptr, s.objX[i], s.objY[i], 0);
}

void TurnPlayer(SceneHandles& h, const GameState& s) {
  h.playerFrame->SetOrientation(nullptr, s.moveInput, 0, 0, 0, 1, 0);
}

void PlacePlayerAndCamera(SceneHandles& h, const GameState& s) {
  h.playerFrame->SetPosition(nullptr, s.playerX, s.playerY, 0);
  h.playerAnim->SetTime(s.animFrame);
  h.cameraFrame->SetPosition(nullptr, s.playerX, Wrap16(s.playerY + kCameraHeight),
                             kCameraDistance);
  // Falling out of the stage: look straight down on the player from the play plane.
  if (s.playerY < kFallingCameraBelow) {
    h.cameraFrame->SetPosition(nullptr, s.playerX, kFallingCameraY, 0);
  }
}

void AimCameraAndLight(SceneHandles& h, const GameState& s) {
  h.cameraFrame->LookAt(h.playerFrame, nullptr, 0);
  h.lightFrame->SetPosition(nullptr, s.playerX, Wrap16(s.playerY + kLightHeight), kLightDistance);
  h.lightFrame->LookAt(h.playerFrame, nullptr, 0);
}

void RenderView(SceneHandles& h) {
  h.viewport->Clear(kClearAll);
  h.viewport->Render(h.sceneFrame);
  h.device->Update();
}

void RenderDeathFrame(SceneHandles& h, const GameState& s) {
  h.cameraFrame->SetPosition(nullptr, s.playerX, Wrap16(s.playerY + kCameraHeight),
                             Wrap16(kDeathPullBack * s.deathTimer));
  h.cameraFrame->LookAt(h.playerFrame, nullptr, 0);
  RenderView(h);
}

}  // namespace ursa::view
