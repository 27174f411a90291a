// Text fields: real EDIT controls (the system's class, subclassed) whose keys and pointer
// go to the toolkit as neutral input, so a handler may discard a character, and whose paste
// passes the field's own filter.
#include <windows.h>

#include <algorithm>
#include <cwchar>

#include "backends/win32/GdiSurface.h"
#include "backends/win32/Win32Accessible.h"
#include "backends/win32/Win32Peers.h"
#include "backends/win32/WideText.h"
#include "toolkit/TextField.h"

namespace morvane {

class Win32EditPeer : public Win32ControlPeerBase {
 public:
  Win32EditPeer(Win32Toolkit& toolkit, TextField& field) : Win32ControlPeerBase(toolkit, field), field_(field) {
    // The system's class ignores the creation parameter, so the peer is bound here.
    create(L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | (field.align() == Align::Center ? ES_CENTER : ES_LEFT));
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(static_cast<Win32Peer*>(this)));
    oldProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Win32EditPeer::EditProc)));
    if (field.maxLength() > 0) SendMessageW(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(field.maxLength()), 0);
  }

  ~Win32EditPeer() override {
    if (hwnd_) {
      SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
      SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    }
  }

  void apply(Prop what) override {
    switch (what) {
      case Prop::MaxLength:
        SendMessageW(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(field_.maxLength()), 0);
        break;
      case Prop::Selection: {
        // The toolkit counts bytes of UTF-8, the control UTF-16 units.
        const std::string_view text = field_.text();
        const auto units = [&](int bytes) { return Widen(text.substr(0, static_cast<std::size_t>(bytes))).size(); };
        SendMessageW(hwnd_, EM_SETSEL, static_cast<WPARAM>(units(field_.selStart())),
                     static_cast<LPARAM>(units(field_.selStart() + field_.selLength())));
        break;
      }
      case Prop::Text:
        SetWindowTextW(hwnd_, Widen(control_.text()).c_str());
        break;
      default:
        Win32ControlPeerBase::apply(what);
        break;
    }
  }

  // The edit control keeps its own caret, selection and typing; the program's keys and the
  // pointer go through the toolkit first (keys) or after the control (the pointer, so the
  // control has placed its caret and taken its own capture).
  LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override {
    HWND hwnd = hwnd_;
    WNDPROC editProc = oldProc_;
    auto watch = alive_.watch();
    Window& window = control_.owner();
    if (IsPointerMessage(message)) {
      relayToTooltip(message, wParam, lParam);
      LRESULT r = CallWindowProcW(editProc, hwnd, message, wParam, lParam);
      if (!StillAlive(watch)) return r;
      if (message == WM_LBUTTONUP) syncSelection();
      PushPointer(toolkit_, window, hwnd, message, wParam, lParam, false);
      return r;
    }
    switch (message) {
      case WM_KEYDOWN: case WM_SYSKEYDOWN: case WM_CHAR: case WM_SYSCHAR: {
        if (PushKey(toolkit_, window, message, wParam) == KeyResult::Handled || !StillAlive(watch)) return 0;
        LRESULT r = CallWindowProcW(editProc, hwnd, message, wParam, lParam);
        if (StillAlive(watch)) syncSelection();
        return r;
      }
      case WM_KEYUP: case WM_SYSKEYUP: {
        LRESULT r = CallWindowProcW(editProc, hwnd, message, wParam, lParam);
        if (!StillAlive(watch)) return r;
        syncSelection();
        PushKeyUp(toolkit_, window, message, wParam);
        return r;
      }
      case WM_PASTE:
        paste();
        return 0;
      case WM_GETOBJECT:
        if (auto answer = AnswerGetObject(hwnd_, wParam, lParam)) return *answer;
        break;
      case WM_SETFOCUS: case WM_KILLFOCUS:
        toolkit_.input().focusChanged(window, &control_, message == WM_SETFOCUS);
        if (!StillAlive(watch)) return 0;
        break;
      default:
        break;
    }
    return CallWindowProcW(editProc, hwnd, message, wParam, lParam);
  }

 private:
  static LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* peer = dynamic_cast<Win32EditPeer*>(reinterpret_cast<Win32Peer*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)));
    if (!peer) return DefWindowProcW(hwnd, message, wParam, lParam);
    return peer->handle(message, wParam, lParam);
  }

  void syncSelection() {
    DWORD start = 0, end = 0;
    SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    // Back from UTF-16 units to bytes of the toolkit's UTF-8 text.
    const std::wstring text = Widen(control_.text());
    const auto bytes = [&](DWORD units) {
      return static_cast<int>(Narrow(std::wstring_view(text).substr(0, std::min<std::size_t>(units, text.size()))).size());
    };
    field_.selectionEdited(bytes(start), bytes(end) - bytes(start));
  }

  // Pasted text passes the field's own filter before it goes in. The clipboard's block need
  // not hold a terminating zero, so the text is looked for only within the block's size
  // (and the first 4096 characters).
  void paste() {
    std::string text;
    if (OpenClipboard(hwnd_)) {
      if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
          const std::size_t room = std::min<std::size_t>(GlobalSize(data) / sizeof(wchar_t), 4096);
          text = Narrow(std::wstring_view(chars, wcsnlen(chars, room)));
          GlobalUnlock(data);
        }
      }
      CloseClipboard();
    }
    TextField* c = &field_;
    if (!dispatch([&] { text = c->pasted(std::move(text)); })) return;
    SendMessageW(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(Widen(text).c_str()));
    syncSelection();
  }

  TextField& field_;
  WNDPROC oldProc_ = nullptr;
};

std::unique_ptr<ControlPeer> Win32Toolkit::createPeer(TextField& field) {
  return std::make_unique<Win32EditPeer>(*this, field);
}

}  // namespace morvane
