// The bar's pure docking decisions: where the cursor is against the bar, whether the bar
// folds to its top line, and where a dragged bar comes to rest.
#pragma once

#include "platform/geometry.h"

namespace morvane {

constexpr int kBarWidth = 255;
constexpr int kBarOpenHeight = 43;
constexpr int kBarFoldedHeight = 1;

// The bar sits at the top edge, so only below, left of and right of count; both horizontal
// ends and the bottom row belong to the bar. Everything in screen pixels.
bool CursorOutsideBar(Point cursor, int left, int width, int height);

// Folds while the cursor is away and either a countdown runs or the bar is not active; an
// active bar held open for the keyboard (activated other than by a click, the pointer not
// yet over it and gone) stays open through a countdown, so its Stop can be reached.
bool BarShouldCollapse(bool cursorOutside, bool countdownRunning, bool windowActive, bool openForKeyboard = false);

// After a drag: back to the top edge and within the screen's width.
struct BarPlace {
  int left;
  int top;
};
BarPlace ClampBarPlace(int left, int width, int screenWidth);

// Centred at load: half of what the screen leaves, truncated toward zero.
int CentredBarLeft(int screenWidth, int width);


}  // namespace morvane
