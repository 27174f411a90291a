// Drawn controls (the program's buttons): a child window of our own class that keeps the
// control's face on a bitmap and draws its text over it.
#include "backends/win32/Win32PaintedPeer.h"
#include "toolkit/DrawnControl.h"

namespace morvane {

namespace {

class Win32DrawnPeer : public Win32PaintedPeer {
 public:
  Win32DrawnPeer(Win32Toolkit& toolkit, DrawnControl& control) : Win32PaintedPeer(toolkit, control), drawn_(control) {
    resizeFace();
    create(Win32Toolkit::kButtonClass, 0);
  }

  Surface* surface() override { return faceUnits_.get(); }
  void present() override { InvalidateRect(hwnd_, nullptr, FALSE); }

  void apply(Prop what) override {
    if (what == Prop::Bounds) resizeFace();
    Win32PaintedPeer::apply(what);
  }

 private:
  // The face is kept in pixels and painted in units.
  void resizeFace() {
    Rect b = drawn_.bounds();
    Rect pixels = ScaleToDpi(b, dpi());
    if (!face_ || face_->width() != pixels.w || face_->height() != pixels.h) {
      face_ = std::make_unique<BitmapSurface>(pixels.w, pixels.h);
      face_->surface().fill({0, 0, pixels.w, pixels.h}, drawn_.owner().backColor());
    }
    faceUnits_ = std::make_unique<ScaledSurface>(face_->surface(), dpi(), Point{b.x, b.y}, Size{b.w, b.h});
  }

  void paintOn(BitmapSurface& back, RECT, ScaledSurface& units) override {
    if (face_) face_->copyTo(back.dc(), 0, 0);
    units.text(drawn_.textOrigin(), drawn_.text(), *drawn_.font(), drawn_.foreColor());
  }

  const DrawnControl& drawn_;
  std::unique_ptr<BitmapSurface> face_;
  std::unique_ptr<ScaledSurface> faceUnits_;
};

}  // namespace

std::unique_ptr<ControlPeer> Win32Toolkit::createPeer(DrawnControl& control) {
  return std::make_unique<Win32DrawnPeer>(*this, control);
}

}  // namespace morvane
