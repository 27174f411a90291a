// The drawn face of the countdown alert window, 360 x 240 pixels.
#pragma once

#include "platform/surface.h"

namespace morvane {

constexpr Size kAlertFaceSize{360, 240};

void PaintAlertFace(Surface& surface);

}  // namespace morvane
