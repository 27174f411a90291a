// Text fields: real EDIT controls, subclassed so keys pass through the host notifications
// (a handler may discard a character) and a paste passes the field's own filter.
#include <windows.h>

#include <cstring>

#include "platform/win32/GdiSurface.h"
#include "platform/win32/Win32Accessible.h"
#include "platform/win32/Win32Peers.h"

namespace morvane {

class Win32EditPeer : public Win32ControlPeerBase {
 public:
  Win32EditPeer(Win32Toolkit& toolkit, Control& control) : Win32ControlPeerBase(toolkit, control) {
    DWORD style = WS_TABSTOP | ES_AUTOHSCROLL | (control.align() == Align::Center ? ES_CENTER : ES_LEFT);
    Rect b = ScaleToDpi(control.bounds(), dpi());
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (control.visible()) style |= WS_VISIBLE;
    if (!control.enabled()) style |= WS_DISABLED;
    hwnd_ = CreateWindowExA(0, "EDIT", control.text().c_str(), style, b.x, b.y, b.w, b.h, ParentHandle(control),
                            nullptr, toolkit.instance(), nullptr);
    if (!hwnd_) throw std::runtime_error("a text field could not be created");
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(static_cast<Win32Peer*>(this)));
    oldProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32EditPeer::EditProc)));
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle()), FALSE);
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
      case WM_GETOBJECT:
        if (auto answer = AnswerGetObject(hwnd_, wParam, lParam)) return *answer;
        break;
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

std::unique_ptr<ControlPeer> MakeEditPeer(Win32Toolkit& toolkit, Control& control) {
  return std::make_unique<Win32EditPeer>(toolkit, control);
}

}  // namespace morvane
