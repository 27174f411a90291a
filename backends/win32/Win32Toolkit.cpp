// Window classes, the one window procedure, timers and the message loops.
#include "backends/win32/Win32Toolkit.h"

#include <windows.h>

#include <commctrl.h>

#include <cctype>

#include "platform/DpiScale.h"
#include "backends/win32/Dpi.h"
#include "backends/win32/GdiSurface.h"
#include "backends/win32/UnitText.h"
#include "backends/win32/Win32Peers.h"
#include "backends/win32/WideText.h"

namespace morvane {

namespace {

void RegisterClass(HINSTANCE instance, const wchar_t* name, UINT style, HCURSOR cursor) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = Win32Toolkit::WindowProc;
  wc.hInstance = instance;
  wc.hCursor = cursor;
  wc.hbrBackground = nullptr;  // every window paints its own face
  wc.lpszClassName = name;
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  RegisterClassExW(&wc);
}

}  // namespace

Win32Toolkit::Win32Toolkit(HINSTANCE instance) : instance_(instance) {
  HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
  RegisterClass(instance, kWindowClass, 0, arrow);
  RegisterClass(instance, kLabelClass, 0, arrow);
  RegisterClass(instance, kLineClass, 0, arrow);
  RegisterClass(instance, kPictureClass, 0, arrow);
  RegisterClass(instance, kButtonClass, 0, arrow);
  readDoubleClick();
}

void Win32Toolkit::readDoubleClick() {
  input().setDoubleClick(static_cast<int>(GetDoubleClickTime()),
                         {GetSystemMetrics(SM_CXDOUBLECLK), GetSystemMetrics(SM_CYDOUBLECLK)});
}

LRESULT CALLBACK Win32Toolkit::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* peer = static_cast<Win32Peer*>(create->lpCreateParams);
    peer->bind(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(peer));
  }
  auto* peer = reinterpret_cast<Win32Peer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (peer) peer->bind(nullptr);
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  // Until an object is bound (messages before WM_NCCREATE), the default procedure answers.
  if (!peer) return DefWindowProcW(hwnd, message, wParam, lParam);
  return peer->handle(message, wParam, lParam);
}

std::unique_ptr<WindowPeer> Win32Toolkit::createPeer(Window& window) {
  return std::make_unique<Win32WindowPeer>(*this, window);
}

HWND Win32Toolkit::HandleOf(const Window& window) {
  auto* peer = dynamic_cast<Win32WindowPeer*>(window.peer());
  return peer ? peer->hwnd() : nullptr;
}

int Win32Toolkit::DpiOf(const Window& window) {
  auto* peer = dynamic_cast<Win32WindowPeer*>(window.peer());
  return peer ? peer->dpi() : ScreenDpi();
}

HWND Win32Toolkit::HandleOf(const Control& control) {
  auto* peer = dynamic_cast<Win32ControlPeerBase*>(control.peer());
  return peer ? peer->handleOf() : nullptr;
}

// ---- Timers ----------------------------------------------------------------------------

class Win32TimerPeer : public TimerPeer {
 public:
  Win32TimerPeer(Win32Toolkit& toolkit, Timer& timer) : toolkit_(toolkit), timer_(timer), id_(toolkit.addTimer(timer)) {
    apply();
  }
  ~Win32TimerPeer() override {
    if (HWND owner = Win32Toolkit::HandleOf(timer_.owner())) KillTimer(owner, id_);
    toolkit_.removeTimer(id_);
  }
  // SetTimer on a running timer starts its interval afresh, as enabling a timer does. It
  // answers zero when the system has no timer left to give.
  bool apply() override {
    HWND owner = Win32Toolkit::HandleOf(timer_.owner());
    if (!owner) return true;
    if (!timer_.running()) {
      KillTimer(owner, id_);
      return true;
    }
    return SetTimer(owner, id_, static_cast<UINT>(timer_.interval()), nullptr) != 0;
  }

 private:
  Win32Toolkit& toolkit_;
  Timer& timer_;
  UINT_PTR id_;
};

std::unique_ptr<TimerPeer> Win32Toolkit::createPeer(Timer& timer) {
  return std::make_unique<Win32TimerPeer>(*this, timer);
}

UINT_PTR Win32Toolkit::addTimer(Timer& timer) {
  UINT_PTR id = nextTimerId_++;
  timers_[id] = &timer;
  return id;
}

void Win32Toolkit::removeTimer(UINT_PTR id) { timers_.erase(id); }

void Win32Toolkit::tick(UINT_PTR id) {
  auto it = timers_.find(id);
  if (it == timers_.end()) return;
  Timer* timer = it->second;
  dispatch([timer] { timer->elapsed(); });
}

// GetMessageTime stamps input with the low 32 bits of GetTickCount, and so does this.
std::int64_t Win32Toolkit::inputTimeMs() { return static_cast<std::int64_t>(static_cast<DWORD>(GetTickCount())); }

// ---- Text ------------------------------------------------------------------------------

// In units, as laid out at 96 dpi whatever the screen: at another dpi each character is
// drawn where that layout puts it.
Size Win32Toolkit::measureText(const Font& font, std::string_view text) {
  if (SystemDpi() != kUnitDpi) return UnitTextSize(font, text);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, FontHandle(font));
  SIZE size{};
  const std::wstring wide = Widen(text);
  GetTextExtentPoint32W(dc, wide.c_str(), static_cast<int>(wide.size()), &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return {static_cast<int>(size.cx), static_cast<int>(metrics.tmHeight)};
}

// ---- Message loops ---------------------------------------------------------------------

void Win32Toolkit::pump(MSG& msg) {
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  releaseRetired();
}

void Win32Toolkit::run() {
  MSG msg;
  while (loadedWindowCount() > 0 && GetMessageW(&msg, nullptr, 0, 0) > 0) pump(msg);
}

// The toolkit keeps the other windows from input while the dialog is up; timers keep
// running because this loop dispatches their messages too.
void Win32Toolkit::runModal(Window& window) {
  window.show();
  MSG msg;
  while (window.loaded() && window.visible()) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    pump(msg);
  }
}

}  // namespace morvane
