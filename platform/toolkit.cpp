// Portable halves of windows, controls and timers: state, change forwarding and event raising.
#include "platform/toolkit.h"

#include <algorithm>

namespace morvane {

Toolkit::~Toolkit() = default;

void Toolkit::windowLoaded(Window& window) { loaded_.push_back(&window); }

void Toolkit::windowUnloaded(Window& window) { std::erase(loaded_, &window); }

void Toolkit::retire(std::unique_ptr<Window> window) { retired_.push_back(std::move(window)); }

void Toolkit::releaseRetired() {
  if (depth_ == 0) retired_.clear();
}

void Toolkit::dispatch(const std::function<void()>& handler) noexcept {
  ++depth_;
  try {
    handler();
  } catch (...) {
    // A failing handler must not take the message loop down with it.
  }
  --depth_;
}

// ---- Control ---------------------------------------------------------------------------

Control::Control(Window& owner, Kind kind, std::string name, Rect bounds)
    : owner_(owner), kind_(kind), name_(std::move(name)), bounds_(bounds) {
  tabStop_ = kind == Kind::TextField || kind == Kind::Custom;
  owner_.add(*this);
}

Control::~Control() {
  if (owner_.focused() == this) owner_.setFocused(nullptr);
  owner_.remove(*this);
}

void Control::changed(Prop what) {
  if (peer_) peer_->apply(what);
}

void Control::setText(std::string text) {
  if (maxLength_ > 0 && kind_ == Kind::TextField && static_cast<int>(text.size()) > maxLength_) {
    text.resize(static_cast<size_t>(maxLength_));
  }
  if (text == text_) return;
  text_ = std::move(text);
  selStart_ = std::min(selStart_, static_cast<int>(text_.size()));
  selLength_ = 0;
  changed(Prop::Text);
}

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (!visible && owner_.focused() == this) owner_.setFocused(nullptr);
  changed(Prop::Visible);
}

void Control::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  changed(Prop::Enabled);
}

void Control::setBounds(Rect bounds) {
  if (bounds == bounds_) return;
  bool resized = bounds.w != bounds_.w || bounds.h != bounds_.h;
  bounds_ = bounds;
  changed(Prop::Bounds);
  if (resized) hostResized();
}

void Control::setForeColor(Color colour) {
  if (colour == foreColor_) return;
  foreColor_ = colour;
  changed(Prop::ForeColor);
}

const FontRef& Control::font() const { return font_ ? font_ : owner_.font(); }

void Control::setFont(FontRef font) {
  font_ = std::move(font);
  changed(Prop::Font);
}

void Control::setTooltip(std::string tip) {
  tooltip_ = std::move(tip);
  changed(Prop::Tooltip);
}

void Control::setCursor(Cursor cursor) {
  cursor_ = cursor;
  changed(Prop::Cursor);
}

void Control::setTextOrigin(Point origin) {
  if (origin == textOrigin_) return;
  textOrigin_ = origin;
  changed(Prop::Text);
}

void Control::setMaxLength(int length) {
  maxLength_ = length;
  changed(Prop::MaxLength);
}

void Control::setSelection(int start, int length) {
  int size = static_cast<int>(text_.size());
  selStart_ = std::clamp(start, 0, size);
  selLength_ = std::clamp(length, 0, size - selStart_);
  changed(Prop::Selection);
}

void Control::setFocus() {
  owner_.setFocused(this);
  changed(Prop::Focus);
}

bool Control::hasFocus() const { return owner_.focused() == this; }

Point Control::screenToClient(Point screen) const {
  if (peer_) return peer_->screenToClient(screen);
  Point origin = owner_.clientOrigin();
  return {screen.x - origin.x - bounds_.x, screen.y - origin.y - bounds_.y};
}

void Control::hostClick() {
  if (Click) Click();
}

void Control::hostMouseDown(int button, int shift, float x, float y) {
  if (MouseDown) MouseDown(button, shift, x, y);
}

void Control::hostMouseMove(int button, int shift, float x, float y) {
  if (MouseMove) MouseMove(button, shift, x, y);
}

void Control::hostMouseUp(int button, int shift, float x, float y) {
  if (MouseUp) MouseUp(button, shift, x, y);
}

void Control::hostKeyDown(int& keyCode, int& shift) {
  if (KeyDown) KeyDown(keyCode, shift);
}

