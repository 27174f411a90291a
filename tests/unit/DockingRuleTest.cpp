// The bar's docking decisions at their boundary pixels.
#include <gtest/gtest.h>

#include "ui/main/DockingRule.h"

namespace morvane {
namespace {

// A bar at pixel 384 (5760 twips), 255 wide.
constexpr int kLeft = 384 * 15;

struct CursorCase {
  const char* what;
  Point cursor;
  int heightTwips;
  bool outside;
};

class CursorAgainstBar : public ::testing::TestWithParam<CursorCase> {};

TEST_P(CursorAgainstBar, Decides) {
  const CursorCase& c = GetParam();
  EXPECT_EQ(CursorOutsideBar(c.cursor, kLeft, kBarWidthTwips, c.heightTwips), c.outside) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, CursorAgainstBar,
    ::testing::Values(CursorCase{"collapsed, top row", {400, 0}, 15, false},
                      CursorCase{"collapsed, row 1 is still the bar", {400, 1}, 15, false},
                      CursorCase{"collapsed, row 2 is below", {400, 2}, 15, true},
                      CursorCase{"open, row 43 counts as over", {400, 43}, 645, false},
                      CursorCase{"open, row 44 is below", {400, 44}, 645, true},
                      CursorCase{"left end is inclusive", {384, 10}, 645, false},
                      CursorCase{"one left of the bar", {383, 10}, 645, true},
                      CursorCase{"right end is inclusive", {639, 10}, 645, false},
                      CursorCase{"one right of the bar", {640, 10}, 645, true},
                      CursorCase{"above the top edge counts as over", {500, -300}, 15, false}));

TEST(BarCollapse, FoldsOnlyWhenAwayAndRunningOrInactive) {
  struct { bool outside, running, active, collapse; } table[] = {
      {false, false, false, false}, {false, true, true, false}, {false, true, false, false},
      {true, false, true, false},   {true, false, false, true}, {true, true, true, true},
      {true, true, false, true},
  };
  for (auto& row : table) {
    EXPECT_EQ(BarShouldCollapse(row.outside, row.running, row.active), row.collapse)
        << row.outside << row.running << row.active;
  }
}

TEST(BarPlacement, ClampsToTheTopEdgeAndTheScreen) {
  const int screen = 1024 * 15;
  EXPECT_EQ(ClampBarPlace(-450, kBarWidthTwips, screen).leftTwips, 0);
  EXPECT_EQ(ClampBarPlace(20000, kBarWidthTwips, screen).leftTwips, screen - kBarWidthTwips);
  EXPECT_EQ(ClampBarPlace(3000, kBarWidthTwips, screen).leftTwips, 3000);
  EXPECT_EQ(ClampBarPlace(3000, kBarWidthTwips, screen).topTwips, 0);
  EXPECT_EQ(CentredBarLeft(screen, kBarWidthTwips), 5767);
}

TEST(BarActivation, OnlyActiveOrClickActiveWithoutTheMinimizedFlag) {
  EXPECT_FALSE(ActivationMeansActive(0));
  EXPECT_TRUE(ActivationMeansActive(1));
  EXPECT_TRUE(ActivationMeansActive(2));
  EXPECT_FALSE(ActivationMeansActive(0x00010001));
  EXPECT_FALSE(ActivationMeansActive(0x00010002));
}

}  // namespace
}  // namespace morvane
