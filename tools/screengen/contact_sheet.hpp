// The contact sheet of docs/art: every art render as a captioned thumbnail on one page,
// with the conversions between canvases and 8-bit images that saving PNGs needs.
#pragma once

#include <vector>

#include "tools/screengen/art_renders.hpp"
#include "tools/screengen/canvas.hpp"
#include "tools/screengen/text_painter.hpp"

namespace ursa::screengen {

Canvas ContactSheet(const std::vector<NamedRender>& renders, const TextPainter& text);

// The canvas as an 8-bit image with its alpha, for saving as PNG.
rm::Image ToImage(const Canvas& canvas);
// An 8-bit image (such as a loaded screen picture) as a canvas, enlarged `scale` times.
Canvas FromImage(const rm::Image& image, int scale);

}  // namespace ursa::screengen
