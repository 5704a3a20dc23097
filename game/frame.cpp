// The frame order: objects, blocks, horizontal motion, door, vertical motion, fall, render.
// Every view call of a frame is made here, between the rule steps, so the order reads at once.
#include "game/frame.hpp"

#include "game/counters.hpp"
#include "game/player_motion.hpp"
#include "game/stage_objects.hpp"

namespace ursa {

FrameResult RunFrame(GameState& s, GameHost& host) {
  s.onGround = 0;
  // The platforms move and are placed in the view, then objects 0 to 49 act on the player in
  // turn. A spike that touches the player ends the frame; the objects after it stay.
  if (ObjectPass(s, host)) return FrameResult::kSpike;
  BlockPass(s);
  HorizontalInput(s);
  if (s.moveInput != 0) host.TurnPlayer(s);
  AnimationOverrides(s);
  Friction(s);
  HorizontalMove(s);
  if (DoorTest(s)) return FrameResult::kDoor;
  Jump(s);
  Gravity(s);
  VerticalMove(s);
  host.PlacePlayerAndCamera(s);
  if (FallTest(s)) return FrameResult::kFall;
  host.AimCameraAndLight(s);
  CountFrame(s);
  host.RenderView();
  return FrameResult::kNone;
}

std::string_view FrameResultName(FrameResult result) {
  switch (result) {
    case FrameResult::kDoor:
      return "door";
    case FrameResult::kFall:
      return "fall";
    case FrameResult::kSpike:
      return "spike";
    case FrameResult::kNone:
      break;
  }
  return "-";
}

}  // namespace ursa
