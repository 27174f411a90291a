// The part every child control's peer shares: creation, applying property changes,
// dispatching toolkit notifications, the hand cursor and the tooltips. Text fields are real
// EDIT controls (Win32EditPeer.cpp); every other kind paints itself (Win32PaintedPeer.h).
#include <windows.h>

#include <commctrl.h>

#include <map>

#include "backends/win32/Dpi.h"
#include "backends/win32/GdiSurface.h"
#include "backends/win32/UnitText.h"
#include "backends/win32/Win32Accessible.h"
#include "backends/win32/Win32Peers.h"
#include "backends/win32/WideText.h"

namespace morvane {

HWND ParentHandle(const Control& control) { return Win32Toolkit::HandleOf(control.owner()); }

namespace {

// At the system's cursor size for the window's dpi: the cursor file holds the hand in
// several sizes, and the nearest is scaled to fit.
HCURSOR HandCursor(HINSTANCE instance, int dpi) {
  static std::map<int, HCURSOR> hands;
  const int size = CursorSizeFor(dpi);
  HCURSOR& hand = hands[size];
  if (!hand) hand = static_cast<HCURSOR>(LoadImageW(instance, MAKEINTRESOURCEW(2), IMAGE_CURSOR, size, size, 0));
  if (!hand) hand = LoadCursor(nullptr, IDC_HAND);
  return hand;
}

}  // namespace

// As for windows: let go first, so no message of the destruction reaches this peer.
Win32ControlPeerBase::~Win32ControlPeerBase() {
  if (hwnd_) {
    HWND hwnd = hwnd_;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
  }
}

void Win32ControlPeerBase::create(const wchar_t* className, DWORD style, DWORD exStyle) {
  Rect b = ScaleToDpi(control_.bounds(), dpi());
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (control_.visible()) style |= WS_VISIBLE;
  if (!control_.enabled()) style |= WS_DISABLED;
  HWND created = CreateWindowExW(exStyle, className, Widen(control_.text()).c_str(), style, b.x, b.y, b.w, b.h,
                                 ParentHandle(control_), nullptr, toolkit_.instance(), static_cast<Win32Peer*>(this));
  if (!created) throw std::runtime_error("a control could not be created");
  hwnd_ = created;
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle()), FALSE);
  loadCursor();
}

// The hand is loaded when a control is given it, not on the first hover, so what the program
// holds does not depend on where the pointer has been. Once loaded, a size is kept for good.
void Win32ControlPeerBase::loadCursor() {
  if (control_.cursor() == Cursor::Hand) HandCursor(toolkit_.instance(), dpi());
}

HFONT Win32ControlPeerBase::fontHandle() const { return FontHandleForDpi(*control_.font(), dpi()); }

bool Win32ControlPeerBase::dispatch(const std::function<void()>& notify) {
  auto watch = alive_.watch();
  toolkit_.dispatch(notify);
  return StillAlive(watch);
}

void Win32ControlPeerBase::apply(Prop what) {
  switch (what) {
    case Prop::Text:
      SetWindowTextW(hwnd_, Widen(control_.text()).c_str());
      InvalidateRect(hwnd_, nullptr, FALSE);
      NotifyNameChanged(hwnd_);
      break;
    case Prop::Visible:
      ShowWindow(hwnd_, control_.visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Prop::Enabled:
      EnableWindow(hwnd_, control_.enabled());
      InvalidateRect(hwnd_, nullptr, FALSE);
      NotifyStateChanged(hwnd_);
      break;
    case Prop::Checked:
      NotifyStateChanged(hwnd_);
      break;
    case Prop::Bounds: {
      Rect b = ScaleToDpi(control_.bounds(), dpi());
      SetWindowPos(hwnd_, nullptr, b.x, b.y, b.w, b.h, SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case Prop::Font:
      SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle()), TRUE);
      break;
    case Prop::Focus:
      SetFocus(hwnd_);
      break;
    case Prop::Tooltip:
      tooltipAdded_ = false;
      break;
    case Prop::Cursor:
      loadCursor();
      break;
    default:
      InvalidateRect(hwnd_, nullptr, FALSE);
      break;
  }
}

Point Win32ControlPeerBase::screenToClient(Point screen) {
  POINT p{ScaleToDpi(screen.x, ScreenDpi()), ScaleToDpi(screen.y, ScreenDpi())};
  ScreenToClient(hwnd_, &p);
  return {UnscaleFromDpi(static_cast<int>(p.x), dpi()), UnscaleFromDpi(static_cast<int>(p.y), dpi())};
}

bool Win32ControlPeerBase::setCursor() {
  if (control_.cursor() != Cursor::Hand) return false;
  SetCursor(HandCursor(toolkit_.instance(), dpi()));
  return true;
}

// A control's tip is registered when the pointer first comes over it, and from then on the
// pointer's messages are relayed to it: the tip control does not subclass the control.
void Win32ControlPeerBase::relayToTooltip(UINT message, WPARAM wParam, LPARAM lParam) {
  if (control_.tooltip().empty() || (!tooltipAdded_ && message != WM_MOUSEMOVE)) return;
  auto* owner = dynamic_cast<Win32WindowPeer*>(control_.owner().peer());
  HWND tips = owner ? owner->tooltips() : nullptr;
  if (!tips) return;
  if (!tooltipAdded_) {
    std::wstring text = Widen(control_.tooltip());  // the tip keeps a copy of its own
    TOOLINFOW info{};
    info.cbSize = sizeof info;
    info.uFlags = TTF_IDISHWND;
    info.hwnd = owner->hwnd();
    info.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    info.lpszText = text.data();
    SendMessageW(tips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    tooltipAdded_ = true;
  }
  MSG msg{hwnd_, message, wParam, lParam, 0, {}};
  SendMessageW(tips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace morvane
