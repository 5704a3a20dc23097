// The frame order: objects, blocks, horizontal motion, door, vertical motion, fall, render.
// frameCount only counts frames that get as far as the render.
#include "game/frame.hpp"

#include "game/counters.hpp"
#include "game/player_motion.hpp"
#include "game/stage_objects.hpp"

namespace ursa {

FrameResult RunFrame(GameState& s, GameHost& host) {
  s.onGround = 0;
  if (ObjectPass(s, host)) return FrameResult::kSpike;
  BlockPass(s);
  HorizontalInput(s, host);
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
