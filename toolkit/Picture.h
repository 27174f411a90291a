// A picture: a face painted in code over its window's background.
#pragma once

#include <memory>
#include <string>

#include "toolkit/Control.h"
#include "toolkit/Toolkit.h"

namespace morvane {

class Picture : public Control {
 public:
  Picture(Window& owner, std::string name, Rect bounds)
      : Control(owner, std::move(name), bounds, AccessibleRole::Graphic, false) {}

  void setFace(FacePainter painter) { face_ = std::move(painter); }
  bool hasFace() const { return static_cast<bool>(face_); }
  void paintFace(Surface& surface) const { face_(surface); }

 private:
  std::unique_ptr<ControlPeer> makePeer(Toolkit& toolkit) override { return toolkit.createPeer(*this); }

  FacePainter face_;
};

}  // namespace morvane
