// The scripted pointer and keyboard: what a user's hand would do, turned into the same host
// notifications the Win32 backend sends.
#include <algorithm>
#include <cctype>

#include "platform/headless/HeadlessSystem.h"
#include "platform/headless/HeadlessToolkit.h"

namespace morvane {

namespace {
constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kEnter = 13;
constexpr int kEscape = 27;

bool TakesFocusOnClick(const Control& c) {
  return c.kind() == Control::Kind::TextField || c.kind() == Control::Kind::Custom;
}

int KeyCodeOf(char c) {
  if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
  if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ') return c;
  switch (c) {
    case '\b': return kBackspace;
    case '\t': return kTab;
    case '\r': case '\n': return kEnter;
    case '\x1b': return kEscape;
    case '-': return 0xBD;
    case '.': return 0xBE;
    case ':': case ';': return 0xBA;
    case '/': return 0xBF;
    case '+': case '=': return 0xBB;
    default: return 0xDE;
  }
}
}  // namespace

HeadlessToolkit::Target HeadlessToolkit::hitTest(Point screen) const {
  Window* modal = nullptr;
  for (Window* w : loadedWindows()) {
    if (w->modal() && w->visible()) modal = w;
  }
  for (Window* w : zOrder_) {
    if (!w->visible() || !w->bounds().contains(screen)) continue;
    if (modal && w != modal) return {};  // the other windows take no input while a dialog is up
    Point origin = w->clientOrigin();
    Point client{screen.x - origin.x, screen.y - origin.y};
    for (Control* c : w->controls()) {
      if (!c->visible() || !c->enabled() || c->kind() == Control::Kind::Line) continue;
      if (c->bounds().contains(client)) return {w, c, {client.x - c->bounds().x, client.y - c->bounds().y}};
    }
    return {w, nullptr, client};
  }
  return {};
}

Point HeadlessToolkit::localPoint(const Target& target, Point screen) const {
  Point origin = target.window->clientOrigin();
  Point p{screen.x - origin.x, screen.y - origin.y};
  if (target.control) p = {p.x - target.control->bounds().x, p.y - target.control->bounds().y};
  return p;
}

void HeadlessToolkit::activate(Window& window, std::uint32_t state) {
  if (state != 0 && activeWindow_ && activeWindow_ != &window) {
    Window* old = activeWindow_;
    dispatch([old] { old->hostActivated(0); });
  }
  if (state != 0) activeWindow_ = &window;
  else if (activeWindow_ == &window) activeWindow_ = nullptr;
  dispatch([&window, state] { window.hostActivated(state); });
  releaseRetired();
}

void HeadlessToolkit::moveTo(Point screen) {
  system_.cursor_ = screen;
  Target target = capture_.window ? capture_ : hitTest(screen);
  if (!target.window) return;
  Point p = localPoint(target, screen);
  int buttons = buttons_;
  dispatch([&] {
    if (target.control) target.control->hostMouseMove(buttons, 0, float(p.x), float(p.y));
    else target.window->hostMouseMove(buttons, 0, float(p.x), float(p.y));
  });
  releaseRetired();
}

void HeadlessToolkit::press(int button) {
  Target target = capture_.window ? capture_ : hitTest(system_.cursor_);
  buttons_ |= button;
  if (!target.window) return;
  if (!capture_.window) capture_ = target;
  if (activeWindow_ != target.window) activate(*target.window, 2);
  if (target.control && TakesFocusOnClick(*target.control) && target.control->peer()) {
    target.control->hostFocusChanged(true);
  }
  Point p = localPoint(target, system_.cursor_);
  dispatch([&] {
    if (target.control) target.control->hostMouseDown(button, 0, float(p.x), float(p.y));
    else target.window->hostMouseDown(button, 0, float(p.x), float(p.y));
  });
  releaseRetired();
}

void HeadlessToolkit::release(int button) {
  buttons_ &= ~button;
  Target target = capture_;
  if (buttons_ == 0) capture_ = {};
  if (!target.window) return;
  Point p = localPoint(target, system_.cursor_);
  dispatch([&] {
    if (target.control) target.control->hostMouseUp(button, 0, float(p.x), float(p.y));
    else target.window->hostMouseUp(button, 0, float(p.x), float(p.y));
  });
  // A click is a left press and release on the same thing, still loaded.
  if (button == kLeftButton && target.window->loaded()) {
    Target under = hitTest(system_.cursor_);
    if (under.window == target.window && under.control == target.control) {
      dispatch([&] {
        if (target.control) target.control->hostClick();
        else target.window->hostClick();
      });
    }
  }
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

Control* HeadlessToolkit::keyboardFocus() const {
  for (auto it = loadedWindows().rbegin(); it != loadedWindows().rend(); ++it) {
    if ((*it)->modal() && (*it)->visible()) return (*it)->focused();
  }
  if (activeWindow_ && activeWindow_->focused()) return activeWindow_->focused();
  for (auto it = loadedWindows().rbegin(); it != loadedWindows().rend(); ++it) {
    if ((*it)->visible() && (*it)->focused()) return (*it)->focused();
  }
  return nullptr;
}

void HeadlessToolkit::type(std::string_view text) {
  for (char c : text) {
    int ascii = static_cast<unsigned char>(c);
    if (c == '\n') ascii = kEnter;
    key(KeyCodeOf(c), ascii);
  }
}

void HeadlessToolkit::key(int keyCode, int keyAscii) {
  Control* focus = keyboardFocus();
  if (!focus) return;
  if (keyCode == kTab) {
    Window& w = focus->owner();
    if (Control* next = w.nextTabStop(focus, false)) next->setFocus();
    return;
  }
  deliverKey(*focus, keyCode, keyAscii);
  releaseRetired();
}

void HeadlessToolkit::deliverKey(Control& control, int keyCode, int keyAscii) {
  int shift = 0;
  int code = keyCode;
  dispatch([&] { control.hostKeyDown(code, shift); });
  if (keyAscii != 0 && control.peer()) {
    int ascii = keyAscii;
    dispatch([&] { control.hostKeyPress(ascii); });
    if (ascii != 0 && control.peer() && control.kind() == Control::Kind::TextField) editText(control, ascii);
  }
  // The key comes up wherever the focus is by then.
  Control* up = keyboardFocus();
  if (!up || !up->peer()) return;
  code = keyCode;
  shift = 0;
  dispatch([&] { up->hostKeyUp(code, shift); });
}

// A single-line edit control: printable characters replace the selection unless the text
// would pass its maximum length; Backspace deletes the selection or the character before.
void HeadlessToolkit::editText(Control& field, int keyAscii) {
  std::string text = field.text();
  int start = field.selStart(), length = field.selLength();
  if (keyAscii == kBackspace) {
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
