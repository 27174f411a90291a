// The toolkit's keys and modifiers: the keys the program tells apart, named for what they
// are on the keyboard; a backend maps its own key codes onto them.
#pragma once

#include <cstdint>

namespace morvane {

enum class Key : std::uint8_t {
  Unknown,
  Backspace, Tab, Enter, Escape, Space,
  Digit0, Digit1, Digit2, Digit3, Digit4, Digit5, Digit6, Digit7, Digit8, Digit9,
  A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S, T, U, V, W, X, Y, Z,
  Numpad0, Numpad1, Numpad2, Numpad3, Numpad4, Numpad5, Numpad6, Numpad7, Numpad8, Numpad9,
  Minus, Period, Semicolon, Slash, Plus, Quote,
  F10, ContextMenu,  // the context-menu key (the "application" key beside the right Ctrl)
};

constexpr Key DigitKey(int digit) { return static_cast<Key>(static_cast<int>(Key::Digit0) + digit); }
constexpr Key NumpadKey(int digit) { return static_cast<Key>(static_cast<int>(Key::Numpad0) + digit); }
constexpr Key LetterKey(char capital) { return static_cast<Key>(static_cast<int>(Key::A) + (capital - 'A')); }
constexpr bool IsDigitKey(Key key) { return key >= Key::Digit0 && key <= Key::Digit9; }
constexpr bool IsNumpadDigitKey(Key key) { return key >= Key::Numpad0 && key <= Key::Numpad9; }

struct Modifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  // Alt without Ctrl makes a key the window's (access keys and window keys); Ctrl with Alt
  // is AltGr on many keyboards and types ordinary characters.
  constexpr bool menu() const { return alt && !ctrl; }
  friend constexpr bool operator==(Modifiers, Modifiers) = default;
};

// The context-menu key, or Shift+F10: both ask for the focused thing's context menu. F10 is a
// system key, so the backend may report it held with Alt as well.
constexpr bool IsContextMenuRequest(Key key, Modifiers modifiers) {
  return (key == Key::ContextMenu && !modifiers.ctrl && !modifiers.alt) ||
         (key == Key::F10 && modifiers.shift && !modifiers.ctrl);
}

// The characters of the control keys, as character events carry them.
constexpr char32_t kBackspaceCharacter = U'\b';
constexpr char32_t kTabCharacter = U'\t';
constexpr char32_t kEnterCharacter = U'\r';
constexpr char32_t kEscapeCharacter = U'\x1b';

}  // namespace morvane
