// Look rules of the skinned button.
#include "ui/button/ButtonLook.h"

#include "platform/Window.h"

namespace morvane {

ButtonLook NextRestLook(std::int32_t state, ButtonLook previous) {
  if (state == 1) return ButtonLook::Emphasised;
  if (state == 0) return ButtonLook::Normal;
  return previous;
}

ButtonLook RefreshedLook(bool enabled, ButtonLook restLook) { return enabled ? restLook : ButtonLook::Disabled; }

ButtonLook MoveLook(int buttonMask) { return buttonMask == kLeftButton ? ButtonLook::Pressed : ButtonLook::Hot; }

bool WithinButton(float x, float y, Size size) {
  return x >= 0 && y >= 0 && x <= static_cast<float>(size.w) && y <= static_cast<float>(size.h);
}

}  // namespace morvane
