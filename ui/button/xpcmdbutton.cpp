// The button's state machine: properties, persistence, input, caption placement and the
// pointer poll that notices when the pointer has left.
#include "ui/button/xpcmdbutton.h"

#include <cmath>

#include "ui/button/ButtonSkin.h"
#include "ui/button/NineSlice.h"
#include "platform/SkipOnError.h"

namespace morvane {

xpcmdbutton::xpcmdbutton(Window& owner, System& system, std::string displayName, Rect bounds,
                         const PropertyBag* stored)
    : Control(owner, Kind::Custom, std::move(displayName), bounds), system_(system),
      Timer1(owner, kPollIntervalMs, false) {
  Timer1.Tick = [this] { Timer1_Timer(); };
  RefreshLook();
  if (stored) {
    ReadProperties(*stored);
  } else {
    InitProperties();
  }
  // A window loads its controls once; a button added to a loaded window makes its own peers.
  if (owner.loaded()) {
    createPeer(owner.toolkit());
    Timer1.createPeer(owner.toolkit());
  }
}

xpcmdbutton::~xpcmdbutton() {
  SkipOnError([this] { RefreshLook(); });
}

// ---- Properties --------------------------------------------------------------------------

std::string xpcmdbutton::Caption() const { return text(); }

// Only a caption that really changed moves the label, as a label's own change notice does.
void xpcmdbutton::SetCaption(std::string caption) {
  bool differs = caption != text();
  setText(std::move(caption));
  Notify("Caption");
  if (differs) UserControl_Resize();
}

bool xpcmdbutton::Enabled() const { return enabled(); }

void xpcmdbutton::SetEnabled(bool on) {
  setEnabled(on);
  Notify("Enabled");
  RefreshLook();
  setForeColor(Enabled() ? kEnabledCaption : kDisabledCaption);
}

FontRef xpcmdbutton::Font() const { return font(); }

void xpcmdbutton::SetFont(FontRef font) {
  setFont(std::move(font));
  UserControl_Resize();
  Notify("Font");
}

std::int32_t xpcmdbutton::State() const { return state_; }

void xpcmdbutton::SetState(std::int32_t state) {
  state_ = state;
  Notify("State");
  RefreshLook();
}

void xpcmdbutton::Notify(std::string_view property) {
  if (PropertyChanged) PropertyChanged(property);
}

// ---- Persistence -------------------------------------------------------------------------

void xpcmdbutton::InitProperties() {
  SetEnabled(true);
  SetCaption(name());
  SetFont(owner().font());
}

void xpcmdbutton::ReadProperties(const PropertyBag& bag) {
  SetState(bag.ReadProperty<std::int32_t>("State", 0));
  SetEnabled(bag.ReadProperty("Enabled", true));
  SetCaption(bag.ReadProperty<std::string>("Caption", name()));
  SetFont(bag.ReadProperty<FontRef>("Font", owner().font()));
}

void xpcmdbutton::WriteProperties(PropertyBag& bag) const {
  bag.WriteProperty("State", state_, std::int32_t{0});
  bag.WriteProperty("Enabled", Enabled(), true);
  bag.WriteProperty("Caption", Caption(), name());
  bag.WriteProperty("Font", Font(), owner().font());
}

// ---- Looks -------------------------------------------------------------------------------

void xpcmdbutton::RefreshLook() {
  restLook_ = NextRestLook(state_, restLook_);
  PaintSkin(RefreshedLook(Enabled(), restLook_));
}

void xpcmdbutton::PaintSkin(const ButtonLook& look) {
  Surface* surface = peer() ? peer()->surface() : nullptr;
  if (!surface) return;
  PaintNineSlice(*surface, ButtonSkin(look));
  peer()->present();
}

void xpcmdbutton::UserControl_Resize() {
  RefreshLook();
  lblSize_ = owner().toolkit().measureText(CaptionFont(), text());
  Size size = SurfaceSize();
  lblTop_ = static_cast<float>(size.h - lblSize_.h) / 2;
  lblLeft_ = static_cast<float>(size.w - lblSize_.w) / 2;
  // Half-pixel positions go to the pixel above and to the left.
  setTextOrigin({static_cast<int>(std::floor(lblLeft_)), static_cast<int>(std::floor(lblTop_))});
}

Size xpcmdbutton::SurfaceSize() const {
  if (Surface* surface = peer() ? peer()->surface() : nullptr) return {surface->width(), surface->height()};
  return {bounds().w, bounds().h};
}

const morvane::Font& xpcmdbutton::CaptionFont() const {
  static const morvane::Font fallback;
  return font() ? *font() : fallback;
}

// ---- Input -------------------------------------------------------------------------------

void xpcmdbutton::hostCreated() {
  UserControl_Resize();
  RefreshLook();
}

void xpcmdbutton::hostClick() {
  if (Enabled() && Click) Click();
}

void xpcmdbutton::hostAccessKey() { hostClick(); }

// The caption is a label without a window of its own: the part of it that lies on the
// button takes the pointer there.
bool xpcmdbutton::OverCaption(float x, float y) const {
  Size size = SurfaceSize();
  bool onButton = x >= 0 && y >= 0 && x < static_cast<float>(size.w) && y < static_cast<float>(size.h);
  return onButton && x >= lblLeft_ && y >= lblTop_ && x < lblLeft_ + static_cast<float>(lblSize_.w) &&
         y < lblTop_ + static_cast<float>(lblSize_.h);
}

void xpcmdbutton::hostMouseDown(int button, int shift, float x, float y) {
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
void xpcmdbutton::hostMouseMove(int button, int shift, float x, float y) {
  if (!Enabled()) return;
  if (OverCaption(x, y)) {
    x = lblLeft_;
    y = lblTop_;
  }
  // Every move starts the poll's interval afresh, as SetTimer does.
  Timer1.setEnabled(false);
  Timer1.setEnabled(true);
  if (!WithinButton(x, y, SurfaceSize())) return;
  if (MouseMove) MouseMove(button, shift, x, y);
  PaintSkin(MoveLook(button));
}

void xpcmdbutton::hostMouseUp(int button, int shift, float x, float y) {
  if (!Enabled()) return;
  if (pressedOnCaption_) {
    x -= lblLeft_;
    y -= lblTop_;
  }
  if (MouseUp) MouseUp(button, shift, x, y);
  RefreshLook();
}

void xpcmdbutton::hostKeyDown(int& keyCode, int& shift) {
  if (Enabled()) Control::hostKeyDown(keyCode, shift);
}

void xpcmdbutton::hostKeyPress(int& keyAscii) {
  if (Enabled()) Control::hostKeyPress(keyAscii);
}

void xpcmdbutton::hostKeyUp(int& keyCode, int& shift) {
  if (Enabled()) Control::hostKeyUp(keyCode, shift);
}

// ---- Pointer poll ------------------------------------------------------------------------

// Purely geometric: a window covering the button still counts as the button.
void xpcmdbutton::Timer1_Timer() {
  Point p = screenToClient(system_.cursorPos());
  if (WithinButton(static_cast<float>(p.x), static_cast<float>(p.y), SurfaceSize())) return;
  Timer1.setEnabled(false);
  if (MouseOut) MouseOut();
  RefreshLook();
}

}  // namespace morvane
