// The program's own push button: a skinned face with its looks, a centred caption, a click
// on a press and release over it or its access key, and a pointer poll that notices the
// pointer leaving. The backend delivers input, keeps the painted face and draws the caption
// over it at the text origin; look rules, skins and nine-slice painting live in their own
// files beside this one.
#pragma once

#include <string>

#include "platform/system.h"
#include "toolkit/DrawnControl.h"
#include "toolkit/Window.h"
#include "ui/button/ButtonLook.h"

namespace morvane {

class SkinButton : public DrawnControl {
 public:
  static constexpr int kPollIntervalMs = 15;
  static constexpr Color kEnabledCaption = Rgb(0, 0, 0);
  static constexpr Color kDisabledCaption = Rgb(161, 161, 146);

  // A button placed on its window, captioned with its name in the window's font. The
  // system is where the pointer poll reads the cursor.
  SkinButton(Window& owner, System& system, std::string name, Rect bounds);
  ~SkinButton() override;

  const std::string& caption() const { return text(); }
  void setCaption(std::string caption);
  // These hide Control's own: each also repaints the look or places the caption anew.
  void setEnabled(bool enabled);
  void setFont(FontRef font);
  // The emphasised look at rest, in place of the normal one; a disabled button still
  // rests disabled.
  bool emphasised() const { return emphasised_; }
  void setEmphasised(bool emphasised);

  void refreshLook();
  void paintSkin(ButtonLook look);
  void placeCaption();
  // The pixels where the pointer is over the caption. The caption is centred, on a half
  // pixel when the spare room is odd: it is drawn from the pixel above and to the left (the
  // text origin) and takes the pointer from the next one.
  Rect captionArea() const { return captionArea_; }
  bool pollArmed() const { return pollTimer_.enabled(); }

  // While the button is disabled it takes no input.
  void created() override;
  void resized() override { placeCaption(); }
  void clicked() override;
  void doubleClicked() override {}  // a second press is just a press to a button
  void pressed(const PointerEvent& event) override;
  void moved(const PointerEvent& event) override;
  void released(const PointerEvent& event) override;
  KeyResult keyPressed(const KeyEvent& event) override;
  void keyReleased(const KeyEvent& event) override;
  KeyResult character(char32_t character) override;
  void accessKeyPressed() override { clicked(); }

 private:
  // Writing these directly would skip the caption's placement and colour.
  using Control::setForeColor;
  using Control::setText;

  void pollTick();
  bool overCaption(Point position) const;
  Size surfaceSize() const;
  const Font& captionFont() const;

  System& system_;
  Rect captionArea_;
  bool emphasised_ = false;
  Timer pollTimer_;
};

}  // namespace morvane
