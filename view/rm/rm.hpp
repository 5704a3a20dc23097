// The retained-mode 3D layer in one include: root, display mode, renderer, frames, lights,
// mesh builders, animation sets, device and viewport, and the Error they throw.
#pragma once

#include "view/rm/animation_set.hpp"
#include "view/rm/device.hpp"
#include "view/rm/direct3drm.hpp"
#include "view/rm/direct_draw.hpp"
#include "view/rm/direct_x_root.hpp"
#include "view/rm/error.hpp"
#include "view/rm/frame.hpp"
#include "view/rm/handles.hpp"
#include "view/rm/image.hpp"
#include "view/rm/light.hpp"
#include "view/rm/live_objects.hpp"
#include "view/rm/math.hpp"
#include "view/rm/mesh_builder.hpp"
#include "view/rm/platform.hpp"
#include "view/rm/viewport.hpp"
