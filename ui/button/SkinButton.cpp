// The button's state machine: properties, persistence, input, caption placement and the
// pointer poll that notices when the pointer has left.
#include "ui/button/SkinButton.h"

#include <cmath>

#include "ui/button/ButtonSkin.h"
#include "ui/button/NineSlice.h"
#include "platform/SkipOnError.h"

namespace morvane {

SkinButton::SkinButton(Window& owner, System& system, std::string displayName, Rect bounds,
                         const PropertyBag* stored)
    : Control(owner, Kind::Custom, std::move(displayName), bounds), system_(system),
      pollTimer(owner, kPollIntervalMs, false) {
  pollTimer.Tick = [this] { pollTick(); };
  RefreshLook();
  if (stored) {
    ReadProperties(*stored);
  } else {
    InitProperties();
  }
  // A window loads its controls once; a button added to a loaded window makes its own peers.
  if (owner.loaded()) {
    createPeer(owner.toolkit());
    pollTimer.createPeer(owner.toolkit());
  }
}

SkinButton::~SkinButton() {
  SkipOnError([this] { RefreshLook(); });
}

// ---- Properties --------------------------------------------------------------------------

std::string SkinButton::Caption() const { return text(); }

// Only a caption that really changed moves the label, as a label's own change notice does.
void SkinButton::SetCaption(std::string caption) {
  bool differs = caption != text();
  setText(std::move(caption));
  Notify("Caption");
  if (differs) UserControl_Resize();
}

bool SkinButton::Enabled() const { return enabled(); }

void SkinButton::SetEnabled(bool on) {
  setEnabled(on);
  Notify("Enabled");
  RefreshLook();
  setForeColor(Enabled() ? kEnabledCaption : kDisabledCaption);
}

FontRef SkinButton::Font() const { return font(); }

void SkinButton::SetFont(FontRef font) {
  setFont(std::move(font));
  UserControl_Resize();
  Notify("Font");
}

std::int32_t SkinButton::State() const { return state_; }

void SkinButton::SetState(std::int32_t state) {
  state_ = state;
  Notify("State");
  RefreshLook();
}

void SkinButton::Notify(std::string_view property) {
  if (PropertyChanged) PropertyChanged(property);
}

// ---- Persistence -------------------------------------------------------------------------

void SkinButton::InitProperties() {
  SetEnabled(true);
  SetCaption(name());
  SetFont(owner().font());
}

void SkinButton::ReadProperties(const PropertyBag& bag) {
  SetState(bag.ReadProperty<std::int32_t>("State", 0));
  SetEnabled(bag.ReadProperty("Enabled", true));
  SetCaption(bag.ReadProperty<std::string>("Caption", name()));
  SetFont(bag.ReadProperty<FontRef>("Font", owner().font()));
}

void SkinButton::WriteProperties(PropertyBag& bag) const {
  bag.WriteProperty("State", state_, std::int32_t{0});
  bag.WriteProperty("Enabled", Enabled(), true);
  bag.WriteProperty("Caption", Caption(), name());
  bag.WriteProperty("Font", Font(), owner().font());
}

// ---- Looks -------------------------------------------------------------------------------

void SkinButton::RefreshLook() {
  restLook_ = NextRestLook(state_, restLook_);
  PaintSkin(RefreshedLook(Enabled(), restLook_));
}

void SkinButton::PaintSkin(const ButtonLook& look) {
  Surface* surface = peer() ? peer()->surface() : nullptr;
  if (!surface) return;
  PaintNineSlice(*surface, ButtonSkin(look));
  peer()->present();
}

void SkinButton::UserControl_Resize() {
  RefreshLook();
  lblSize_ = owner().toolkit().measureText(CaptionFont(), text());
  Size size = SurfaceSize();
  lblTop_ = static_cast<float>(size.h - lblSize_.h) / 2;
  lblLeft_ = static_cast<float>(size.w - lblSize_.w) / 2;
  // Half-pixel positions go to the pixel above and to the left.
  setTextOrigin({static_cast<int>(std::floor(lblLeft_)), static_cast<int>(std::floor(lblTop_))});
}

Size SkinButton::SurfaceSize() const {
  if (Surface* surface = peer() ? peer()->surface() : nullptr) return {surface->width(), surface->height()};
  return {bounds().w, bounds().h};
}

const morvane::Font& SkinButton::CaptionFont() const {
  static const morvane::Font fallback;
  return font() ? *font() : fallback;
}

// ---- Input -------------------------------------------------------------------------------

void SkinButton::hostCreated() {
  UserControl_Resize();
  RefreshLook();
}

void SkinButton::hostClick() {
  if (Enabled() && Click) Click();
}

void SkinButton::hostAccessKey() { hostClick(); }

// The caption is a label without a window of its own: the part of it that lies on the
// button takes the pointer there.
bool SkinButton::OverCaption(float x, float y) const {
  Size size = SurfaceSize();
  bool onButton = x >= 0 && y >= 0 && x < static_cast<float>(size.w) && y < static_cast<float>(size.h);
  return onButton && x >= lblLeft_ && y >= lblTop_ && x < lblLeft_ + static_cast<float>(lblSize_.w) &&
         y < lblTop_ + static_cast<float>(lblSize_.h);
}

void SkinButton::hostMouseDown(int button, int shift, float x, float y) {
  if (!Enabled()) return;
  pressedOnCaption_ = OverCaption(x, y);
  if (pressedOnCaption_) {
    x -= lblLeft_;
    y -= lblTop_;
  }
  if (MouseDown) MouseDown(button, shift, x, y);
  PaintSkin(ButtonLook::Pressed);
}

// A move over the caption reports the caption's own corner, so a caption that overhangs
// the button takes no hover. Moves are routed by where the pointer is, also while a
// button is held, so dragging out never raises a move outside.
void SkinButton::hostMouseMove(int button, int shift, float x, float y) {
  if (!Enabled()) return;
  if (OverCaption(x, y)) {
    x = lblLeft_;
    y = lblTop_;
  }
  // Every move starts the poll's interval afresh, as SetTimer does.
  pollTimer.setEnabled(false);
  pollTimer.setEnabled(true);
  if (!WithinButton(x, y, SurfaceSize())) return;
  if (MouseMove) MouseMove(button, shift, x, y);
  PaintSkin(MoveLook(button));
}

void SkinButton::hostMouseUp(int button, int shift, float x, float y) {
  if (!Enabled()) return;
  if (pressedOnCaption_) {
    x -= lblLeft_;
    y -= lblTop_;
  }
  if (MouseUp) MouseUp(button, shift, x, y);
  RefreshLook();
}

void SkinButton::hostKeyDown(int& keyCode, int& shift) {
  if (Enabled()) Control::hostKeyDown(keyCode, shift);
}

void SkinButton::hostKeyPress(int& keyAscii) {
  if (Enabled()) Control::hostKeyPress(keyAscii);
}

void SkinButton::hostKeyUp(int& keyCode, int& shift) {
  if (Enabled()) Control::hostKeyUp(keyCode, shift);
}

// ---- Pointer poll ------------------------------------------------------------------------

// Purely geometric: a window covering the button still counts as the button.
void SkinButton::pollTick() {
  Point p = screenToClient(system_.cursorPos());
  if (WithinButton(static_cast<float>(p.x), static_cast<float>(p.y), SurfaceSize())) return;
  pollTimer.setEnabled(false);
  if (MouseOut) MouseOut();
  RefreshLook();
}

}  // namespace morvane
