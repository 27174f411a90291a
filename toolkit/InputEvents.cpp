// The shared pointer and character notifications: each calls its handler when one is set.
#include "toolkit/InputEvents.h"

namespace morvane {

void InputEvents::clicked() {
  if (click_) click_();
}

void InputEvents::doubleClicked() {
  if (doubleClick_) doubleClick_();
}

void InputEvents::pressed(const PointerEvent& event) {
  if (pressed_) pressed_(event);
}

void InputEvents::moved(const PointerEvent& event) {
  if (moved_) moved_(event);
}

void InputEvents::released(const PointerEvent& event) {
  if (released_) released_(event);
}

KeyResult InputEvents::character(char32_t character) {
  return character_ ? character_(character) : KeyResult::Ignored;
}

}  // namespace morvane
