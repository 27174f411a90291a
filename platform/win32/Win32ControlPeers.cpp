// Child controls. Labels, lines, pictures and the custom button are windows of our own
// classes that paint themselves; text fields are real EDIT controls, subclassed for keys.
// Every one is a real child window whose text is its caption, so the bar can be inspected.
#include <windows.h>

#include <commctrl.h>

#include "platform/OffsetSurface.h"
#include "platform/win32/GdiSurface.h"
#include "platform/win32/Win32Peers.h"

namespace morvane {

namespace {

HWND ParentHandle(const Control& control) { return Win32Toolkit::HandleOf(control.owner()); }

HCURSOR HandCursor(HINSTANCE instance) {
  static HCURSOR hand = nullptr;
  if (!hand) hand = LoadCursorA(instance, MAKEINTRESOURCEA(2));
  if (!hand) hand = LoadCursor(nullptr, IDC_HAND);
  return hand;
}

}  // namespace

// ---- Shared ----------------------------------------------------------------------------

// As for windows: let go first, so no message of the destruction reaches this peer.
Win32ControlPeerBase::~Win32ControlPeerBase() {
  if (hwnd_) {
    HWND hwnd = hwnd_;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    DestroyWindow(hwnd);
  }
}

void Win32ControlPeerBase::create(const char* className, DWORD style, DWORD exStyle) {
  Rect b = control_.bounds();
  style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (control_.visible()) style |= WS_VISIBLE;
  if (!control_.enabled()) style |= WS_DISABLED;
  HWND created = CreateWindowExA(exStyle, className, control_.text().c_str(), style, b.x, b.y, b.w, b.h,
                                 ParentHandle(control_), nullptr, toolkit_.instance(), static_cast<Win32Peer*>(this));
  if (!created) throw std::runtime_error("a control could not be created");
  hwnd_ = created;
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(*control_.font())), FALSE);
}

bool Win32ControlPeerBase::dispatch(const std::function<void()>& notify) {
  auto watch = alive_.watch();
  toolkit_.dispatch(notify);
  return StillAlive(watch);
}

void Win32ControlPeerBase::apply(Prop what) {
  switch (what) {
    case Prop::Text:
      SetWindowTextA(hwnd_, control_.text().c_str());
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
      SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(*control_.font())), TRUE);
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

