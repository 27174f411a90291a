// Peers that put the portable windows and controls on real HWNDs.
#pragma once

#include <windows.h>

#include <memory>

#include "platform/DpiScale.h"
#include "platform/ScaledSurface.h"
#include "platform/win32/Win32Toolkit.h"

namespace morvane {

// A peer may be destroyed by the very handler it dispatches to (a button that closes its
// window); it checks this token before touching itself again.
class AliveToken {
 public:
  AliveToken() : alive_(std::make_shared<bool>(true)) {}
  ~AliveToken() { *alive_ = false; }
  std::weak_ptr<bool> watch() const { return alive_; }

 private:
  std::shared_ptr<bool> alive_;
};

inline bool StillAlive(const std::weak_ptr<bool>& watch) {
  auto alive = watch.lock();
  return alive && *alive;
}

// Mouse messages of one window as host notifications for its target (a window or a
// control): the mouse is captured while a button is held, and a left press and release
// inside make a click. `dispatch` runs a notification and says whether the peer, whose
// `leftPressed` this is, still exists afterwards. The target hears positions in units of
// the window's `dpi`.
template <class Target, class Dispatch>
void DeliverMouse(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, int dpi, Target* target, bool& leftPressed,
                  Dispatch dispatch) {
  const POINT pixel{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  float x = UnscaleFromDpi(static_cast<float>(pixel.x), dpi);
  float y = UnscaleFromDpi(static_cast<float>(pixel.y), dpi);
  int shift = ShiftMask();
  if (message == WM_MOUSEMOVE) {
    int buttons = ButtonMask(wParam);
    dispatch([=] { target->hostMouseMove(buttons, shift, x, y); });
    return;
  }
  bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
  int button = (message == WM_LBUTTONDOWN || message == WM_LBUTTONUP)   ? kLeftButton
               : (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP) ? kRightButton
                                                                       : kMiddleButton;
  if (down) {
    if (button == kLeftButton) leftPressed = true;
    SetCapture(hwnd);
    dispatch([=] { target->hostMouseDown(button, shift, x, y); });
    return;
  }
  if (ButtonMask(wParam) == 0 && GetCapture() == hwnd) ReleaseCapture();
  bool clicked = button == kLeftButton && leftPressed;
  if (button == kLeftButton) leftPressed = false;
  if (!dispatch([=] { target->hostMouseUp(button, shift, x, y); })) return;
  RECT client;
  GetClientRect(hwnd, &client);
  if (clicked && PtInRect(&client, pixel)) dispatch([=] { target->hostClick(); });
}

class Win32WindowPeer : public WindowPeer, public Win32Peer {
 public:
  Win32WindowPeer(Win32Toolkit& toolkit, Window& window);
  ~Win32WindowPeer() override;

  void apply(Prop what) override;
  void makeTopmost() override;
  void beginSystemDrag() override;
  void trackActivation() override;
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

  HWND tooltips();
  Window& window() const { return window_; }
  int dpi() const { return dpi_; }

 private:
  static LRESULT CALLBACK activationSubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT mouse(UINT message, WPARAM wParam, LPARAM lParam);
  void paint();
  RECT pixelRect(Rect bounds) const;
  Rect unitRect(RECT pixels) const;
  void dpiChanged(int dpi, const RECT& suggested);

  Win32Toolkit& toolkit_;
  Window& window_;
  DWORD style_ = 0;
  int dpi_;
  WNDPROC oldWndProc_ = nullptr;
  HWND tooltips_ = nullptr;
  bool leftPressed_ = false;
  AliveToken alive_;
};

class Win32ControlPeerBase : public ControlPeer, public Win32Peer {
 public:
  Win32ControlPeerBase(Win32Toolkit& toolkit, Control& control) : toolkit_(toolkit), control_(control) {}
  ~Win32ControlPeerBase() override;
  HWND handleOf() const { return hwnd_; }
  Control& control() const { return control_; }
  int dpi() const { return Win32Toolkit::DpiOf(control_.owner()); }
  void apply(Prop what) override;
  Point screenToClient(Point screen) override;

 protected:
  void create(const char* className, DWORD style, DWORD exStyle = 0);
  // The control's font as made for its window's dpi.
  HFONT fontHandle() const;
  // Runs a host notification; false when the peer was destroyed by it.
  bool dispatch(const std::function<void()>& notify);
  bool setCursor();
  void hovered(UINT message, WPARAM wParam, LPARAM lParam);

  Win32Toolkit& toolkit_;
  Control& control_;
  AliveToken alive_;
  bool tooltipAdded_ = false;
};

std::unique_ptr<ControlPeer> MakeControlPeer(Win32Toolkit& toolkit, Control& control);
std::unique_ptr<ControlPeer> MakeDrawnPeer(Win32Toolkit& toolkit, Control& control);
std::unique_ptr<ControlPeer> MakeEditPeer(Win32Toolkit& toolkit, Control& control);
HWND ParentHandle(const Control& control);

}  // namespace morvane
