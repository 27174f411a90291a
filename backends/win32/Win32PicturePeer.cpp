// Pictures: a child window of our own class that paints the picture's face over its
// window's background colour.
#include "backends/win32/Win32PaintedPeer.h"
#include "toolkit/Picture.h"

namespace morvane {

namespace {

class Win32PicturePeer : public Win32PaintedPeer {
 public:
  Win32PicturePeer(Win32Toolkit& toolkit, Picture& picture) : Win32PaintedPeer(toolkit, picture), picture_(picture) {
    create(Win32Toolkit::kPictureClass, 0);
  }

 private:
  void paintOn(BitmapSurface& back, RECT client, ScaledSurface& units) override {
    back.surface().fill({0, 0, client.right, client.bottom}, picture_.owner().backColor());
    if (picture_.hasFace()) picture_.paintFace(units);
  }

  const Picture& picture_;
};

}  // namespace

std::unique_ptr<ControlPeer> Win32Toolkit::createPeer(Picture& picture) {
  return std::make_unique<Win32PicturePeer>(*this, picture);
}

}  // namespace morvane
