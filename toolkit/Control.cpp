// What every control shares: state, change forwarding and key events.
#include "toolkit/Control.h"

#include "toolkit/InputRouter.h"
#include "toolkit/Toolkit.h"
#include "toolkit/Window.h"

namespace morvane {

Control::Control(Window& owner, std::string name, Rect bounds, AccessibleRole role, bool tabStop)
    : owner_(owner), name_(std::move(name)), bounds_(bounds), tabStop_(tabStop), role_(role) {
  owner_.add(*this);
}

Control::~Control() {
  if (owner_.focused() == this) owner_.setFocused(nullptr);
  owner_.toolkit().input().forget(*this);
  owner_.remove(*this);
}

void Control::changed(Prop what) {
  if (peer_) peer_->apply(what);
}

void Control::setText(std::string text) {
  text = fitted(std::move(text));
  if (text == text_) return;
  text_ = std::move(text);
  textReplaced();
  changed(Prop::Text);
}

void Control::setTextFromPeer(std::string text) { text_ = std::move(text); }

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
  bool sizeChanged = bounds.w != bounds_.w || bounds.h != bounds_.h;
  bounds_ = bounds;
  changed(Prop::Bounds);
  if (sizeChanged) resized();
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

void Control::setFocus() {
  owner_.setFocused(this);
  if (owner_.toolkit().input().activeWindow() == &owner_) changed(Prop::Focus);
}

bool Control::hasFocus() const { return owner_.focused() == this; }

// "&&" stands for an ampersand; a single one marks the access key and is not read out.
std::string Control::accessibleName() const {
  if (!accessibleName_.empty()) return accessibleName_;
  std::string name;
  for (std::size_t i = 0; i < text_.size(); ++i) {
    if (text_[i] == '&') ++i;
    if (i < text_.size()) name += text_[i];
  }
  return name;
}

void Control::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  changed(Prop::Checked);
}

Point Control::screenToClient(Point screen) const {
  if (peer_) return peer_->screenToClient(screen);
  Point origin = owner_.clientOrigin();
  return {screen.x - origin.x - bounds_.x, screen.y - origin.y - bounds_.y};
}

KeyResult Control::keyPressed(const KeyEvent& event) { return key_ ? key_(event) : KeyResult::Ignored; }

void Control::keyReleased(const KeyEvent& event) {
  if (keyReleased_) keyReleased_(event);
}

void Control::createPeer(Toolkit& toolkit) {
  peer_ = makePeer(toolkit);
  created();
}

void Control::destroyPeer() {
  owner_.toolkit().input().forget(*this);
  peer_.reset();
}

}  // namespace morvane
