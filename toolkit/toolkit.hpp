// The whole window toolkit in one include: Form1 with Picture1 and Image1, events, 2D
// drawing, number text, colors, key codes, clocks and errors.
#pragma once

#include "toolkit/clock.hpp"
#include "toolkit/color.hpp"
#include "toolkit/fatal.hpp"
#include "toolkit/form1.hpp"
#include "toolkit/form_events.hpp"
#include "toolkit/form_options.hpp"
#include "toolkit/key_bindings.hpp"
#include "toolkit/number_text.hpp"
#include "toolkit/rect.hpp"
#include "toolkit/rgb_image.hpp"
