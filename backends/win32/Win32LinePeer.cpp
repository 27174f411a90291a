// Lines: a child window of our own class filled with the line's colour.
#include "backends/win32/Win32PaintedPeer.h"
#include "toolkit/Line.h"

namespace morvane {

namespace {

class Win32LinePeer : public Win32PaintedPeer {
 public:
  Win32LinePeer(Win32Toolkit& toolkit, Line& line) : Win32PaintedPeer(toolkit, line) {
    create(Win32Toolkit::kLineClass, 0);
  }

 private:
  void paintOn(BitmapSurface& back, RECT client, ScaledSurface&) override {
    back.surface().fill({0, 0, client.right, client.bottom}, control_.foreColor());
  }
};

}  // namespace

std::unique_ptr<ControlPeer> Win32Toolkit::createPeer(Line& line) { return std::make_unique<Win32LinePeer>(*this, line); }

}  // namespace morvane