// With key preview on, the window sees each character before the control; a window that
// discards the character or closes itself keeps it from the control.
void Control::hostKeyPress(int& keyAscii) {
  if (owner_.keyPreview() && owner_.KeyPress) {
    owner_.KeyPress(keyAscii);
    if (keyAscii == 0 || !owner_.loaded()) return;
  }
  if (KeyPress) KeyPress(keyAscii);
}

void Control::hostKeyUp(int& keyCode, int& shift) {
  if (KeyUp) KeyUp(keyCode, shift);
}

void Control::hostTextChanged(std::string text) {
  text_ = std::move(text);
  selStart_ = std::min(selStart_, static_cast<int>(text_.size()));
  selLength_ = std::min(selLength_, static_cast<int>(text_.size()) - selStart_);
}

void Control::hostFocusChanged(bool focused) {
  if (focused) {
    owner_.setFocused(this);
  } else if (owner_.focused() == this) {
    owner_.setFocused(nullptr);
  }
}

void Control::createPeer(Toolkit& toolkit) {
  peer_ = toolkit.createPeer(*this);
  hostCreated();
}

void Control::destroyPeer() { peer_.reset(); }

// ---- Timer -----------------------------------------------------------------------------

Timer::Timer(Window& owner, int intervalMs, bool enabled)
    : owner_(owner), interval_(intervalMs), enabled_(enabled) {
  owner_.add(*this);
}

Timer::~Timer() { owner_.remove(*this); }

void Timer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (peer_) peer_->apply();
}

void Timer::setInterval(int intervalMs) {
  if (intervalMs == interval_) return;
  interval_ = intervalMs;
  if (peer_) peer_->apply();
}

bool Timer::running() const { return enabled_ && interval_ > 0 && owner_.loaded(); }

void Timer::hostTick() {
  if (running() && Tick) Tick();
}

void Timer::createPeer(Toolkit& toolkit) { peer_ = toolkit.createPeer(*this); }

// ---- Window ----------------------------------------------------------------------------

Window::Window(Toolkit& toolkit, std::string caption, Size client)
    : toolkit_(toolkit), caption_(std::move(caption)), client_(client), bounds_{0, 0, client.w, client.h},
      font_(MakeFont("MS Sans Serif", 8.25)) {}

Window::~Window() {
  if (loaded_) toolkit_.windowUnloaded(*this);
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
  peer_ = toolkit_.createPeer(*this);
  for (Control* control : controls_) control->createPeer(toolkit_);
  for (Timer* timer : timers_) timer->createPeer(toolkit_);
  Form_Load();
}

void Window::unload() {
  if (!loaded_) return;
  loaded_ = false;
  visible_ = false;
  for (Timer* timer : timers_) timer->destroyPeer();
  for (Control* control : controls_) control->destroyPeer();
  peer_.reset();
  focused_ = nullptr;
  toolkit_.windowUnloaded(*this);
}

void Window::hostCloseRequested() { unload(); }

void Window::show() {
  if (!loaded_ || visible_) return;
  visible_ = true;
  if (peer_) peer_->apply(Prop::Visible);
}

void Window::hide() {
  if (!visible_) return;
  visible_ = false;
  if (peer_) peer_->apply(Prop::Visible);
}

void Window::showModal() {
  if (!loaded_) return;
  modal_ = true;
  toolkit_.enterModal();
  try {
    toolkit_.runModal(*this);
  } catch (...) {
    toolkit_.leaveModal();
    modal_ = false;
    throw;
  }
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

void Window::beginSystemDrag() {
  if (peer_) peer_->beginSystemDrag();
}

void Window::trackActivation(std::function<void(std::uint32_t)> handler) {
  activation_ = std::move(handler);
  if (peer_) peer_->trackActivation();
}

void Window::hostClick() {
  if (Click) Click();
}

void Window::hostMouseDown(int button, int shift, float x, float y) {
  if (MouseDown) MouseDown(button, shift, x, y);
}

void Window::hostMouseMove(int button, int shift, float x, float y) {
  if (MouseMove) MouseMove(button, shift, x, y);
}

void Window::hostMouseUp(int button, int shift, float x, float y) {
  if (MouseUp) MouseUp(button, shift, x, y);
}

void Window::hostActivated(std::uint32_t state) {
  if (activation_) activation_(state);
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
