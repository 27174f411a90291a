// A label: text on its window's face, in the window's colours around it.
#pragma once

#include <memory>
#include <string>

#include "toolkit/Control.h"
#include "toolkit/Toolkit.h"

namespace morvane {

class Label : public Control {
 public:
  Label(Window& owner, std::string name, Rect bounds)
      : Control(owner, std::move(name), bounds, AccessibleRole::StaticText, false) {}

  bool wordWrap() const { return wordWrap_; }
  void setWordWrap(bool wrap) { wordWrap_ = wrap; }

 private:
  std::unique_ptr<ControlPeer> makePeer(Toolkit& toolkit) override { return toolkit.createPeer(*this); }

  bool wordWrap_ = false;
};

}  // namespace morvane
