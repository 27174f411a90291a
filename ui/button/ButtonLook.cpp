// Look rules of the skinned button.
#include "ui/button/ButtonLook.h"

namespace morvane {

ButtonLook RestingLook(bool enabled, bool emphasised) {
  if (!enabled) return ButtonLook::Disabled;
  return emphasised ? ButtonLook::Emphasised : ButtonLook::Normal;
}

ButtonLook MoveLook(MouseButtons held) { return held.only(MouseButton::Left) ? ButtonLook::Pressed : ButtonLook::Hot; }

bool WithinButton(Point point, Size size) {
  return point.x >= 0 && point.y >= 0 && point.x <= size.w && point.y <= size.h;
}

}  // namespace morvane
