// A line: a thin bar in its fore colour, drawn on its window's face; it takes no input.
#pragma once

#include <memory>
#include <string>

#include "toolkit/Control.h"
#include "toolkit/Toolkit.h"

namespace morvane {

class Line : public Control {
 public:
  Line(Window& owner, std::string name, Rect bounds)
      : Control(owner, std::move(name), bounds, AccessibleRole::Separator, false) {}

  bool takesInput() const override { return false; }

 private:
  std::unique_ptr<ControlPeer> makePeer(Toolkit& toolkit) override { return toolkit.createPeer(*this); }
};

}  // namespace morvane
