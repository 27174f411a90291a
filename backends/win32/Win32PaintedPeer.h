// The part every control of our own window classes shares (labels, lines, pictures and
// drawn controls): its pointer, keys, focus and a screen reader's invoke go to the toolkit,
// and each paint draws on a back buffer that the control's kind fills.
#pragma once

#include <windows.h>

#include "backends/win32/GdiSurface.h"
#include "backends/win32/Win32Peers.h"

namespace morvane {

class Win32PaintedPeer : public Win32ControlPeerBase {
 public:
  Win32PaintedPeer(Win32Toolkit& toolkit, Control& control) : Win32ControlPeerBase(toolkit, control) {}

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  // Draws the control on the back buffer of one paint: `client` is its size in pixels,
  // `units` the same buffer in 96-dpi units from the control's top left.
  virtual void paintOn(BitmapSurface& back, RECT client, ScaledSurface& units) = 0;

 private:
  void paint();
};

}  // namespace morvane