// A control's tip is registered when the pointer first comes over it, and this first move
// is relayed so the tip starts its delay now; later moves reach it through the subclass.
void Win32ControlPeerBase::hovered(UINT message, WPARAM wParam, LPARAM lParam) {
  if (tooltipAdded_ || control_.tooltip().empty()) return;
  auto* owner = dynamic_cast<Win32WindowPeer*>(control_.owner().peer());
  HWND tips = owner ? owner->tooltips() : nullptr;
  if (!tips) return;
  TOOLINFOA info{};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = owner->hwnd();
  info.uId = reinterpret_cast<UINT_PTR>(hwnd_);
  info.lpszText = const_cast<char*>(control_.tooltip().c_str());
  SendMessageA(tips, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  tooltipAdded_ = true;
  MSG msg{hwnd_, message, wParam, lParam, 0, {}};
  SendMessageA(tips, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

// ---- Self-drawn controls ---------------------------------------------------------------

class Win32DrawnPeer : public Win32ControlPeerBase {
 public:
  Win32DrawnPeer(Win32Toolkit& toolkit, Control& control) : Win32ControlPeerBase(toolkit, control) {
    const char* cls = Win32Toolkit::kLabelClass;
    switch (control.kind()) {
      case Control::Kind::Line: cls = Win32Toolkit::kLineClass; break;
      case Control::Kind::Picture: cls = Win32Toolkit::kPictureClass; break;
      case Control::Kind::Custom: cls = Win32Toolkit::kButtonClass; break;
      default: break;
    }
    if (control.kind() == Control::Kind::Custom) resizeFace();
    create(cls, 0);
  }

  Surface* surface() override { return face_ ? &face_->surface() : nullptr; }
  void present() override { InvalidateRect(hwnd_, nullptr, FALSE); }

  void apply(Prop what) override {
    if (what == Prop::Bounds && control_.kind() == Control::Kind::Custom) resizeFace();
    Win32ControlPeerBase::apply(what);
  }

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_PAINT:
        paint();
        return 0;
      case WM_ERASEBKGND:
        return 1;
      case WM_SETCURSOR:
        if (setCursor()) return TRUE;
        break;
      case WM_MOUSEMOVE: case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
      case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
        return mouse(message, wParam, lParam);
      case WM_KEYDOWN: case WM_KEYUP: {
        int code = static_cast<int>(wParam), shift = ShiftMask();
        Control* c = &control_;
        if (message == WM_KEYDOWN) dispatch([&] { c->hostKeyDown(code, shift); });
        else dispatch([&] { c->hostKeyUp(code, shift); });
        return 0;
      }
      case WM_CHAR: {
        int ascii = static_cast<int>(wParam);
        Control* c = &control_;
        dispatch([&] { c->hostKeyPress(ascii); });
        return 0;
      }
      case WM_SETFOCUS: case WM_KILLFOCUS:
        control_.hostFocusChanged(message == WM_SETFOCUS);
        return 0;
      case WM_GETDLGCODE:
        return DLGC_WANTCHARS;
      default:
        break;
    }
    return DefWindowProcA(hwnd_, message, wParam, lParam);
  }

 private:
  void resizeFace() {
    Rect b = control_.bounds();
    if (face_ && face_->width() == b.w && face_->height() == b.h) return;
    face_ = std::make_unique<BitmapSurface>(b.w, b.h);
    face_->surface().fill({0, 0, b.w, b.h}, control_.owner().backColor());
  }

  // Labels and lines show the window's face around their text, like transparent labels.
  void paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client;
    GetClientRect(hwnd_, &client);
    try {
      BitmapSurface back(client.right, client.bottom);
      GdiSurface& s = back.surface();
      Rect b = control_.bounds();
      Window& owner = control_.owner();
      switch (control_.kind()) {
        case Control::Kind::Line:
          s.fill({0, 0, client.right, client.bottom}, control_.foreColor());
          break;
        case Control::Kind::Picture:
          s.fill({0, 0, client.right, client.bottom}, owner.backColor());
          if (control_.face) control_.face(s);
          break;
        case Control::Kind::Custom:
          if (face_) face_->copyTo(back.dc(), 0, 0);
          s.text(control_.textOrigin(), control_.text(), *control_.font(), control_.foreColor());
          break;
        default: {
          s.fill({0, 0, client.right, client.bottom}, owner.backColor());
          if (owner.face) {
            OffsetSurface under(s, {b.x, b.y}, {b.w, b.h});
            owner.face(under);
          }
          drawLabelText(back.dc(), client);
          break;
        }
      }
      back.copyTo(dc, 0, 0);
    } catch (...) {
      // Out of GDI memory: skip this paint.
    }
    EndPaint(hwnd_, &ps);
  }

  void drawLabelText(HDC dc, RECT client) {
    HGDIOBJ old = SelectObject(dc, FontHandle(*control_.font()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, control_.foreColor());
    UINT format = DT_NOPREFIX | DT_WORDBREAK | (control_.align() == Align::Center ? DT_CENTER : DT_LEFT);
    DrawTextA(dc, control_.text().c_str(), static_cast<int>(control_.text().size()), &client, format);
    SelectObject(dc, old);
  }

  LRESULT mouse(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEMOVE) hovered(message, wParam, lParam);
    // Buttons take the focus when pressed, as push buttons do.
    bool press = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
    if (press && control_.kind() == Control::Kind::Custom && GetFocus() != hwnd_) SetFocus(hwnd_);
    DeliverMouse(hwnd_, message, wParam, lParam, &control_, leftPressed_,
                 [this](const std::function<void()>& notify) { return dispatch(notify); });
    return 0;
  }

  std::unique_ptr<BitmapSurface> face_;
  bool leftPressed_ = false;
};

// ---- Text fields -----------------------------------------------------------------------

