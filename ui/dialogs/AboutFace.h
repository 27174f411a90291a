// The drawn face of the about window and splash, 400 x 300 pixels.
#pragma once

#include <string>
#include <string_view>

#include "platform/surface.h"

namespace morvane {

constexpr Size kAboutFaceSize{400, 300};

void PaintAboutFace(Surface& surface);

// The web address as the face prints it: no scheme, no trailing slash, capitals.
std::string PrintedAddress(std::string_view address);

}  // namespace morvane
