// The whole window toolkit in one include: Form1 with Picture1 and Image1, events, 2D
// drawing, number text, colours, key codes, clocks, errors and test hooks.
#pragma once

#include "app/toolkit/clock.hpp"
#include "app/toolkit/colour.hpp"
#include "app/toolkit/event_injection.hpp"
#include "app/toolkit/fatal.hpp"
#include "app/toolkit/form1.hpp"
#include "app/toolkit/form_events.hpp"
#include "app/toolkit/form_options.hpp"
#include "app/toolkit/key_codes.hpp"
#include "app/toolkit/number_text.hpp"
#include "app/toolkit/rect.hpp"
#include "app/toolkit/rgb_image.hpp"
