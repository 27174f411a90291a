// The bar's background picture: light grey with a thin dark-blue frame left, right and bottom.
#pragma once

#include "platform/surface.h"

namespace morvane {

constexpr Color kBarBackground = Rgb(240, 240, 240);
constexpr Color kBarFrame = Rgb(4, 62, 116);
// The folded line blinks red, pale green, green.
constexpr Color kFoldedLineRed = Rgb(255, 0, 0);
constexpr Color kFoldedLinePaleGreen = Rgb(204, 229, 162);
constexpr Color kFoldedLineGreen = Rgb(0, 255, 0);

void PaintBarFace(Surface& surface);

}  // namespace morvane
