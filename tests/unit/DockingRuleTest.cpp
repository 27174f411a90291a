// The bar's docking decisions at their boundary pixels.
#include <gtest/gtest.h>

#include "ui/bar/DockingRule.h"

namespace morvane {
namespace {

// A bar at pixel 384, 255 wide.
constexpr int kLeft = 384;

struct CursorCase {
  const char* what;
  Point cursor;
  int height;
  bool outside;
};

class CursorAgainstBar : public ::testing::TestWithParam<CursorCase> {};

TEST_P(CursorAgainstBar, Decides) {
  const CursorCase& c = GetParam();
  EXPECT_EQ(CursorOutsideBar(c.cursor, kLeft, kBarWidth, c.height), c.outside) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, CursorAgainstBar,
    ::testing::Values(CursorCase{"collapsed, top row", {400, 0}, 1, false},
                      CursorCase{"collapsed, row 1 is still the bar", {400, 1}, 1, false},
                      CursorCase{"collapsed, row 2 is below", {400, 2}, 1, true},
                      CursorCase{"open, row 43 counts as over", {400, 43}, 43, false},
                      CursorCase{"open, row 44 is below", {400, 44}, 43, true},
                      CursorCase{"left end is inclusive", {384, 10}, 43, false},
                      CursorCase{"one left of the bar", {383, 10}, 43, true},
                      CursorCase{"right end is inclusive", {639, 10}, 43, false},
                      CursorCase{"one right of the bar", {640, 10}, 43, true},
                      CursorCase{"above the top edge counts as over", {500, -300}, 1, false}));

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
  const int screen = 1024;
  EXPECT_EQ(ClampBarPlace(-30, kBarWidth, screen).left, 0);
  EXPECT_EQ(ClampBarPlace(1333, kBarWidth, screen).left, screen - kBarWidth);
  EXPECT_EQ(ClampBarPlace(200, kBarWidth, screen).left, 200);
  EXPECT_EQ(ClampBarPlace(200, kBarWidth, screen).top, 0);
  EXPECT_EQ(CentredBarLeft(screen, kBarWidth), 384);
  EXPECT_EQ(CentredBarLeft(1023, kBarWidth), 384) << "half a pixel is dropped";
  EXPECT_EQ(CentredBarLeft(200, kBarWidth), -27) << "truncated toward zero on a narrow screen";
}

}  // namespace
}  // namespace morvane
