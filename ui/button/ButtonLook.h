// The five looks of the skinned button and the pure rules that pick one; painting is elsewhere.
#pragma once

#include <cstdint>

#include "toolkit/ToolkitTypes.h"
#include "platform/geometry.h"

namespace morvane {

// The value is the index of the look's skin.
enum class ButtonLook : std::int16_t { Normal = 0, Pressed = 1, Disabled = 2, Hot = 3, Emphasised = 4 };

constexpr int kButtonLookCount = 5;

// What a refresh paints: disabled whatever else holds, else emphasised or normal.
ButtonLook RestingLook(bool enabled, bool emphasised);

// What a pointer move inside the button paints: pressed only while the left button alone
// is held, hot otherwise.
ButtonLook MoveLook(MouseButtons held);

// Whether a point lies on the button for the move gate and the pointer poll; the far
// column and row (x == width, y == height) still count as inside.
bool WithinButton(Point point, Size size);

}  // namespace morvane
