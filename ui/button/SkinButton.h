// The program's own push button: a skinned face with five looks, a centred caption, the
// host's events raised with their arguments by reference, a MouseOut event of its own and
// four persisted properties. The backend delivers input, keeps the painted face and draws
// the caption over it at the text origin; look rules, skins and nine-slice painting live
// in their own files beside this one.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/system.h"
#include "platform/Window.h"
#include "ui/button/ButtonLook.h"
#include "ui/button/PropertyBag.h"

namespace morvane {

class SkinButton : public Control {
 public:
  static constexpr const char* kClassName = "Morvane.xpcmdbutton";
  static constexpr int kPollIntervalMs = 15;
  static constexpr Color kEnabledCaption = 0;
  static constexpr Color kDisabledCaption = Rgb(161, 161, 146);

  // A button placed on its window under its display name; properties restored from
  // `stored` when given (ReadProperties), otherwise set as a new instance (InitProperties).
  // The system is where the pointer poll reads the cursor.
  SkinButton(Window& owner, System& system, std::string displayName, Rect bounds,
              const PropertyBag* stored = nullptr);
  ~SkinButton() override;

  // Properties. Each write notifies PropertyChanged, even when the value is unchanged.
  std::string Caption() const;
  void SetCaption(std::string caption);
  bool Enabled() const;
  void SetEnabled(bool on);
  FontRef Font() const;  // the window's font until one is set
  void SetFont(FontRef font);
  std::int32_t State() const;
  void SetState(std::int32_t state);

  // A new size, however it was set, re-centres the caption and repaints.
  void hostResized() override { UserControl_Resize(); }

  // Events. The container may set either name of a standard event: the Button names are
  // the very handlers Control raises.
  std::function<void()>& ButtonClick = Click;
  KeyHandler& ButtonKeyDown = KeyDown;
  KeyHandler& ButtonKeyUp = KeyUp;
  KeyPressHandler& ButtonKeyPress = KeyPress;
  MouseHandler& ButtonMouseDown = MouseDown;
  MouseHandler& ButtonMouseMove = MouseMove;
  MouseHandler& ButtonMouseUp = MouseUp;
  std::function<void()> MouseOut;
  // The host hears which persisted property was written: "State", "Enabled", "Caption", "Font".
  std::function<void(std::string_view property)> PropertyChanged;

  // Persistence.
  void ReadProperties(const PropertyBag& bag);
  void WriteProperties(PropertyBag& bag) const;

  void RefreshLook();
  void PaintSkin(const ButtonLook& look);
  void UserControl_Resize();
  ButtonLook RestLook() const { return restLook_; }
  // Where the caption label sits, in surface pixels (halves allowed); the text origin is
  // this rounded towards the top left.
  float CaptionLeft() const { return lblLeft_; }
  float CaptionTop() const { return lblTop_; }
  Size CaptionSize() const { return lblSize_; }
  bool PollArmed() const { return pollTimer.enabled(); }

  // Host notifications. While the button is disabled it takes no input.
  void hostCreated() override;
  void hostClick() override;
  void hostDoubleClick() override {}  // the button raises no double-click event
  void hostMouseDown(int button, int shift, float x, float y) override;
  void hostMouseMove(int button, int shift, float x, float y) override;
  void hostMouseUp(int button, int shift, float x, float y) override;
  void hostKeyDown(int& keyCode, int& shift) override;
  void hostKeyPress(int& keyAscii) override;
  void hostKeyUp(int& keyCode, int& shift) override;
  void hostAccessKey() override;

 private:
  // Writing these directly would skip the look, caption colour and notifications.
  using Control::setEnabled;
  using Control::setFont;
  using Control::setForeColor;
  using Control::setText;

  void InitProperties();
  void Notify(std::string_view property);
  void pollTick();
  bool OverCaption(float x, float y) const;
  Size SurfaceSize() const;
  const morvane::Font& CaptionFont() const;

  System& system_;
  std::int32_t state_ = 0;
  ButtonLook restLook_ = ButtonLook::Normal;
  float lblLeft_ = 0;
  float lblTop_ = 0;
  Size lblSize_;
  bool pressedOnCaption_ = false;
  Timer pollTimer;
};

}  // namespace morvane
