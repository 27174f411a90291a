// The bar at the top edge: activation tracking, folding to its blinking line, and dragging.
#include "ui/Program.h"
#include "ui/bar/BarFace.h"
#include "ui/bar/DockingRule.h"
#include "ui/bar/MainBar.h"

namespace morvane {

// Activated again by the task switcher, Alt+Tab or a screen reader, the bar opens for the
// keyboard. A click leaves the pointer's rule alone, and so does the activation that comes
// with the bar's own showing: it comes before the bar was ever inactive (under Wine, more
// than once, and after the showing itself).
void MainBar::activated(Activation activation) {
  if (!activation.active()) wasInactive_ = true;
  openForKeyboard_ = activation.kind == ActivationKind::Active && !activation.minimized && wasInactive_;
  pointerCameOver_ = false;
}

// Applied on every tick, whether or not the state changed.
void MainBar::dockTick() {
  Point cursor = program_.system().cursorPos();
  bool outside = CursorOutsideBar(cursor, left(), width(), height());
  if (!outside) pointerCameOver_ = true;
  if (outside && pointerCameOver_) openForKeyboard_ = false;
  const bool active = toolkit().input().isActive(*this);
  if (BarShouldCollapse(outside, counting_, active, openForKeyboard_)) {
    setHeight(kBarFoldedHeight);
    foldedLine.setVisible(true);
    blinkTimer.setEnabled(true);
    for (SkinButton* button : buttons()) button->setVisible(false);
  } else {
    setHeight(kBarOpenHeight);
    foldedLine.setVisible(false);
    blinkTimer.setEnabled(false);
    for (SkinButton* button : buttons()) button->setVisible(true);
  }
}

void MainBar::blinkTick() {
  switch (blinkPhase_) {
    case 1:
      foldedLine.setForeColor(kFoldedLineRed);
      blinkPhase_ = 2;
      break;
    case 2:
      foldedLine.setForeColor(kFoldedLinePaleGreen);
      blinkPhase_ = 3;
      break;
    case 3:
      foldedLine.setForeColor(kFoldedLineGreen);
      blinkPhase_ = 1;
      break;
    default:
      break;
  }
}

// The left button alone lets the system move the bar; afterwards, drag or not, the bar
// goes back to the top edge and within the screen.
void MainBar::dragBar(const PointerEvent& event) {
  if (event.held.only(MouseButton::Left)) beginSystemDrag();
  BarPlace place = ClampBarPlace(left(), width(), screenWidth_);
  setBounds({place.left, place.top, width(), height()});
}

}  // namespace morvane
