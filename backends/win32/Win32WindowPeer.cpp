// Top-level windows: created hidden at load, painted from their face through a back buffer,
// and pushing pointer, key, activation, focus and close messages to the toolkit as neutral
// input; moves and sizes follow into the window's bounds.
#include <windows.h>

#include <commctrl.h>

#include <optional>

#include "backends/win32/Dpi.h"
#include "backends/win32/GdiSurface.h"
#include "backends/win32/SystemLibrary.h"
#include "backends/win32/Win32Peers.h"
#include "backends/win32/WideText.h"
#include "toolkit/TextField.h"

namespace morvane {

namespace {

// What the system tells every top-level window is handed on through the window's own queue,
// as a posted message: the program may answer with a modal message, which must not run
// inside the system's broadcast.
constexpr UINT kSystemEventMessage = WM_APP + 2;

// PBT_APMRESUMEAUTOMATIC comes on every resume; PBT_APMRESUMESUSPEND follows it when a person
// woke the computer.
std::optional<SystemEvent> PowerEventOf(WPARAM event) {
  if (event == PBT_APMRESUMEAUTOMATIC) return SystemEvent::Resumed;
  if (event == PBT_APMRESUMESUSPEND) return SystemEvent::ResumedByPerson;
  return std::nullopt;
}

}  // namespace

// Made at the screen's dpi; a window that opens on a screen of another dpi is sized again
// for it at once.
Win32WindowPeer::Win32WindowPeer(Win32Toolkit& toolkit, Window& window)
    : toolkit_(toolkit), window_(window), dpi_(ScreenDpi()) {
  style_ = WS_POPUP | WS_CLIPCHILDREN;
  if (window.border() == Window::Border::Single) style_ |= WS_BORDER;
  RECT r = pixelRect(window.bounds());
  CreateWindowExW(0, Win32Toolkit::kWindowClass, Widen(window.caption()).c_str(), style_, r.left, r.top,
                  r.right - r.left, r.bottom - r.top, nullptr, nullptr, toolkit.instance(),
                  static_cast<Win32Peer*>(this));
  if (!hwnd_) throw std::runtime_error("the window could not be created");
  if (int dpi = WindowDpi(hwnd_); dpi != dpi_) {
    dpi_ = dpi;
    apply(Prop::Bounds);
  }
}

// The window is let go of before it is destroyed: the messages of its destruction (which
// Wine can stretch over seconds while it waits for the X server) go to the default procedure
// rather than to a peer that is being taken apart.
Win32WindowPeer::~Win32WindowPeer() {
  if (tooltips_) DestroyWindow(tooltips_);
  if (hwnd_) {
    HWND hwnd = hwnd_;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
  }
}

void Win32WindowPeer::apply(Prop what) {
  switch (what) {
    case Prop::Visible:
      ShowWindow(hwnd_, window_.visible() ? SW_SHOW : SW_HIDE);
      break;
    case Prop::Enabled:
      EnableWindow(hwnd_, window_.inputEnabled());
      break;
    case Prop::Bounds: {
      RECT r = pixelRect(window_.bounds());
      SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case Prop::Face:
      RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
      break;
    default:
      break;
  }
}

// The window's place is in the screen's units and its client area in its own; a frame is
// one unit wide in the portable window and as wide as the system draws it here.
RECT Win32WindowPeer::pixelRect(Rect bounds) const {
  const int unitFrame = window_.border() == Window::Border::Single ? 1 : 0;
  const RECT frame = FrameFor(style_, 0, dpi_);
  const int left = ScaleToDpi(bounds.x, ScreenDpi());
  const int top = ScaleToDpi(bounds.y, ScreenDpi());
  const int width = ScaleToDpi(bounds.w - 2 * unitFrame, dpi_) + frame.left + frame.right;
  const int height = ScaleToDpi(bounds.h - 2 * unitFrame, dpi_) + frame.top + frame.bottom;
  return {left, top, left + width, top + height};
}

Rect Win32WindowPeer::unitRect(RECT pixels) const {
  const int unitFrame = window_.border() == Window::Border::Single ? 1 : 0;
  const RECT frame = FrameFor(style_, 0, dpi_);
  const int clientWidth = pixels.right - pixels.left - frame.left - frame.right;
  const int clientHeight = pixels.bottom - pixels.top - frame.top - frame.bottom;
  return {UnscaleFromDpi(static_cast<int>(pixels.left), ScreenDpi()),
          UnscaleFromDpi(static_cast<int>(pixels.top), ScreenDpi()),
          UnscaleFromDpi(clientWidth, dpi_) + 2 * unitFrame, UnscaleFromDpi(clientHeight, dpi_) + 2 * unitFrame};
}

// Moved to a screen of another dpi, or its screen given another scale: the system suggests
// where the window goes; its size, its controls, their fonts and faces are made again for
// the new dpi. On the primary screen the new dpi is the screen's, which positions follow.
void Win32WindowPeer::dpiChanged(int dpi, const RECT& suggested) {
  dpi_ = dpi;
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (GetMonitorInfoW(MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST), &monitor) &&
      (monitor.dwFlags & MONITORINFOF_PRIMARY)) {
    PrimaryScreenDpiChanged(dpi);
  }
  RECT r = pixelRect(window_.bounds());
  SetWindowPos(hwnd_, nullptr, suggested.left, suggested.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
  auto watch = alive_.watch();
  for (Control* control : window_.controls()) {
    if (ControlPeer* peer = control->peer()) {
      peer->apply(Prop::Bounds);
      peer->apply(Prop::Font);
    }
    toolkit_.dispatch([control] { control->resized(); });
    if (!StillAlive(watch)) return;
  }
  RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Win32WindowPeer::makeTopmost() { SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

// The system's own move loop drags a window without a title bar as if its caption had
// been grabbed; SendMessage returns when the button is released.
void Win32WindowPeer::beginSystemDrag() {
  ReleaseCapture();
  SendMessageW(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

// The window was the active one of this thread (a closing dialog's), so it may hand
// activation on within the thread.
void Win32WindowPeer::activate() { SetActiveWindow(hwnd_); }

void Win32WindowPeer::focusSelf() { SetFocus(hwnd_); }

namespace {

// The common controls are loaded the first time a tooltip is wanted, not at start, and
// only from the system folder.
bool LoadCommonControls() {
  static const bool loaded = [] {
    using InitFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    auto init = LibraryFunction<InitFn>(LoadSystemLibrary(L"comctl32.dll"), "InitCommonControlsEx");
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
    return init && init(&icc);
  }();
  return loaded;
}

}  // namespace

HWND Win32WindowPeer::tooltips() {
  // Ownerless: a topmost popup owned by the window would take the window's own topmost
  // request for itself (Wine places the owned popup first and the owner after it).
  if (!tooltips_ && LoadCommonControls()) {
    tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, toolkit_.instance(),
                                nullptr);
  }
  return tooltips_;
}

void Win32WindowPeer::paint() {
  PaintThroughBackBuffer(hwnd_, [this](BitmapSurface& back, RECT client) {
    back.surface().fill({0, 0, client.right, client.bottom}, window_.backColor());
    ScaledSurface units(back.surface(), dpi_, {0, 0},
                        {UnscaleFromDpi(static_cast<int>(client.right), dpi_),
                         UnscaleFromDpi(static_cast<int>(client.bottom), dpi_)});
    if (window_.hasFace()) window_.paintFace(units);
  });
}

LRESULT Win32WindowPeer::handle(UINT message, WPARAM wParam, LPARAM lParam) {
  if (auto answer = AnswerDrawnMessage(toolkit_, window_, hwnd_, message, wParam, lParam, [this] { paint(); })) {
    return *answer;
  }
  switch (message) {
    case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_CHAR: case WM_SYSCHAR: case WM_KEYUP: case WM_SYSKEYUP:
      // Keys reach the window itself only while none of its controls has the keyboard.
      return DefaultKeyMessage(toolkit_, window_, hwnd_, alive_, message, wParam, lParam);
    // The toolkit places the focus: the default procedure would put it on the window itself.
    case WM_ACTIVATE:
      toolkit_.input().activationChanged(window_, ActivationOf(wParam));
      return 0;
    case WM_SETFOCUS:
      toolkit_.input().focusChanged(window_, nullptr, true);
      return 0;
    case WM_SETTINGCHANGE:
      toolkit_.readDoubleClick();
      break;
    case WM_POWERBROADCAST:
      if (std::optional<SystemEvent> event = PowerEventOf(wParam)) {
        PostMessageW(hwnd_, kSystemEventMessage, static_cast<WPARAM>(*event), 0);
      }
      return TRUE;
    // Sent when the clock is set and when the time zone changes.
    case WM_TIMECHANGE:
      PostMessageW(hwnd_, kSystemEventMessage, static_cast<WPARAM>(SystemEvent::ClockChanged), 0);
      return 0;
    case kSystemEventMessage:
      toolkit_.systemEvent(static_cast<SystemEvent>(wParam));
      return 0;
    case WM_CLOSE:
      toolkit_.input().closeRequested(window_);
      return 0;
    case WM_WINDOWPOSCHANGED: {
      RECT r;
      GetWindowRect(hwnd_, &r);
      window_.movedBySystem(unitRect(r));
      break;
    }
    case WM_DPICHANGED:
      dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_TIMER:
      toolkit_.tick(wParam);
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == EN_CHANGE && lParam) {
        auto* peer = dynamic_cast<Win32ControlPeerBase*>(
            reinterpret_cast<Win32Peer*>(GetWindowLongPtrW(reinterpret_cast<HWND>(lParam), GWLP_USERDATA)));
        if (auto* field = peer ? dynamic_cast<TextField*>(&peer->control()) : nullptr) {
          wchar_t text[256] = {};
          GetWindowTextW(peer->handleOf(), text, 256);
          field->textEdited(Narrow(text));
        }
      }
      return 0;
    case WM_CTLCOLOREDIT: case WM_CTLCOLORSTATIC: {
      auto* peer = dynamic_cast<Win32ControlPeerBase*>(
          reinterpret_cast<Win32Peer*>(GetWindowLongPtrW(reinterpret_cast<HWND>(lParam), GWLP_USERDATA)));
      auto* field = peer ? dynamic_cast<TextField*>(&peer->control()) : nullptr;
      if (!field) break;
      static HBRUSH brush = nullptr;
      static COLORREF brushColour = CLR_INVALID;
      const COLORREF back = ColorRef(field->backColor());
      if (!brush || brushColour != back) {
        if (brush) DeleteObject(brush);
        brush = CreateSolidBrush(back);
        brushColour = back;
      }
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetBkColor(dc, back);
      SetTextColor(dc, ColorRef(peer->control().foreColor()));
      return reinterpret_cast<LRESULT>(brush);
    }
    default:
      break;
  }
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

}  // namespace morvane