class Win32EditPeer : public Win32ControlPeerBase {
 public:
  Win32EditPeer(Win32Toolkit& toolkit, Control& control) : Win32ControlPeerBase(toolkit, control) {
    DWORD style = WS_TABSTOP | ES_AUTOHSCROLL | (control.align() == Align::Center ? ES_CENTER : ES_LEFT);
    Rect b = control.bounds();
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (control.visible()) style |= WS_VISIBLE;
    if (!control.enabled()) style |= WS_DISABLED;
    hwnd_ = CreateWindowExA(0, "EDIT", control.text().c_str(), style, b.x, b.y, b.w, b.h, ParentHandle(control),
                            nullptr, toolkit.instance(), nullptr);
    if (!hwnd_) throw std::runtime_error("a text field could not be created");
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(static_cast<Win32Peer*>(this)));
    oldProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32EditPeer::EditProc)));
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle(*control.font())), FALSE);
    if (control.maxLength() > 0) SendMessageA(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(control.maxLength()), 0);
  }

  ~Win32EditPeer() override {
    if (hwnd_) {
      SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
      SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    }
  }

  void apply(Prop what) override {
    switch (what) {
      case Prop::MaxLength:
        SendMessageA(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(control_.maxLength()), 0);
        break;
      case Prop::Selection:
        SendMessageA(hwnd_, EM_SETSEL, static_cast<WPARAM>(control_.selStart()),
                     static_cast<LPARAM>(control_.selStart() + control_.selLength()));
        break;
      case Prop::Text:
        SetWindowTextA(hwnd_, control_.text().c_str());
        break;
      default:
        Win32ControlPeerBase::apply(what);
        break;
    }
  }

  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override {
    Control* c = &control_;
    switch (message) {
      case WM_KEYDOWN: {
        int code = static_cast<int>(wParam), shift = ShiftMask();
        if (!dispatch([&] { c->hostKeyDown(code, shift); })) return 0;
        if (code == 0) return 0;
        return CallWindowProcA(oldProc_, hwnd_, message, static_cast<WPARAM>(code), lParam);
      }
      case WM_CHAR: {
        int ascii = static_cast<int>(wParam);
        if (!dispatch([&] { c->hostKeyPress(ascii); })) return 0;
        if (ascii == 0) return 0;
        LRESULT r = CallWindowProcA(oldProc_, hwnd_, message, static_cast<WPARAM>(ascii), lParam);
        syncSelection();
        return r;
      }
      case WM_KEYUP: {
        LRESULT r = CallWindowProcA(oldProc_, hwnd_, message, wParam, lParam);
        syncSelection();
        int code = static_cast<int>(wParam), shift = ShiftMask();
        dispatch([&] { c->hostKeyUp(code, shift); });
        return r;
      }
      case WM_PASTE:
        paste();
        return 0;
      case WM_MOUSEMOVE:
        hovered(message, wParam, lParam);
        break;
      case WM_SETFOCUS: case WM_KILLFOCUS:
        control_.hostFocusChanged(message == WM_SETFOCUS);
        break;
      case WM_LBUTTONUP: {
        LRESULT r = CallWindowProcA(oldProc_, hwnd_, message, wParam, lParam);
        syncSelection();
        return r;
      }
      default:
        break;
    }
    return CallWindowProcA(oldProc_, hwnd_, message, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* peer = dynamic_cast<Win32EditPeer*>(reinterpret_cast<Win32Peer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)));
    if (!peer) return DefWindowProcA(hwnd, message, wParam, lParam);
    return peer->handle(message, wParam, lParam);
  }

  void syncSelection() {
    DWORD start = 0, end = 0;
    SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    control_.hostSelectionChanged(static_cast<int>(start), static_cast<int>(end - start));
  }

  // Pasted text passes the field's own filter before it goes in.
  void paste() {
    std::string text;
    if (OpenClipboard(hwnd_)) {
      if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* chars = static_cast<const char*>(GlobalLock(data))) {
          text.assign(chars, strnlen(chars, 4096));
          GlobalUnlock(data);
        }
      }
      CloseClipboard();
    }
    Control* c = &control_;
    if (control_.Paste && !dispatch([&] { c->Paste(text); })) return;
    SendMessageA(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    syncSelection();
  }

  WNDPROC oldProc_ = nullptr;
};

std::unique_ptr<ControlPeer> MakeControlPeer(Win32Toolkit& toolkit, Control& control) {
  if (control.kind() == Control::Kind::TextField) return std::make_unique<Win32EditPeer>(toolkit, control);
  return std::make_unique<Win32DrawnPeer>(toolkit, control);
}

}  // namespace morvane
