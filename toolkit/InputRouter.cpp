// The input decisions for the pointer: hit-testing, capture, clicks and double-clicks;
// keys, focus, activation and modal dialogs are in KeyRouting.cpp.
#include "toolkit/InputRouter.h"

#include <algorithm>
#include <cstdlib>

#include "toolkit/Window.h"

namespace morvane {

namespace {

Point ClientToScreen(const Window& window, Point client) {
  Point origin = window.clientOrigin();
  return {origin.x + client.x, origin.y + client.y};
}

}  // namespace

// ---- The pointer -----------------------------------------------------------------------

// The first visible, enabled control under the point takes it (controls made earlier lie
// above later ones); the window's face takes what no control does. A line is drawn on the
// face and takes nothing.
InputRouter::Target InputRouter::hitTest(Window& window, Point client) const {
  for (Control* c : window.controls()) {
    if (!c->visible() || !c->enabled() || !c->peer() || !c->takesInput()) continue;
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

void InputRouter::raise(const Target& target, void (InputEvents::*notify)(const PointerEvent&),
                        const PointerEvent& event) {
  toolkit_.dispatch([&] {
    if (target.control) (target.control->*notify)(event);
    else if (target.window->loaded()) (target.window->*notify)(event);
  });
}

// A press goes to what holds the capture when another button is already down, else to what
// lies under it. The second left press on the same thing within the system's double-click
// time and distance is a double-click: it raises doubleClicked instead of pressed, and its
// release makes no click.
void InputRouter::pointerDown(Window& window, Point client, MouseButton button, Modifiers modifiers,
                              std::int64_t timeMs) {
  if (!window.loaded() || !window.inputEnabled()) return;
  dropped_ = dropped_.without(button);
  // The same button down again: its release went elsewhere (the capture was lost), so
  // nothing is held any more.
  if (buttons_.has(button)) {
    buttons_ = {};
    capture_ = {};
  }
  Target target = capture_.window ? capture_ : hitTest(window, client);
  if (!capture_.window && tooSoon(target, timeMs)) {
    dropped_ = dropped_.with(button);
    return;
  }
  Point screen = ClientToScreen(window, client);
  capture_ = target;
  buttons_ = buttons_.with(button);

  bool doubled = false;
  if (button == MouseButton::Left) {
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
  if (!doubled) {
    raise(target, &InputEvents::pressed, {localPoint(target, screen), button, buttons_, modifiers});
    return;
  }
  toolkit_.dispatch([&] {
    if (target.control) target.control->doubleClicked();
    else if (target.window->loaded()) target.window->doubleClicked();
  });
}

// A release goes to what holds the capture; a left one over what it pressed is a click. A
// release whose press the toolkit never saw, or that a system drag took, goes nowhere.
void InputRouter::pointerUp(Window& window, Point client, MouseButton button, Modifiers modifiers) {
  dropped_ = dropped_.without(button);
  if (!buttons_.has(button)) return;
  buttons_ = buttons_.without(button);
  Target target = capture_;
  if (buttons_.none()) capture_ = {};
  if (!target.window || !target.window->loaded()) return;
  Point screen = ClientToScreen(window, client);
  raise(target, &InputEvents::released, {localPoint(target, screen), button, buttons_, modifiers});
  if (button != MouseButton::Left) return;
  bool clicked = leftPressed_ == target && !secondPress_;
  leftPressed_ = {};
  secondPress_ = false;
  if (!clicked || !target.window || !over(target, screen)) return;
  toolkit_.dispatch([&] {
    if (target.control) target.control->clicked();
    else target.window->clicked();
  });
}

void InputRouter::pointerMove(Window& window, Point client, MouseButtons held, Modifiers modifiers) {
  if (!window.loaded() || !window.inputEnabled()) return;
  Target target = capture_.window ? capture_ : hitTest(window, client);
  // A dropped press is not held as far as anything under the pointer can tell.
  for (MouseButton b : {MouseButton::Left, MouseButton::Right, MouseButton::Middle}) {
    if (dropped_.has(b)) held = held.without(b);
  }
  raise(target, &InputEvents::moved,
        {localPoint(target, ClientToScreen(window, client)), MouseButton::None, held, modifiers});
}

void InputRouter::guardAfterShowing(const Control& control, int ms) { guards_.push_back({&control, ms}); }

// Input stamps may come from a 32-bit millisecond count that wraps every 49 days: a press
// stamped far before the showing is taken as one after the wrap.
bool InputRouter::tooSoon(const Target& target, std::int64_t timeMs) const {
  constexpr std::int64_t kLongBefore = 60'000;
  if (!target.control) return false;
  for (const Guard& guard : guards_) {
    if (guard.control != target.control) continue;
    const std::int64_t since = timeMs - target.window->shownAtMs();
    return since < guard.ms && since > -kLongBefore;
  }
  return false;
}

bool InputRouter::reachable(const Control& control) const {
  const Window& window = control.owner();
  return window.loaded() && window.visible() && window.inputEnabled() && control.peer() && control.visible() &&
         control.enabled() && control.takesInput();
}

void InputRouter::invoke(Control& control) {
  if (!reachable(control)) return;
  toolkit_.dispatch([&control] { control.clicked(); });
}

void InputRouter::systemDragStarted() {
  buttons_ = buttons_.without(MouseButton::Left);
  capture_ = {};
  leftPressed_ = {};
  secondPress_ = false;
}

void InputRouter::setDoubleClick(int timeMs, Size distance) {
  doubleClickMs_ = timeMs;
  doubleClickSize_ = distance;
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
  std::erase_if(guards_, [&](const Guard& guard) { return guard.control == &control; });
  if (capture_.control == &control) capture_ = {};
  if (leftPressed_.control == &control) leftPressed_ = {};
  if (lastLeft_.target.control == &control) lastLeft_ = {};
}

}  // namespace morvane
