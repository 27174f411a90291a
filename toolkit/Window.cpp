// Windows: loading, showing, unloading, geometry and their own events.
#include "toolkit/Window.h"

#include <algorithm>

namespace morvane {

Window::Window(Toolkit& toolkit, std::string caption, Size client)
    : toolkit_(toolkit), caption_(std::move(caption)), client_(client), bounds_{0, 0, client.w, client.h},
      font_(std::make_shared<const Font>()) {}

Window::~Window() {
  if (loaded_) toolkit_.windowUnloaded(*this);
  toolkit_.input().forget(*this);
  for (Timer* timer : timers_) timer->destroyPeer();
  for (Control* control : controls_) control->destroyPeer();
  peer_.reset();
}

void Window::load(Size screen) {
  if (loaded_) return;
  int frame = border_ == Border::Single ? 2 : 0;
  bounds_.w = client_.w + frame;
  bounds_.h = client_.h + frame;
  if (startPosition_ == StartPosition::CenterScreen) {
    bounds_.x = (screen.w - bounds_.w) / 2;
    bounds_.y = (screen.h - bounds_.h) / 2;
  }
  loaded_ = true;
  toolkit_.windowLoaded(*this);
  // A window whose system window or controls could not be made is not loaded: the next use
  // tries again.
  try {
    peer_ = toolkit_.createPeer(*this);
    for (Control* control : controls_) control->createPeer(toolkit_);
    for (Timer* timer : timers_) timer->createPeer(toolkit_);
  } catch (...) {
    unload();
    throw;
  }
  onLoad();
}

// A modal dialog hands activation back to its owner before it goes.
void Window::unload() {
  if (!loaded_) return;
  if (modal_) toolkit_.input().endModal(*this);
  toolkit_.input().forget(*this);
  loaded_ = false;
  visible_ = false;
  for (Timer* timer : timers_) timer->destroyPeer();
  for (Control* control : controls_) control->destroyPeer();
  peer_.reset();
  focused_ = nullptr;
  toolkit_.windowUnloaded(*this);
}

void Window::closeRequested() { unload(); }

void Window::show() {
  if (!loaded_ || visible_) return;
  visible_ = true;
  shownAtMs_ = toolkit_.inputTimeMs();
  if (peer_) peer_->apply(Prop::Visible);
}

void Window::hide() {
  if (!visible_) return;
  if (modal_) toolkit_.input().endModal(*this);
  visible_ = false;
  if (peer_) peer_->apply(Prop::Visible);
}

void Window::showModal() {
  if (!loaded_) return;
  modal_ = true;
  toolkit_.enterModal();
  toolkit_.input().beginModal(*this);
  try {
    toolkit_.runModal(*this);
  } catch (...) {
    toolkit_.input().endModal(*this);
    toolkit_.leaveModal();
    modal_ = false;
    throw;
  }
  toolkit_.input().endModal(*this);
  toolkit_.leaveModal();
  modal_ = false;
}

void Window::setBounds(Rect bounds) {
  if (bounds == bounds_) return;
  bounds_ = bounds;
  if (peer_) peer_->apply(Prop::Bounds);
}

void Window::setHeight(int height) { setBounds({bounds_.x, bounds_.y, bounds_.w, height}); }

Point Window::clientOrigin() const {
  int frame = border_ == Border::Single ? 1 : 0;
  return {bounds_.x + frame, bounds_.y + frame};
}

void Window::repaint() {
  if (peer_) peer_->apply(Prop::Face);
}

void Window::makeTopmost() {
  topmost_ = true;
  if (peer_) peer_->makeTopmost();
}

// The system's move loop takes the press: it ends with the button up, and no release or
// click follows.
void Window::beginSystemDrag() {
  toolkit_.input().systemDragStarted();
  if (peer_) peer_->beginSystemDrag();
}

void Window::setInputEnabled(bool enabled) {
  if (enabled == inputEnabled_) return;
  inputEnabled_ = enabled;
  if (peer_) peer_->apply(Prop::Enabled);
}

void Window::addKey(char32_t character, bool alt, std::function<void()> action, std::function<bool()> available) {
  keys_.push_back({character, alt, std::move(action), std::move(available)});
}

void Window::activationChanged(Activation activation) {
  if (activationChanged_) activationChanged_(activation);
}

Rect Window::clientRect() const {
  int frame = border_ == Border::Single ? 2 : 0;
  return {0, 0, bounds_.w - frame, bounds_.h - frame};
}

Control* Window::nextTabStop(Control* from, bool backwards) const {
  std::vector<Control*> stops;
  for (Control* c : controls_) {
    if (c->tabStop() && c->visible() && c->enabled()) stops.push_back(c);
  }
  if (stops.empty()) return nullptr;
  auto it = std::find(stops.begin(), stops.end(), from);
  if (it == stops.end()) return backwards ? stops.back() : stops.front();
  size_t index = static_cast<size_t>(it - stops.begin());
  size_t n = stops.size();
  return stops[backwards ? (index + n - 1) % n : (index + 1) % n];
}

void Window::remove(Control& control) { std::erase(controls_, &control); }

void Window::remove(Timer& timer) { std::erase(timers_, &timer); }

}  // namespace morvane
