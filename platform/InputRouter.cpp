// The input decisions: pointer routing, clicks, keys, focus, activation and modal dialogs.
#include "platform/InputRouter.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/Keys.h"
#include "platform/Window.h"

namespace morvane {

namespace {

constexpr std::uint32_t kLowWord = 0xFFFF;

Point ClientToScreen(const Window& window, Point client) {
  Point origin = window.clientOrigin();
  return {origin.x + client.x, origin.y + client.y};
}

int Folded(int character) { return std::tolower(static_cast<unsigned char>(character)); }

}  // namespace

// ---- The pointer -----------------------------------------------------------------------

// The first visible, enabled control under the point takes it (controls made earlier lie
// above later ones); the window's face takes what no control does. A line is drawn on the
// face and takes nothing.
InputRouter::Target InputRouter::hitTest(Window& window, Point client) const {
  for (Control* c : window.controls()) {
    if (!c->visible() || !c->enabled() || !c->peer() || c->kind() == Control::Kind::Line) continue;
    if (c->bounds().contains(client)) return {&window, c};
  }
  return {&window, nullptr};
}

Point InputRouter::localPoint(const Target& target, Point screen) const {
  Point origin = target.window->clientOrigin();
  Point p{screen.x - origin.x, screen.y - origin.y};
  if (target.control) p = {p.x - target.control->bounds().x, p.y - target.control->bounds().y};
  return p;
}

// Whether the point lies on what was pressed, as it stands now.
bool InputRouter::over(const Target& target, Point screen) const {
  if (!target.window->loaded()) return false;
  Point origin = target.window->clientOrigin();
  Point client{screen.x - origin.x, screen.y - origin.y};
  if (!target.control) return target.window->clientRect().contains(client);
  const Control& c = *target.control;
  return c.peer() && c.visible() && c.bounds().contains(client);
}

// A press goes to what holds the capture when another button is already down, else to what
// lies under it. The second left press on the same thing within the system's double-click
// time and distance is a double-click: it raises DblClick instead of MouseDown, and its
// release makes no Click.
void InputRouter::pointerDown(Window& window, Point client, int button, int shift, std::int64_t timeMs) {
  if (!window.loaded() || !window.inputEnabled()) return;
  // The same button down again: its release went elsewhere (the capture was lost), so
  // nothing is held any more.
  if (buttons_ & button) {
    buttons_ = 0;
    capture_ = {};
  }
  Target target = capture_.window ? capture_ : hitTest(window, client);
  Point screen = ClientToScreen(window, client);
  capture_ = target;
  buttons_ |= button;

  bool doubled = false;
  if (button == kLeftButton) {
    doubled = lastLeft_.target.window && lastLeft_.target == target && timeMs - lastLeft_.timeMs <= doubleClickMs_ &&
              std::abs(screen.x - lastLeft_.screen.x) <= doubleClickSize_.w / 2 &&
              std::abs(screen.y - lastLeft_.screen.y) <= doubleClickSize_.h / 2;
    // A third press starts afresh.
    lastLeft_ = doubled ? LastPress{} : LastPress{target, screen, timeMs};
    leftPressed_ = target;
    secondPress_ = doubled;
  }

  if (target.control && target.control->takesFocus()) {
    Control* c = target.control;
    toolkit_.dispatch([c] { c->setFocus(); });
  }
  Point p = localPoint(target, screen);
  float x = static_cast<float>(p.x), y = static_cast<float>(p.y);
  toolkit_.dispatch([&] {
    if (target.control) {
      if (doubled) target.control->hostDoubleClick();
      else target.control->hostMouseDown(button, shift, x, y);
    } else if (target.window->loaded()) {
      if (doubled) target.window->hostDoubleClick();
      else target.window->hostMouseDown(button, shift, x, y);
    }
  });
}

// A release goes to what holds the capture; a left one over what it pressed is a Click. A
// release whose press the toolkit never saw, or that a system drag took, goes nowhere.
void InputRouter::pointerUp(Window& window, Point client, int button, int shift) {
  if (!(buttons_ & button)) return;
  buttons_ &= ~button;
  Target target = capture_;
  if (buttons_ == 0) capture_ = {};
  if (!target.window || !target.window->loaded()) return;
  Point screen = ClientToScreen(window, client);
  Point p = localPoint(target, screen);
  float x = static_cast<float>(p.x), y = static_cast<float>(p.y);
  toolkit_.dispatch([&] {
    if (target.control) target.control->hostMouseUp(button, shift, x, y);
    else target.window->hostMouseUp(button, shift, x, y);
  });
  if (button != kLeftButton) return;
  bool clicked = leftPressed_ == target && !secondPress_;
  leftPressed_ = {};
  secondPress_ = false;
  if (!clicked || !target.window || !over(target, screen)) return;
  toolkit_.dispatch([&] {
    if (target.control) target.control->hostClick();
    else target.window->hostClick();
  });
}

void InputRouter::pointerMove(Window& window, Point client, int buttons, int shift) {
  if (!window.loaded() || !window.inputEnabled()) return;
  Target target = capture_.window ? capture_ : hitTest(window, client);
  Point p = localPoint(target, ClientToScreen(window, client));
  float x = static_cast<float>(p.x), y = static_cast<float>(p.y);
  toolkit_.dispatch([&] {
    if (target.control) target.control->hostMouseMove(buttons, shift, x, y);
    else if (target.window->loaded()) target.window->hostMouseMove(buttons, shift, x, y);
  });
}

bool InputRouter::reachable(const Control& control) const {
  const Window& window = control.owner();
  return window.loaded() && window.visible() && window.inputEnabled() && control.peer() && control.visible() &&
         control.enabled() && control.kind() != Control::Kind::Line;
}

void InputRouter::invoke(Control& control) {
  if (!reachable(control)) return;
  toolkit_.dispatch([&control] { control.hostClick(); });
}

void InputRouter::systemDragStarted() {
  buttons_ &= ~kLeftButton;
  capture_ = {};
  leftPressed_ = {};
  secondPress_ = false;
}

void InputRouter::setDoubleClick(int timeMs, Size distance) {
  doubleClickMs_ = timeMs;
  doubleClickSize_ = distance;
}

// ---- Keys ------------------------------------------------------------------------------

// Keys go to the control that has the window's focus; with none, to the window itself.
Control* InputRouter::keyTarget(Window& window) const {
  Control* c = window.focused();
  return c && c->peer() && c->visible() ? c : nullptr;
}

// Tab and Shift+Tab move the focus along the window's tab order. Keys held with Alt are
// the window's menu keys and raise no key events.
InputRouter::KeyResult InputRouter::keyDown(Window& window, int keyCode, int shift) {
  if (!window.loaded()) return {true, 0};
  if (keyCode == kKeyTab) {
    Window* w = &window;
    bool backwards = (shift & kShiftMask) != 0;
    toolkit_.dispatch([w, backwards] {
      if (Control* next = w->nextTabStop(w->focused(), backwards)) next->setFocus();
    });
    return {true, 0};
  }
  if (IsMenuKey(shift)) return {false, keyCode};
  Control* c = keyTarget(window);
  if (!c) return {false, keyCode};
  int code = keyCode, mask = shift;
  toolkit_.dispatch([&] { c->hostKeyDown(code, mask); });
  return {code == 0 || !c->peer(), code};
}

// A character with Alt presses an access key (the letter after "&" in a caption) or, with
// none, a window key. Other characters: a window key, else KeyPress, which the window sees
// first when it previews keys; a handler that zeroes the character discards it.
InputRouter::KeyResult InputRouter::character(Window& window, int keyAscii, int shift) {
  if (!window.loaded()) return {true, 0};
  if (keyAscii == kKeyTab) return {true, 0};  // the Tab key's own character: it moved the focus
  if (IsMenuKey(shift)) {
    if (accessKey(window, keyAscii) || windowKey(window, keyAscii, true)) return {true, 0};
    return {false, keyAscii};
  }
  if (windowKey(window, keyAscii, false)) return {true, 0};
  int ascii = keyAscii;
  Control* c = keyTarget(window);
  toolkit_.dispatch([&] {
    if (window.keyPreview() || !c) {
      window.hostKeyPress(ascii);
      if (ascii == 0 || !window.loaded()) return;
    }
    if (c) c->hostKeyPress(ascii);
  });
  return {ascii == 0 || !window.loaded(), ascii};
}

void InputRouter::keyUp(Window& window, int keyCode, int shift) {
  if (!window.loaded() || IsMenuKey(shift)) return;
  Control* c = keyTarget(window);
  if (!c) return;
  int code = keyCode, mask = shift;
  toolkit_.dispatch([&] { c->hostKeyUp(code, mask); });
}

bool InputRouter::accessKey(Window& window, int keyAscii) {
  for (Control* c : window.controls()) {
    if (c->kind() != Control::Kind::Custom || !c->visible() || !c->enabled()) continue;
    const std::string& caption = c->text();
    auto amp = caption.find('&');
    if (amp == std::string::npos || amp + 1 >= caption.size()) continue;
    if (Folded(caption[amp + 1]) != Folded(keyAscii)) continue;
    toolkit_.dispatch([c] { c->hostAccessKey(); });
    return true;
  }
  return false;
}

bool InputRouter::windowKey(Window& window, int keyAscii, bool menu) {
  for (const Window::Key& key : window.keys()) {
    if (key.alt != menu) continue;
    if (menu ? Folded(key.character) != Folded(keyAscii) : key.character != keyAscii) continue;
    if (key.available && !key.available()) continue;
    auto action = key.action;
    toolkit_.dispatch([&action] { action(); });
    return true;
  }
  return false;
}

// ---- Activation, focus and modal dialogs -----------------------------------------------

// The window's own handler sees the raw state first; then an active window that is not
// minimized gets its remembered focus back.
void InputRouter::activationChanged(Window& window, std::uint32_t state) {
  bool active = (state & kLowWord) != 0;
  bool minimized = (state >> 16) != 0;
  if (active) {
    active_ = &window;
  } else if (active_ == &window) {
    active_ = nullptr;
  }
  if (!window.loaded()) return;
  toolkit_.dispatch([&window, state] { window.hostActivated(state); });
  if (active && !minimized && active_ == &window && window.loaded()) restoreFocus(window, true);
}

// A control's focus is remembered by its window: losing it to another application keeps
// the memory, and only another control of the window taking the focus changes it. The window
// itself taking the focus passes it on to the remembered control.
void InputRouter::focusChanged(Window& window, Control* control, bool gained) {
  if (!gained || !window.loaded()) return;
  if (control) {
    window.setFocused(control);
  } else if (active_ == &window) {
    restoreFocus(window, false);
  }
}

// On activation: the remembered control, else the first in the tab order, else the window
// itself. When the window itself took the focus: the remembered control only.
void InputRouter::restoreFocus(Window& window, bool activated) {
  Control* c = window.focused();
  if (c && !c->takesFocus()) c = nullptr;
  if (!c && activated) c = window.nextTabStop(nullptr, false);
  if (c) {
    toolkit_.dispatch([c] { c->setFocus(); });
  } else if (activated && window.peer()) {
    window.peer()->focusSelf();
  }
}

void InputRouter::closeRequested(Window& window) {
  if (!window.loaded()) return;
  toolkit_.dispatch([&window] { window.hostCloseRequested(); });
}

// While a dialog is up the program's other windows take no input. Its owner is the window
// that was active when it opened.
void InputRouter::beginModal(Window& dialog) {
  Modal modal{&dialog, active_ != &dialog ? active_ : nullptr, {}};
  for (Window* other : toolkit_.loadedWindows()) {
    if (other == &dialog || !other->inputEnabled()) continue;
    other->setInputEnabled(false);
    modal.disabled.push_back(other);
  }
  modals_.push_back(std::move(modal));
}

// Before the dialog goes, its owner takes input again and, if the dialog was the active
// window, becomes the active window: otherwise the system would hand activation to some
// other application's window while the owner is still disabled.
void InputRouter::endModal(Window& dialog) {
  auto it = std::find_if(modals_.begin(), modals_.end(), [&](const Modal& m) { return m.dialog == &dialog; });
  if (it == modals_.end()) return;
  Modal modal = std::move(*it);
  modals_.erase(it);
  for (Window* w : modal.disabled) w->setInputEnabled(true);
  Window* owner = modal.owner;
  if (owner && active_ == &dialog && owner->loaded() && owner->visible() && owner->peer()) owner->peer()->activate();
}

void InputRouter::forget(const Window& window) {
  if (capture_.window == &window) capture_ = {};
  if (leftPressed_.window == &window) leftPressed_ = {};
  if (lastLeft_.target.window == &window) lastLeft_ = {};
  if (active_ == &window) active_ = nullptr;
  for (Modal& m : modals_) {
    if (m.owner == &window) m.owner = nullptr;
    std::erase(m.disabled, &window);
  }
}

void InputRouter::forget(const Control& control) {
  if (capture_.control == &control) capture_ = {};
  if (leftPressed_.control == &control) leftPressed_ = {};
  if (lastLeft_.target.control == &control) lastLeft_ = {};
}

}  // namespace morvane
