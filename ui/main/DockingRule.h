// The bar's pure docking decisions: where the cursor is against the bar, whether the bar
// folds to its top line, and where a dragged bar comes to rest.
#pragma once

#include <cstdint>

#include "platform/geometry.h"

namespace morvane {

constexpr int kBarWidthTwips = 3825;
constexpr int kBarOpenHeightTwips = 645;
constexpr int kBarCollapsedHeightTwips = 15;

// The bar sits at the top edge, so only below, left of and right of count; both horizontal
// ends and the bottom row belong to the bar. Positions in twips, the cursor in pixels.
bool CursorOutsideBar(Point cursor, int leftTwips, int widthTwips, int heightTwips);

// Folds while the cursor is away and either a countdown runs or the bar is not active.
bool BarShouldCollapse(bool cursorOutside, bool countdownRunning, bool windowActive);

// After a drag: back to the top edge and within the screen's width.
struct BarPlace {
  int leftTwips;
  int topTwips;
};
BarPlace ClampBarPlace(int leftTwips, int widthTwips, int screenWidthTwips);

// Centred at load: half of what the screen leaves, truncated toward zero.
int CentredBarLeft(int screenWidthTwips, int widthTwips);

// Whether an activation message's whole raw state means the bar is active: 1 or 2 alone;
// the minimized flag in the high word makes it inactive.
bool ActivationMeansActive(std::uint32_t state);

}  // namespace morvane
