// The bar's background picture: light grey with a thin dark-blue frame left, right and bottom.
#pragma once

#include "platform/surface.h"

namespace morvane {

constexpr Color kBarBackground = 0xF0F0F0;
constexpr Color kBarFrame = Rgb(4, 62, 116);

void PaintBarFace(Surface& surface);

}  // namespace morvane
