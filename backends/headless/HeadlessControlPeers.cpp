// In-memory peers of the controls, one for each kind: they keep what the backend would show
// (the keyboard focus, a drawn control's surface) and draw the control into its window's
// raster as the real backend would paint it.
#include <algorithm>

#include "backends/headless/HeadlessToolkit.h"
#include "platform/OffsetSurface.h"
#include "toolkit/DrawnControl.h"
#include "toolkit/Label.h"
#include "toolkit/Line.h"
#include "toolkit/Picture.h"
#include "toolkit/TextField.h"

namespace morvane {

class HeadlessControlPeer : public ControlPeer {
 public:
  HeadlessControlPeer(HeadlessToolkit& toolkit, Control& control) : toolkit_(toolkit), control_(control) {}
  ~HeadlessControlPeer() override {
    if (toolkit_.focusControl_ == &control_) toolkit_.focusControl_ = nullptr;
  }
  // A hidden control that had the keyboard leaves it to its window.
  void apply(Prop what) override {
    if (what == Prop::Focus) toolkit_.giveFocus(&control_.owner(), &control_);
    if (what == Prop::Visible && !control_.visible() && toolkit_.focusControl_ == &control_) {
      toolkit_.giveFocus(&control_.owner(), nullptr);
    }
  }
  Point screenToClient(Point screen) override {
    Point origin = control_.owner().clientOrigin();
    return {screen.x - origin.x - control_.bounds().x, screen.y - origin.y - control_.bounds().y};
  }
  // Draws the control at its place on its window's raster.
  virtual void draw(Raster& window) const = 0;

 protected:
  HeadlessToolkit& toolkit_;

 private:
  Control& control_;
};

namespace {

class LabelPeer : public HeadlessControlPeer {
 public:
  LabelPeer(HeadlessToolkit& toolkit, Label& label) : HeadlessControlPeer(toolkit, label), label_(label) {}
  void draw(Raster& window) const override {
    Rect b = label_.bounds();
    // A right-aligned label's text ends at its right edge; the others start at its left.
    const int left = label_.align() == Align::Right ? b.x + b.w - toolkit_.measureText(*label_.font(), label_.text()).w : b.x;
    window.text({left, b.y}, label_.text(), *label_.font(), label_.foreColor());
  }

 private:
  const Label& label_;
};

class TextFieldPeer : public HeadlessControlPeer {
 public:
  TextFieldPeer(HeadlessToolkit& toolkit, TextField& field) : HeadlessControlPeer(toolkit, field), field_(field) {}
  void draw(Raster& window) const override {
    Rect b = field_.bounds();
    window.fill(b, field_.backColor());
    window.text({b.x, b.y}, field_.text(), *field_.font(), field_.foreColor());
  }

 private:
  const TextField& field_;
};

class LinePeer : public HeadlessControlPeer {
 public:
  LinePeer(HeadlessToolkit& toolkit, Line& line) : HeadlessControlPeer(toolkit, line), line_(line) {}
  void draw(Raster& window) const override {
    Rect b = line_.bounds();
    window.line({b.x, b.y}, {b.x + std::max(b.w, 1), b.y + b.h}, line_.foreColor());
  }

 private:
  const Line& line_;
};

class PicturePeer : public HeadlessControlPeer {
 public:
  PicturePeer(HeadlessToolkit& toolkit, Picture& picture)
      : HeadlessControlPeer(toolkit, picture), picture_(picture) {}
  void draw(Raster& window) const override {
    if (!picture_.hasFace()) return;
    Rect b = picture_.bounds();
    OffsetSurface part(window, {-b.x, -b.y}, {b.w, b.h});
    picture_.paintFace(part);
  }

 private:
  const Picture& picture_;
};

}  // namespace

// A drawn control keeps its face on a raster of its own size and counts how often it was
// shown; its text is drawn over the face.
class HeadlessDrawnPeer : public HeadlessControlPeer {
 public:
  HeadlessDrawnPeer(HeadlessToolkit& toolkit, DrawnControl& control)
      : HeadlessControlPeer(toolkit, control), control_(control) {
    resize();
  }
  void apply(Prop what) override {
    if (what == Prop::Bounds) resize();
    HeadlessControlPeer::apply(what);
  }
  Surface* surface() override { return raster_.get(); }
  void present() override { ++presents_; }
  void draw(Raster& window) const override {
    Rect b = control_.bounds();
    for (int y = 0; y < raster_->height(); ++y)
      for (int x = 0; x < raster_->width(); ++x) window.set(b.x + x, b.y + y, raster_->at(x, y));
    Point origin = control_.textOrigin();
    window.text({b.x + origin.x, b.y + origin.y}, control_.text(), *control_.font(), control_.foreColor());
  }

  Raster* raster() const { return raster_.get(); }
  int presents() const { return presents_; }

 private:
  void resize() {
    Rect b = control_.bounds();
    if (raster_ && raster_->width() == b.w && raster_->height() == b.h) return;
    raster_ = std::make_unique<Raster>(b.w, b.h);
  }

  const DrawnControl& control_;
  std::unique_ptr<Raster> raster_;
  int presents_ = 0;
};

std::unique_ptr<ControlPeer> HeadlessToolkit::createPeer(Label& label) {
  return std::make_unique<LabelPeer>(*this, label);
}

std::unique_ptr<ControlPeer> HeadlessToolkit::createPeer(TextField& field) {
  return std::make_unique<TextFieldPeer>(*this, field);
}

std::unique_ptr<ControlPeer> HeadlessToolkit::createPeer(Line& line) {
  return std::make_unique<LinePeer>(*this, line);
}

std::unique_ptr<ControlPeer> HeadlessToolkit::createPeer(Picture& picture) {
  return std::make_unique<PicturePeer>(*this, picture);
}

std::unique_ptr<ControlPeer> HeadlessToolkit::createPeer(DrawnControl& control) {
  return std::make_unique<HeadlessDrawnPeer>(*this, control);
}

Raster* HeadlessToolkit::surfaceOf(const Control& control) const {
  auto* peer = dynamic_cast<HeadlessDrawnPeer*>(control.peer());
  return peer ? peer->raster() : nullptr;
}

int HeadlessToolkit::presents(const Control& control) const {
  auto* peer = dynamic_cast<HeadlessDrawnPeer*>(control.peer());
  return peer ? peer->presents() : 0;
}

// Controls made earlier lie above later ones, so they are drawn last.
Raster HeadlessToolkit::render(const Window& window) const {
  Size size = window.clientSize();
  Raster raster(size.w, size.h, window.backColor());
  if (window.hasFace()) window.paintFace(raster);
  const auto& controls = window.controls();
  for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
    const Control& c = **it;
    auto* peer = dynamic_cast<const HeadlessControlPeer*>(c.peer());
    if (c.visible() && peer) peer->draw(raster);
  }
  return raster;
}

}  // namespace morvane
