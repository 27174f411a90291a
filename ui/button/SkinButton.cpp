// The button's state machine: caption and enabled state, input, caption placement and the
// pointer poll that notices when the pointer has left.
#include "ui/button/SkinButton.h"

#include "platform/SkipOnError.h"
#include "ui/button/ButtonSkin.h"
#include "ui/button/NineSlice.h"

namespace morvane {

namespace {

// Half of a whole number of pixels, rounded down or up; negative for a caption larger
// than its button.
int HalfDown(int pixels) { return pixels >= 0 ? pixels / 2 : -((1 - pixels) / 2); }
int HalfUp(int pixels) { return -HalfDown(-pixels); }

}  // namespace

SkinButton::SkinButton(Window& owner, System& system, std::string name, Rect bounds)
    : DrawnControl(owner, std::move(name), bounds), system_(system),
      pollTimer_(owner, kPollIntervalMs, false) {
  pollTimer_.onTick([this] { pollTick(); });
  setEnabled(true);
  setCaption(this->name());
  setFont(owner.font());
  // A window loads its controls once; a button added to a loaded window makes its own peers.
  if (owner.loaded()) {
    createPeer(owner.toolkit());
    pollTimer_.createPeer(owner.toolkit());
  }
}

SkinButton::~SkinButton() {
  SkipOnError([this] { refreshLook(); });
}

// Only a caption that really changed moves it, as a label's own change notice does.
void SkinButton::setCaption(std::string caption) {
  bool differs = caption != text();
  setText(std::move(caption));
  if (differs) placeCaption();
}

// Written again with the same value, it still repaints the resting look.
void SkinButton::setEnabled(bool enabled) {
  Control::setEnabled(enabled);
  refreshLook();
  setForeColor(enabled ? kEnabledCaption : kDisabledCaption);
}

void SkinButton::setFont(FontRef font) {
  Control::setFont(std::move(font));
  placeCaption();
}

void SkinButton::setEmphasised(bool emphasised) {
  emphasised_ = emphasised;
  refreshLook();
}

// ---- Looks -------------------------------------------------------------------------------

void SkinButton::refreshLook() { paintSkin(RestingLook(enabled(), emphasised_)); }

void SkinButton::paintSkin(ButtonLook look) {
  Surface* surface = peer() ? peer()->surface() : nullptr;
  if (!surface) return;
  PaintNineSlice(*surface, ButtonSkin(look));
  peer()->present();
}

void SkinButton::placeCaption() {
  refreshLook();
  Size caption = owner().toolkit().measureText(captionFont(), text());
  Size size = surfaceSize();
  const int spareW = size.w - caption.w, spareH = size.h - caption.h;
  captionArea_ = {HalfUp(spareW), HalfUp(spareH), caption.w, caption.h};
  setTextOrigin({HalfDown(spareW), HalfDown(spareH)});
}

Size SkinButton::surfaceSize() const {
  if (Surface* surface = peer() ? peer()->surface() : nullptr) return {surface->width(), surface->height()};
  return {bounds().w, bounds().h};
}

const Font& SkinButton::captionFont() const {
  static const Font fallback;
  return font() ? *font() : fallback;
}

// ---- Input -------------------------------------------------------------------------------

void SkinButton::created() {
  placeCaption();
  refreshLook();
}

void SkinButton::clicked() {
  if (enabled()) Control::clicked();
}

// The part of the caption that lies on the button.
bool SkinButton::overCaption(Point position) const {
  Size size = surfaceSize();
  return Rect{0, 0, size.w, size.h}.contains(position) && captionArea_.contains(position);
}

void SkinButton::pressed(const PointerEvent& event) {
  if (!enabled()) return;
  Control::pressed(event);
  paintSkin(ButtonLook::Pressed);
}

// The caption takes the pointer as a whole at its own corner, so a caption that overhangs
// the button takes no hover. Moves are routed by where the pointer is, also while a button
// is held, so dragging out raises no move outside.
void SkinButton::moved(const PointerEvent& event) {
  if (!enabled()) return;
  // The caption's corner is its text origin: it lies on the button exactly when the caption
  // is no larger than the button.
  Point at = overCaption(event.position) ? textOrigin() : event.position;
  // Every move starts the poll's interval afresh: a timer enabled again counts from zero.
  pollTimer_.setEnabled(false);
  pollTimer_.setEnabled(true);
  if (!WithinButton(at, surfaceSize())) return;
  Control::moved(event);
  paintSkin(MoveLook(event.held));
}

void SkinButton::released(const PointerEvent& event) {
  if (!enabled()) return;
  Control::released(event);
  refreshLook();
}

KeyResult SkinButton::keyPressed(const KeyEvent& event) {
  return enabled() ? Control::keyPressed(event) : KeyResult::Ignored;
}

void SkinButton::keyReleased(const KeyEvent& event) {
  if (enabled()) Control::keyReleased(event);
}

KeyResult SkinButton::character(char32_t character) {
  return enabled() ? Control::character(character) : KeyResult::Ignored;
}

// ---- Pointer poll ------------------------------------------------------------------------

// Purely geometric: a window covering the button still counts as the button.
void SkinButton::pollTick() {
  if (WithinButton(screenToClient(system_.cursorPos()), surfaceSize())) return;
  pollTimer_.setEnabled(false);
  refreshLook();
}

}  // namespace morvane
