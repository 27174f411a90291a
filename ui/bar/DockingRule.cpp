// Docking decisions of the bar.
#include "ui/bar/DockingRule.h"

namespace morvane {

bool CursorOutsideBar(Point cursor, int left, int width, int height) {
  bool below = cursor.y > height;
  bool leftOf = cursor.x < left;
  bool rightOf = cursor.x > left + width;
  return below || leftOf || rightOf;
}

bool BarShouldCollapse(bool cursorOutside, bool countdownRunning, bool windowActive, bool openForKeyboard) {
  return cursorOutside && (!windowActive || (countdownRunning && !openForKeyboard));
}

BarPlace ClampBarPlace(int left, int width, int screenWidth) {
  BarPlace place{left, 0};
  if (place.left < 0) place.left = 0;
  if (place.left > screenWidth - width) place.left = screenWidth - width;
  return place;
}

// Truncated toward zero, also when the screen is narrower than the bar.
int CentredBarLeft(int screenWidth, int width) { return (screenWidth - width) / 2; }


}  // namespace morvane
