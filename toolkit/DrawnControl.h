// A control that paints its own face on a surface its peer keeps, and has the backend draw
// its text over that face; the program's buttons are drawn controls. It takes the focus,
// Tab stops on it, and its caption's access key reaches it.
#pragma once

#include <memory>
#include <string>

#include "toolkit/Control.h"
#include "toolkit/Toolkit.h"

namespace morvane {

class DrawnControl : public Control {
 public:
  DrawnControl(Window& owner, std::string name, Rect bounds)
      : Control(owner, std::move(name), bounds, AccessibleRole::PushButton, true) {}

  // Where the backend draws the text over the surface.
  Point textOrigin() const { return textOrigin_; }
  void setTextOrigin(Point origin) {
    if (origin == textOrigin_) return;
    textOrigin_ = origin;
    changed(Prop::Text);
  }

  bool answersAccessKeys() const override { return true; }

 private:
  bool focusable() const override { return true; }
  std::unique_ptr<ControlPeer> makePeer(Toolkit& toolkit) override { return toolkit.createPeer(*this); }

  Point textOrigin_;
};

}  // namespace morvane
