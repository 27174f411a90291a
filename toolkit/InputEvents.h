// The pointer and character events a control and a window share: the handlers a container
// sets, and the notifications the input router raises, which call them unless overridden.
#pragma once

#include <functional>

#include "toolkit/ToolkitTypes.h"

namespace morvane {

class InputEvents {
 public:
  void onClick(std::function<void()> handler) { click_ = std::move(handler); }
  void onDoubleClick(std::function<void()> handler) { doubleClick_ = std::move(handler); }
  void onPointerPressed(PointerHandler handler) { pressed_ = std::move(handler); }
  void onPointerMoved(PointerHandler handler) { moved_ = std::move(handler); }
  void onPointerReleased(PointerHandler handler) { released_ = std::move(handler); }
  void onCharacter(CharacterHandler handler) { character_ = std::move(handler); }

  virtual void clicked();
  virtual void doubleClicked();
  virtual void pressed(const PointerEvent& event);
  virtual void moved(const PointerEvent& event);
  virtual void released(const PointerEvent& event);
  virtual KeyResult character(char32_t character);

 protected:
  InputEvents() = default;
  virtual ~InputEvents() = default;
  InputEvents(const InputEvents&) = delete;
  InputEvents& operator=(const InputEvents&) = delete;

 private:
  std::function<void()> click_, doubleClick_;
  PointerHandler pressed_, moved_, released_;
  CharacterHandler character_;
};

}  // namespace morvane
