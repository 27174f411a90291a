// Look rules of the skinned button.
#include "ui/button/ButtonLook.h"

namespace morvane {

ButtonLook RestingLook(bool enabled) { return enabled ? ButtonLook::Normal : ButtonLook::Disabled; }

ButtonLook MoveLook(MouseButtons held) { return held.only(MouseButton::Left) ? ButtonLook::Pressed : ButtonLook::Hot; }

bool WithinButton(float x, float y, Size size) {
  return x >= 0 && y >= 0 && x <= static_cast<float>(size.w) && y <= static_cast<float>(size.h);
}

}  // namespace morvane
