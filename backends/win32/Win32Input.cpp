// Window messages of the program's windows and controls turned into the toolkit's neutral
// input: the pointer in the top-level window's client units, the toolkit's keys and
// modifiers, characters and activation; the virtual-key table is here alone.
#include <windows.h>

#include "toolkit/Keys.h"
#include "platform/DpiScale.h"
#include "backends/win32/Win32Peers.h"

namespace morvane {

namespace {

MouseButtons ButtonsHeld(WPARAM wParam) {
  MouseButtons held;
  if (wParam & MK_LBUTTON) held = held.with(MouseButton::Left);
  if (wParam & MK_RBUTTON) held = held.with(MouseButton::Right);
  if (wParam & MK_MBUTTON) held = held.with(MouseButton::Middle);
  return held;
}

Modifiers HeldModifiers() {
  return {GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0, GetKeyState(VK_MENU) < 0};
}

// A system key or character (WM_SYS...) is one held with Alt, and Ctrl is not AltGr then.
Modifiers WithAlt(Modifiers modifiers) { return {modifiers.shift, false, true}; }

Key KeyOfVirtualKey(WPARAM vk) {
  if (vk >= '0' && vk <= '9') return DigitKey(static_cast<int>(vk - '0'));
  if (vk >= 'A' && vk <= 'Z') return LetterKey(static_cast<char>(vk));
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return NumpadKey(static_cast<int>(vk - VK_NUMPAD0));
  switch (vk) {
    case VK_BACK: return Key::Backspace;
    case VK_TAB: return Key::Tab;
    case VK_RETURN: return Key::Enter;
    case VK_ESCAPE: return Key::Escape;
    case VK_SPACE: return Key::Space;
    case VK_OEM_MINUS: return Key::Minus;
    case VK_OEM_PERIOD: return Key::Period;
    case VK_OEM_1: return Key::Semicolon;
    case VK_OEM_2: return Key::Slash;
    case VK_OEM_PLUS: return Key::Plus;
    case VK_OEM_7: return Key::Quote;
    case VK_F10: return Key::F10;
    case VK_APPS: return Key::ContextMenu;
    default: return Key::Unknown;
  }
}

}  // namespace

Activation ActivationOf(WPARAM wParam) {
  ActivationKind kind = LOWORD(wParam) == WA_INACTIVE    ? ActivationKind::Inactive
                        : LOWORD(wParam) == WA_CLICKACTIVE ? ActivationKind::ActiveByClick
                                                           : ActivationKind::Active;
  return {kind, HIWORD(wParam) != 0};
}

bool IsPointerMessage(UINT message) {
  switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
      return true;
    default:
      return false;
  }
}

std::optional<LRESULT> AnswerDrawnMessage(Win32Toolkit& toolkit, Window& window, HWND hwnd, UINT message,
                                          WPARAM wParam, LPARAM lParam, const std::function<void()>& paint) {
  if (IsPointerMessage(message)) {
    PushPointer(toolkit, window, hwnd, message, wParam, lParam, true);
    return 0;
  }
  if (message == WM_PAINT) {
    paint();
    return 0;
  }
  if (message == WM_ERASEBKGND) return 1;
  return std::nullopt;
}

// The system's double-click messages (edit controls have them) are plain presses here: the
// toolkit tells a double-click by the time and distance between presses.
void PushPointer(Win32Toolkit& toolkit, Window& window, HWND from, UINT message, WPARAM wParam, LPARAM lParam,
                 bool ownCapture) {
  POINT p{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  HWND top = Win32Toolkit::HandleOf(window);
  if (!top) return;
  if (from != top) MapWindowPoints(from, top, &p, 1);
  // The toolkit places controls in 96-dpi units.
  const int dpi = Win32Toolkit::DpiOf(window);
  Point client{UnscaleFromDpi(static_cast<int>(p.x), dpi), UnscaleFromDpi(static_cast<int>(p.y), dpi)};
  Modifiers modifiers = HeldModifiers();
  InputRouter& input = toolkit.input();
  switch (message) {
    case WM_MOUSEMOVE:
      input.pointerMove(window, client, ButtonsHeld(wParam), modifiers);
      return;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK: {
      MouseButton button = (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK)   ? MouseButton::Left
                           : (message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK) ? MouseButton::Right
                                                                                       : MouseButton::Middle;
      if (ownCapture) SetCapture(from);
      auto time = static_cast<std::int64_t>(static_cast<DWORD>(GetMessageTime()));
      input.pointerDown(window, client, button, modifiers, time);
      return;
    }
    default: {
      MouseButton button = message == WM_LBUTTONUP   ? MouseButton::Left
                           : message == WM_RBUTTONUP ? MouseButton::Right
                                                     : MouseButton::Middle;
      if (ownCapture && ButtonsHeld(wParam).none() && GetCapture() == from) ReleaseCapture();
      input.pointerUp(window, client, button, modifiers);
      return;
    }
  }
}

// An ordinary character never counts as one held with Alt, whatever GetKeyState says
// (AltGr and Alt+numpad codes type characters).
KeyResult PushKey(Win32Toolkit& toolkit, Window& window, UINT message, WPARAM wParam) {
  Modifiers modifiers = HeldModifiers();
  InputRouter& input = toolkit.input();
  switch (message) {
    case WM_KEYDOWN:
      return input.keyDown(window, {KeyOfVirtualKey(wParam), modifiers});
    case WM_SYSKEYDOWN:
      return input.keyDown(window, {KeyOfVirtualKey(wParam), WithAlt(modifiers)});
    case WM_CHAR:
      return input.character(window, static_cast<char32_t>(wParam), {modifiers.shift, modifiers.ctrl, false});
    case WM_SYSCHAR:
      return input.character(window, static_cast<char32_t>(wParam), WithAlt(modifiers));
    default:
      return KeyResult::Ignored;
  }
}

void PushKeyUp(Win32Toolkit& toolkit, Window& window, UINT message, WPARAM wParam) {
  Modifiers modifiers = HeldModifiers();
  if (message == WM_SYSKEYUP) modifiers = WithAlt(modifiers);
  toolkit.input().keyUp(window, {KeyOfVirtualKey(wParam), modifiers});
}

// What the toolkit leaves of a key goes to the default procedure.
LRESULT DefaultKeyMessage(Win32Toolkit& toolkit, Window& window, HWND hwnd, const AliveToken& alive, UINT message,
                          WPARAM wParam, LPARAM lParam) {
  auto watch = alive.watch();
  if (message == WM_KEYUP || message == WM_SYSKEYUP) {
    PushKeyUp(toolkit, window, message, wParam);
    return StillAlive(watch) ? DefWindowProcW(hwnd, message, wParam, lParam) : 0;
  }
  if (PushKey(toolkit, window, message, wParam) == KeyResult::Handled || !StillAlive(watch)) return 0;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace morvane
