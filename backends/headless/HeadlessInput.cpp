// The scripted hand and the window manager of the headless backend: what a user's pointer and
// keyboard do, and what the system does with activation and the keyboard focus, pushed to the
// toolkit as the same neutral input the Win32 backend pushes.
#include <algorithm>

#include "toolkit/Keys.h"
#include "toolkit/TextField.h"
#include "backends/headless/HeadlessSystem.h"
#include "backends/headless/HeadlessToolkit.h"

namespace morvane {

Key KeyOfCharacter(char32_t c) {
  if (c >= U'a' && c <= U'z') return LetterKey(static_cast<char>(c - U'a' + U'A'));
  if (c >= U'A' && c <= U'Z') return LetterKey(static_cast<char>(c));
  if (c >= U'0' && c <= U'9') return DigitKey(static_cast<int>(c - U'0'));
  switch (c) {
    case U' ': return Key::Space;
    case kBackspaceCharacter: return Key::Backspace;
    case kTabCharacter: return Key::Tab;
    case kEnterCharacter: case U'\n': return Key::Enter;
    case kEscapeCharacter: return Key::Escape;
    case U'-': return Key::Minus;
    case U'.': return Key::Period;
    case U':': case U';': return Key::Semicolon;
    case U'/': return Key::Slash;
    case U'+': case U'=': return Key::Plus;
    default: return Key::Quote;
  }
}

// ---- The window manager ----------------------------------------------------------------

Window* HeadlessToolkit::windowAt(Point screen) const {
  for (Window* w : zOrder_) {
    if (w->visible() && w->bounds().contains(screen)) return w;
  }
  return nullptr;
}

Point HeadlessToolkit::clientPoint(const Window& window, Point screen) const {
  Point origin = window.clientOrigin();
  return {screen.x - origin.x, screen.y - origin.y};
}

// The window that loses activation hears it first, then loses the keyboard.
void HeadlessToolkit::deactivate(Window& window) {
  if (activeWindow_ != &window) return;
  activeWindow_ = nullptr;
  input().activationChanged(window, {ActivationKind::Inactive});
  if (focusWindow_ == &window) giveFocus(nullptr, nullptr);
}

// Activation as the system gives it: the window that had it is told first, then the new one;
// where the keyboard goes then is the toolkit's decision.
void HeadlessToolkit::changeActivation(Window& window, Activation activation) {
  if (!activation.active()) {
    deactivate(window);
  } else {
    if (activeWindow_ && activeWindow_ != &window) deactivate(*activeWindow_);
    activeWindow_ = &window;
    input().activationChanged(window, activation);
  }
}

void HeadlessToolkit::activate(Window& window, Activation activation) {
  changeActivation(window, activation);
  releaseRetired();
}

// The keyboard moves: the control (or window) that had it hears of the loss, the new one of
// the gain.
void HeadlessToolkit::giveFocus(Window* window, Control* control) {
  if (window == focusWindow_ && control == focusControl_) return;
  Window* oldWindow = focusWindow_;
  Control* oldControl = focusControl_;
  focusWindow_ = window;
  focusControl_ = control;
  if (oldWindow && oldWindow->loaded()) input().focusChanged(*oldWindow, oldControl, false);
  if (window && window->loaded()) input().focusChanged(*window, control, true);
}

// ---- The pointer -----------------------------------------------------------------------

void HeadlessToolkit::moveTo(Point screen) {
  system_.cursor_ = screen;
  Window* w = pressedWindow_ ? pressedWindow_ : windowAt(screen);
  if (!w || !w->inputEnabled()) return;
  input().pointerMove(*w, clientPoint(*w, screen), buttons_, {});
  releaseRetired();
}

void HeadlessToolkit::press(MouseButton button) {
  Window* w = pressedWindow_ ? pressedWindow_ : windowAt(system_.cursor_);
  buttons_ = buttons_.with(button);
  if (!w || !w->inputEnabled()) return;
  pressedWindow_ = w;
  if (activeWindow_ != w) changeActivation(*w, {ActivationKind::ActiveByClick});
  if (!w->loaded()) return;
  input().pointerDown(*w, clientPoint(*w, system_.cursor_), button, {}, clock_.elapsedMs());
  releaseRetired();
}

void HeadlessToolkit::release(MouseButton button) {
  if (!buttons_.has(button)) return;
  buttons_ = buttons_.without(button);
  Window* w = pressedWindow_;
  if (buttons_.none()) pressedWindow_ = nullptr;
  if (!w || !w->loaded()) return;
  input().pointerUp(*w, clientPoint(*w, system_.cursor_), button, {});
  releaseRetired();
}

void HeadlessToolkit::clickAt(Point screen) {
  moveTo(screen);
  press(MouseButton::Left);
  release(MouseButton::Left);
}

void HeadlessToolkit::click(Control& control) {
  Point origin = control.owner().clientOrigin();
  Rect b = control.bounds();
  clickAt({origin.x + b.x + b.w / 2, origin.y + b.y + b.h / 2});
}

void HeadlessToolkit::doubleClick(Control& control) {
  click(control);
  click(control);
}

// ---- The keyboard ----------------------------------------------------------------------

void HeadlessToolkit::type(std::string_view text) {
  for (char c : text) {
    char32_t character = c == '\n' ? kEnterCharacter : static_cast<char32_t>(static_cast<unsigned char>(c));
    key(KeyOfCharacter(character), character);
  }
}

void HeadlessToolkit::altKey(char letter) {
  key(KeyOfCharacter(static_cast<char32_t>(letter)), static_cast<char32_t>(letter), {.alt = true});
}

// The key goes down, its character follows (to the control that had the keyboard when the
// key went down, as a posted character does), and the key comes up wherever the keyboard
// is by then. A text field edits what the toolkit lets through.
void HeadlessToolkit::key(Key key, char32_t character, Modifiers modifiers) {
  Window* w = activeWindow_;
  if (!w || !w->loaded() || !w->inputEnabled()) return;
  Control* receiver = focusWindow_ == w ? focusControl_ : nullptr;
  input().keyDown(*w, {key, modifiers});
  if (character != 0 && w->loaded()) {
    KeyResult r = input().character(*w, character, modifiers);
    auto* field = dynamic_cast<TextField*>(receiver);
    if (r == KeyResult::Ignored && field && field->peer()) editText(*field, character);
  }
  if (Window* up = activeWindow_; up && up->loaded()) input().keyUp(*up, {key, modifiers});
  releaseRetired();
}

// A single-line edit control: printable characters replace the selection unless the text
// would pass its maximum length; Backspace deletes the selection or the character before.
void HeadlessToolkit::editText(TextField& field, char32_t character) {
  std::string text = field.text();
  int start = field.selStart(), length = field.selLength();
  if (character == kBackspaceCharacter) {
    if (length > 0) {
      text.erase(static_cast<size_t>(start), static_cast<size_t>(length));
    } else if (start > 0) {
      text.erase(static_cast<size_t>(start - 1), 1);
      --start;
    } else {
      return;
    }
  } else if (character >= 32 && character != 127 && character < 256) {
    int max = field.maxLength();
    if (max > 0 && static_cast<int>(text.size()) - length + 1 > max) return;
    text.replace(static_cast<size_t>(start), static_cast<size_t>(length), 1, static_cast<char>(character));
    ++start;
  } else {
    return;
  }
  field.textEdited(text);
  field.selectionEdited(start, 0);
}

}  // namespace morvane
