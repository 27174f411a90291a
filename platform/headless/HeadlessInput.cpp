// The scripted hand and the window manager of the headless backend: what a user's pointer and
// keyboard do, and what the system does with activation and the keyboard focus, pushed to the
// toolkit as the same neutral input the Win32 backend pushes.
#include <algorithm>

#include "platform/Keys.h"
#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/HeadlessToolkit.h"

namespace morvane {

namespace {

int KeyCodeOf(char c) {
  if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
  if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ') return c;
  switch (c) {
    case '\b': return kKeyBackspace;
    case '\t': return kKeyTab;
    case '\r': case '\n': return kKeyEnter;
    case '\x1b': return kKeyEscape;
    case '-': return 0xBD;
    case '.': return 0xBE;
    case ':': case ';': return 0xBA;
    case '/': return 0xBF;
    case '+': case '=': return 0xBB;
    default: return 0xDE;
  }
}

}  // namespace

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
  input().activationChanged(window, 0);
  if (focusWindow_ == &window) giveFocus(nullptr, nullptr);
}

// Activation as the system gives it: the window that had it is told first, then the new one
// with the raw state; where the keyboard goes then is the toolkit's decision.
void HeadlessToolkit::changeActivation(Window& window, std::uint32_t state) {
  if ((state & 0xFFFF) == 0) {
    deactivate(window);
  } else {
    if (activeWindow_ && activeWindow_ != &window) deactivate(*activeWindow_);
    activeWindow_ = &window;
    input().activationChanged(window, state);
  }
}

void HeadlessToolkit::activate(Window& window, std::uint32_t state) {
  changeActivation(window, state);
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
  input().pointerMove(*w, clientPoint(*w, screen), buttons_, 0);
  releaseRetired();
}

void HeadlessToolkit::press(int button) {
  Window* w = pressedWindow_ ? pressedWindow_ : windowAt(system_.cursor_);
  buttons_ |= button;
  if (!w || !w->inputEnabled()) return;
  pressedWindow_ = w;
  if (activeWindow_ != w) changeActivation(*w, 2);
  if (!w->loaded()) return;
  input().pointerDown(*w, clientPoint(*w, system_.cursor_), button, 0, clock_.elapsedMs());
  releaseRetired();
}

void HeadlessToolkit::release(int button) {
  if (!(buttons_ & button)) return;
  buttons_ &= ~button;
  Window* w = pressedWindow_;
  if (buttons_ == 0) pressedWindow_ = nullptr;
  if (!w || !w->loaded()) return;
  input().pointerUp(*w, clientPoint(*w, system_.cursor_), button, 0);
  releaseRetired();
}

void HeadlessToolkit::clickAt(Point screen) {
  moveTo(screen);
  press(kLeftButton);
  release(kLeftButton);
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
    int ascii = static_cast<unsigned char>(c);
    if (c == '\n') ascii = kKeyEnter;
    key(KeyCodeOf(c), ascii);
  }
}

void HeadlessToolkit::altKey(char letter) { key(KeyCodeOf(letter), letter, kAltMask); }

// The key goes down, its character follows (to the control that had the keyboard when the
// key went down, as a posted character does), and the key comes up wherever the keyboard
// is by then. A text field edits what the toolkit lets through.
void HeadlessToolkit::key(int keyCode, int keyAscii, int shift) {
  Window* w = activeWindow_;
  if (!w || !w->loaded() || !w->inputEnabled()) return;
  Control* receiver = focusWindow_ == w ? focusControl_ : nullptr;
  input().keyDown(*w, keyCode, shift);
  if (keyAscii != 0 && w->loaded()) {
    InputRouter::KeyResult r = input().character(*w, keyAscii, shift);
    if (!r.handled && receiver && receiver->peer() && receiver->kind() == Control::Kind::TextField) {
      editText(*receiver, r.code);
    }
  }
  if (Window* up = activeWindow_; up && up->loaded()) input().keyUp(*up, keyCode, shift);
  releaseRetired();
}

// A single-line edit control: printable characters replace the selection unless the text
// would pass its maximum length; Backspace deletes the selection or the character before.
void HeadlessToolkit::editText(Control& field, int keyAscii) {
  std::string text = field.text();
  int start = field.selStart(), length = field.selLength();
  if (keyAscii == kKeyBackspace) {
    if (length > 0) {
      text.erase(static_cast<size_t>(start), static_cast<size_t>(length));
    } else if (start > 0) {
      text.erase(static_cast<size_t>(start - 1), 1);
      --start;
    } else {
      return;
    }
  } else if (keyAscii >= 32 && keyAscii != 127) {
    int max = field.maxLength();
    if (max > 0 && static_cast<int>(text.size()) - length + 1 > max) return;
    text.replace(static_cast<size_t>(start), static_cast<size_t>(length), 1, static_cast<char>(keyAscii));
    ++start;
  } else {
    return;
  }
  field.hostTextChanged(text);
  field.hostSelectionChanged(start, 0);
}

}  // namespace morvane
