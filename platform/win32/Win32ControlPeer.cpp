// The part every child control's peer shares: creation, applying property changes,
// dispatching host notifications, the hand cursor and the tooltips; and the choice of peer.
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/GdiSurface.h"
#include "platform/win32/Win32Peers.h"
#include "platform/win32/WideText.h"

namespace morvane {

HWND ParentHandle(const Control& control) { return Win32Toolkit::HandleOf(control.owner()); }

namespace {

HCURSOR HandCursor(HINSTANCE instance) {
  static HCURSOR hand = nullptr;
  if (!hand) hand = LoadCursorW(instance, MAKEINTRESOURCEW(2));
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
  Rect b = control_.bounds();
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (control_.visible()) style |= WS_VISIBLE;
  if (!control_.enabled()) style |= WS_DISABLED;
  HWND created = CreateWindowExW(exStyle, className, Widen(control_.text()).c_str(), style, b.x, b.y, b.w, b.h,
                                 ParentHandle(control_), nullptr, toolkit_.instance(), static_cast<Win32Peer*>(this));
  if (!created) throw std::runtime_error("a control could not be created");
  hwnd_ = created;
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(*control_.font())), FALSE);
}

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
      break;
    case Prop::Visible:
      ShowWindow(hwnd_, control_.visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Prop::Enabled:
      EnableWindow(hwnd_, control_.enabled());
      InvalidateRect(hwnd_, nullptr, FALSE);
      break;
    case Prop::Bounds: {
      Rect b = control_.bounds();
      SetWindowPos(hwnd_, nullptr, b.x, b.y, b.w, b.h, SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case Prop::Font:
      SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(*control_.font())), TRUE);
      break;
    case Prop::Focus:
      SetFocus(hwnd_);
      break;
    case Prop::Tooltip:
      tooltipAdded_ = false;
      break;
    default:
      InvalidateRect(hwnd_, nullptr, FALSE);
      break;
  }
}

Point Win32ControlPeerBase::screenToClient(Point screen) {
  POINT p{screen.x, screen.y};
  ScreenToClient(hwnd_, &p);
  return {static_cast<int>(p.x), static_cast<int>(p.y)};
}

bool Win32ControlPeerBase::setCursor() {
  if (control_.cursor() != Cursor::Hand) return false;
  SetCursor(HandCursor(toolkit_.instance()));
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

// Text fields are real EDIT controls; everything else draws itself.
std::unique_ptr<ControlPeer> MakeControlPeer(Win32Toolkit& toolkit, Control& control) {
  if (control.kind() == Control::Kind::TextField) return MakeEditPeer(toolkit, control);
  return MakeDrawnPeer(toolkit, control);
}

}  // namespace morvane
