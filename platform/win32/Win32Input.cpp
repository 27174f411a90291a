// Window messages of the program's windows and controls turned into the toolkit's neutral
// input: the pointer in the top-level window's client pixels, keys with their modifier masks.
#include <windows.h>

#include "platform/Keys.h"
#include "platform/DpiScale.h"
#include "platform/win32/Win32Peers.h"

namespace morvane {

int ButtonMask(WPARAM wParam) {
  int mask = 0;
  if (wParam & MK_LBUTTON) mask |= kLeftButton;
  if (wParam & MK_RBUTTON) mask |= kRightButton;
  if (wParam & MK_MBUTTON) mask |= kMiddleButton;
  return mask;
}

int ShiftMask() {
  int mask = 0;
  if (GetKeyState(VK_SHIFT) < 0) mask |= kShiftMask;
  if (GetKeyState(VK_CONTROL) < 0) mask |= kCtrlMask;
  if (GetKeyState(VK_MENU) < 0) mask |= kAltMask;
  return mask;
}

bool IsPointerMessage(UINT message) {
  switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
      return true;
    default:
      return false;
  }
}

// The system's double-click messages (edit controls have them) are plain presses here: the
// toolkit tells a double-click by the time and distance between presses.
void PushPointer(Win32Toolkit& toolkit, Window& window, HWND from, UINT message, WPARAM wParam, LPARAM lParam,
                 bool ownCapture) {
  POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  HWND top = Win32Toolkit::HandleOf(window);
  if (!top) return;
  if (from != top) MapWindowPoints(from, top, &p, 1);
  // The toolkit places controls in 96-dpi units.
  const int dpi = Win32Toolkit::DpiOf(window);
  Point client{UnscaleFromDpi(static_cast<int>(p.x), dpi), UnscaleFromDpi(static_cast<int>(p.y), dpi)};
  int shift = ShiftMask();
  InputRouter& input = toolkit.input();
  switch (message) {
    case WM_MOUSEMOVE:
      input.pointerMove(window, client, ButtonMask(wParam), shift);
      return;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK: {
      int button = (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK)   ? kLeftButton
                   : (message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK) ? kRightButton
                                                                               : kMiddleButton;
      if (ownCapture) SetCapture(from);
      auto time = static_cast<std::int64_t>(static_cast<DWORD>(GetMessageTime()));
      input.pointerDown(window, client, button, shift, time);
      return;
    }
    default: {
      int button = message == WM_LBUTTONUP ? kLeftButton : message == WM_RBUTTONUP ? kRightButton : kMiddleButton;
      if (ownCapture && ButtonMask(wParam) == 0 && GetCapture() == from) ReleaseCapture();
      input.pointerUp(window, client, button, shift);
      return;
    }
  }
}

// A system key or character (WM_SYS...) is one held with Alt; an ordinary character never
// counts as one, whatever GetKeyState says (AltGr and Alt+numpad codes type characters).
InputRouter::KeyResult PushKey(Win32Toolkit& toolkit, Window& window, UINT message, WPARAM wParam) {
  int code = static_cast<int>(wParam);
  int shift = ShiftMask();
  InputRouter& input = toolkit.input();
  switch (message) {
    case WM_KEYDOWN:
      return input.keyDown(window, code, shift);
    case WM_SYSKEYDOWN:
      return input.keyDown(window, code, (shift | kAltMask) & ~kCtrlMask);
    case WM_CHAR:
      return input.character(window, code, shift & ~kAltMask);
    case WM_SYSCHAR:
      return input.character(window, code, (shift | kAltMask) & ~kCtrlMask);
    default:
      return {false, code};
  }
}

void PushKeyUp(Win32Toolkit& toolkit, Window& window, UINT message, WPARAM wParam) {
  int shift = ShiftMask();
  if (message == WM_SYSKEYUP) shift = (shift | kAltMask) & ~kCtrlMask;
  toolkit.input().keyUp(window, static_cast<int>(wParam), shift);
}

}  // namespace morvane
