// The bar at the top edge: activation tracking, folding to its blinking line, and dragging.
#include "ui/Program.h"
#include "ui/main/DockingRule.h"
#include "ui/main/Form1.h"

namespace morvane {

void Form1::ActivationWndProc(std::uint32_t state) { program_.WindowActive = ActivationMeansActive(state); }

// Applied on every tick, whether or not the state changed.
void Form1::Timer3_Timer() {
  Point cursor = program_.system().cursorPos();
  bool outside = CursorOutsideBar(cursor, left() * kTwipsPerPixel, width() * kTwipsPerPixel, height() * kTwipsPerPixel);
  if (BarShouldCollapse(outside, Label1.visible(), program_.WindowActive)) {
    setHeight(kBarCollapsedHeightTwips / kTwipsPerPixel);
    line1.setVisible(true);
    Timer2.setEnabled(true);
    for (auto& button : xpcmdbutton1) button.setVisible(false);
  } else {
    setHeight(kBarOpenHeightTwips / kTwipsPerPixel);
    line1.setVisible(false);
    Timer2.setEnabled(false);
    for (auto& button : xpcmdbutton1) button.setVisible(true);
  }
}

void Form1::Timer2_Timer() {
  switch (BlinkState) {
    case 1:
      line1.setForeColor(0x0000FF);
      BlinkState = 2;
      break;
    case 2:
      line1.setForeColor(0xA2E5CC);
      BlinkState = 3;
      break;
    case 3:
      line1.setForeColor(0x00FF00);
      BlinkState = 1;
      break;
    default:
      break;
  }
}

// The left button alone lets the system move the bar; afterwards, drag or not, the bar
// goes back to the top edge and within the screen.
void Form1::Form_MouseMove(int& button, int&, float&, float&) {
  if (button == kLeftButton) beginSystemDrag();
  BarPlace place = ClampBarPlace(left() * kTwipsPerPixel, width() * kTwipsPerPixel, ScreenWidthTwips);
  setBounds({place.leftTwips / kTwipsPerPixel, place.topTwips / kTwipsPerPixel, width(), height()});
}

}  // namespace morvane
