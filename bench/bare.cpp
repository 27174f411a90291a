// The yardstick for bench/run: a bare Win32 program that opens a 255 x 43 borderless,
// always-on-top window titled "Bare" at the top edge of the screen, centred like the bar,
// and runs a message loop. It does nothing else.
#include <windows.h>

namespace {

LRESULT CALLBACK BareProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = BareProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "Bare.Window";
  if (!RegisterClassA(&wc)) return 1;

  const int width = 255, height = 43;
  const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  HWND hwnd = CreateWindowExA(WS_EX_TOPMOST, wc.lpszClassName, "Bare", WS_POPUP, left, 0, width, height, nullptr,
                              nullptr, instance, nullptr);
  if (!hwnd) return 1;
  ShowWindow(hwnd, SW_SHOWNORMAL);
  UpdateWindow(hwnd);

  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return static_cast<int>(msg.wParam);
}
