// The dpi calls came with Windows 10 (1607); they are looked up in user32 at run time so the
// program still starts on Windows 7 and 8, where every window has the system's dpi.
#include "backends/win32/Dpi.h"

#include "platform/DpiScale.h"
#include "backends/win32/SystemLibrary.h"

namespace morvane {

namespace {

template <class Fn>
Fn User32Call(const char* name) {
  return LibraryFunction<Fn>(GetModuleHandleW(L"user32.dll"), name);
}

int ScreenDeviceDpi() {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : kUnitDpi;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kUnitDpi;
}

}  // namespace

// A process's system dpi is fixed when it starts.
int SystemDpi() {
  static const int dpi = [] {
    auto forSystem = User32Call<UINT(WINAPI*)()>("GetDpiForSystem");
    UINT value = forSystem ? forSystem() : 0;
    return value > 0 ? static_cast<int>(value) : ScreenDeviceDpi();
  }();
  return dpi;
}

namespace {
int screenDpi = 0;
}  // namespace

// Until the user gives the primary screen another scale, it is the system's.
int ScreenDpi() { return screenDpi > 0 ? screenDpi : SystemDpi(); }

void PrimaryScreenDpiChanged(int dpi) { screenDpi = dpi; }

int WindowDpi(HWND hwnd) {
  static const auto forWindow = User32Call<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
  UINT value = forWindow && hwnd ? forWindow(hwnd) : 0;
  return value > 0 ? static_cast<int>(value) : ScreenDpi();
}

int CursorSizeFor(int dpi) {
  static const auto metricsForDpi = User32Call<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
  int size = metricsForDpi ? metricsForDpi(SM_CXCURSOR, static_cast<UINT>(dpi)) : GetSystemMetrics(SM_CXCURSOR);
  return size > 0 ? size : GetSystemMetrics(SM_CXCURSOR);
}

RECT FrameFor(DWORD style, DWORD exStyle, int dpi) {
  static const auto adjustForDpi = User32Call<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
  RECT frame{0, 0, 0, 0};
  bool adjusted = adjustForDpi ? adjustForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dpi))
                               : AdjustWindowRectEx(&frame, style, FALSE, exStyle);
  if (!adjusted) return RECT{0, 0, 0, 0};
  return RECT{-frame.left, -frame.top, frame.right, frame.bottom};
}

}  // namespace morvane
