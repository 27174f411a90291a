// Docking decisions of the bar.
#include "ui/main/DockingRule.h"

namespace morvane {

bool CursorOutsideBar(Point cursor, int leftTwips, int widthTwips, int heightTwips) {
  const double tw = kTwipsPerPixel;
  bool below = cursor.y > heightTwips / tw;
  bool leftOf = cursor.x < leftTwips / tw;
  bool rightOf = cursor.x > (static_cast<double>(leftTwips) + widthTwips) / tw;
  return below || leftOf || rightOf;
}

bool BarShouldCollapse(bool cursorOutside, bool countdownRunning, bool windowActive) {
  return cursorOutside && (countdownRunning || !windowActive);
}

BarPlace ClampBarPlace(int leftTwips, int widthTwips, int screenWidthTwips) {
  BarPlace place{leftTwips, 0};
  if (place.leftTwips < 0) place.leftTwips = 0;
  if (place.leftTwips > screenWidthTwips - widthTwips) place.leftTwips = screenWidthTwips - widthTwips;
  return place;
}

int CentredBarLeft(int screenWidthTwips, int widthTwips) { return (screenWidthTwips - widthTwips) / 2; }

bool ActivationMeansActive(std::uint32_t state) { return state == 1 || state == 2; }

}  // namespace morvane
