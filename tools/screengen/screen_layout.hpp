// Where things stand on the two screens, in window pixels (640 x 480; the screen picture
// holds each screen at half that size). The generator paints to these rectangles and the
// tests check the picture against them.
#pragma once

#include "tools/screengen/rect.hpp"

namespace ursa::screengen::layout {

inline constexpr int kWindowWidth = 640, kWindowHeight = 480;
inline constexpr int kPictureWidth = 320, kPictureHeight = 480;

// The title screen.
inline constexpr Rect kTitle{256, 42, 325, 41};
inline constexpr Rect kPrompt{134, 334, 359, 25};
inline constexpr Rect kCredit{496, 452, 129, 15};
inline constexpr Rect kTitleBear{165, 135, 75, 135};
inline constexpr Rect kBrickBlock{0, 295, 165, 185};
inline constexpr Rect kStoneBlock{260, 365, 310, 115};

// The ending screen.
inline constexpr Rect kAllClear{34, 32, 339, 37};
inline constexpr Rect kClearTimeLabel{44, 184, 155, 23};
inline constexpr Rect kMissLabel{44, 248, 63, 21};
inline constexpr Rect kTotalScoreLabel{44, 374, 163, 23};
inline constexpr Rect kEndingBear{405, 255, 115, 135};
inline constexpr Rect kLampPost{520, 110, 60, 250};
inline constexpr int kFloorTop = 320;

// The game prints each number with its text line's top-left at (kNumberX, row) in a 32-pixel
// face; the picture keeps that space free of lettering.
inline constexpr int kNumberX = 250;
inline constexpr int kNumberRows[3] = {182, 245, 370};
inline constexpr int kNumberLineHeight = 32;

inline constexpr const char* kTitleText = "URSA";
inline constexpr const char* kPromptText = "Please Hit Enter Key...";
inline constexpr const char* kCreditText = "\xC2\xA9 2026 The Ursa Team";

}  // namespace ursa::screengen::layout
