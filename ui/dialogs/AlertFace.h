// The drawn face of the countdown alert window, 360 x 240 pixels.
#pragma once

#include "platform/Action.h"
#include "platform/surface.h"

namespace morvane {

constexpr Size kAlertFaceSize{360, 240};

// The words above the number name the action: "Shutdown After", "Restart After", ...
void PaintAlertFace(Surface& surface, Action action = Action::ShutDown);

}  // namespace morvane
