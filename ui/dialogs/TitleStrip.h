// The drawn title strip of the message dialog, 236 x 18 pixels: green with the product name.
#pragma once

#include "platform/surface.h"

namespace morvane {

void PaintTitleStrip(Surface& surface);

}  // namespace morvane
