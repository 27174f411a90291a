// Controls of our own window classes: input to the toolkit, and a paint through a back
// buffer so nothing flickers.
#include "backends/win32/Win32PaintedPeer.h"

#include "backends/win32/Win32Accessible.h"

namespace morvane {

LRESULT Win32PaintedPeer::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (IsPointerMessage(message)) relayToTooltip(message, wParam, lParam);
  if (auto answer = AnswerDrawnMessage(toolkit_, control_.owner(), hwnd_, message, wParam, lParam, [this] { paint(); })) {
    return *answer;
  }
  switch (message) {
    case WM_SETCURSOR:
      if (setCursor()) return TRUE;
      break;
    case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_CHAR: case WM_SYSCHAR: case WM_KEYUP: case WM_SYSKEYUP:
      return DefaultKeyMessage(toolkit_, control_.owner(), hwnd_, alive_, message, wParam, lParam);
    case WM_SETFOCUS: case WM_KILLFOCUS:
      toolkit_.input().focusChanged(control_.owner(), &control_, message == WM_SETFOCUS);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTCHARS;
    case WM_GETOBJECT:
      if (auto answer = AnswerGetObject(hwnd_, wParam, lParam)) return *answer;
      break;
    case kAccessibleDefaultAction:
      toolkit_.input().invoke(control_);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void Win32PaintedPeer::paint() {
  PaintThroughBackBuffer(hwnd_, [this](BitmapSurface& back, RECT client) {
    Rect b = control_.bounds();
    ScaledSurface units(back.surface(), dpi(), {b.x, b.y}, {b.w, b.h});
    paintOn(back, client, units);
  });
}

}  // namespace morvane
