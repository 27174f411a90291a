// The bar's docking on the headless backend: folding to a line and opening again, the
// folded line's blink, and dragging the bar back to the top edge.
#include <gtest/gtest.h>

#include "schedule/Countdown.h"
#include "tests/unit/BarFixture.h"

namespace morvane {
namespace {

class BarDocking : public BarFixture {
 protected:
  void SetUp() override {
    shown();
    tk().activate(bar(), Activation{ActivationKind::Active});
    sys().cursor_ = {1000, 700};
  }
  bool collapsed() {
    MainBar& f = bar();
    bool folded = f.height() == 1;
    EXPECT_EQ(f.foldedLine.visible(), folded);
    EXPECT_EQ(f.blinkTimer.enabled(), folded);
    for (SkinButton* b : f.buttons()) EXPECT_EQ(b->visible(), !folded);
    return folded;
  }
  void startCountdown() {
    MainBar& f = bar();
    f.afterHours.setText("1");
    f.afterMinutes.setText("0");
    f.startOrStop();
    ASSERT_TRUE(f.countdownLine.visible());
  }
};

TEST_F(BarDocking, IdleAndActiveStaysOpenWhereverTheCursorIs) {
  advance(400);
  EXPECT_FALSE(collapsed());
}

TEST_F(BarDocking, IdleBarFoldsOnceAnotherWindowTakesOver) {
  tk().activate(bar(), Activation{ActivationKind::Inactive});
  advance(180);
  EXPECT_TRUE(collapsed());
  sys().cursor_ = barPoint(10, 0);
  advance(180);
  EXPECT_FALSE(collapsed());
}

TEST_F(BarDocking, ActivatingAMinimizedBarDoesNotCountAsActive) {
  const struct { Activation activation; bool active; } rows[] = {
      {{ActivationKind::Inactive}, false},     {{ActivationKind::Active}, true},
      {{ActivationKind::ActiveByClick}, true}, {{ActivationKind::Active, true}, false},
      {{ActivationKind::ActiveByClick, true}, false},
  };
  for (const auto& row : rows) {
    tk().activate(bar(), row.activation);
    EXPECT_EQ(tk().input().isActive(bar()), row.active);
  }
  advance(180);
  EXPECT_TRUE(collapsed());
}

TEST_F(BarDocking, RunningCountdownFoldsAsSoonAsTheCursorLeavesAndOpensAtTheTopEdge) {
  startCountdown();
  sys().cursor_ = barPoint(100, 10);
  advance(180);
  EXPECT_FALSE(collapsed());
  sys().cursor_ = barPoint(100, 44);
  advance(180);
  EXPECT_TRUE(collapsed());
  sys().cursor_ = barPoint(100, 2);
  advance(180);
  EXPECT_TRUE(collapsed()) << "row 2 is below a folded bar";
  sys().cursor_ = barPoint(0, 1);
  advance(180);
  EXPECT_FALSE(collapsed());
  sys().cursor_ = barPoint(255, 43);
  advance(180);
  EXPECT_FALSE(collapsed()) << "the far corner still belongs to the open bar";
}

// Activated other than by a click (the task switcher, a screen reader) while counting, the bar
// opens and stays open for the keyboard: Alt+S stops the countdown. It folds again once the
// pointer has been over it and left. Activated by a click, it folds as the pointer's rule says.
TEST_F(BarDocking, ActivatedOtherThanByAClickWhileCountingTheBarOpensForTheKeyboard) {
  MainBar& f = bar();
  for (ActivationKind kind : {ActivationKind::ActiveByClick, ActivationKind::Active}) {
    startCountdown();
    tk().activate(f, Activation{ActivationKind::Inactive});
    advance(180);
    ASSERT_TRUE(collapsed());
    tk().activate(f, Activation{kind});
    advance(1'000);
    const bool byKeyboard = kind == ActivationKind::Active;
    EXPECT_EQ(collapsed(), !byKeyboard);
    if (!byKeyboard) {
      f.startOrStop();
      continue;
    }
    sys().cursor_ = barPoint(100, 10);
    advance(180);
    sys().cursor_ = barPoint(100, 300);
    advance(180);
    EXPECT_TRUE(collapsed()) << "the pointer came over it and left";
    tk().activate(f, Activation{ActivationKind::Inactive});
    tk().activate(f, Activation{kind});
    advance(180);
    ASSERT_FALSE(collapsed());
    tk().altKey('s');
    EXPECT_FALSE(f.countdownRunning());
  }
}

// Start cannot do without the countdown's timer: refused, the bar stays idle, holds nothing
// and says why; a wake that cannot be armed only leaves a trace.
TEST_F(BarDocking, AStartThatCannotArmItsCountdownStaysIdleAndSaysSo) {
  MainBar& f = bar();
  p().clock.refuseTimers = true;
  stepsMaySkip = true;
  f.startOrStop();
  EXPECT_FALSE(f.countdownRunning());
  EXPECT_EQ(f.startButton.caption(), "Start");
  EXPECT_FALSE(f.countdownLine.visible());
  EXPECT_FALSE(sys().keptAwake);
  ASSERT_EQ(tk().modalsShown().size(), 1u);
  EXPECT_EQ(tk().modalsShown()[0].visibleTexts.at(0), kCountdownNotStartedMessage);

  p().clock.refuseTimers = false;
  sys().refuseWake = true;
  sys().skippedSteps.clear();
  startCountdown();
  EXPECT_TRUE(f.countdownRunning());
  EXPECT_EQ(sys().skippedSteps.size(), 1u);
}

// The folded line is drawn on the bar: a drag on it moves the bar as a drag on its face does.
TEST_F(BarDocking, ADragOnTheFoldedLineMovesTheBar) {
  tk().activate(bar(), Activation{ActivationKind::Inactive});
  advance(180);
  ASSERT_TRUE(collapsed());
  MainBar& f = bar();
  tk().moveTo(barPoint(100, 0));
  tk().press();
  tk().queueDrag({60, 0});
  tk().moveTo(barPoint(104, 0));
  tk().release();
  EXPECT_EQ(tk().systemDragCount(), 1);
  EXPECT_EQ(f.left(), 444);
  EXPECT_EQ(f.top(), 0);
}

TEST_F(BarDocking, FoldedLineBlinksRedPaleGreenGreen) {
  tk().activate(bar(), Activation{ActivationKind::Inactive});
  advance(180);
  ASSERT_TRUE(collapsed());
  MainBar& f = bar();
  std::vector<Color> seen;
  for (int i = 0; i < 4; ++i) {
    advance(1000);
    seen.push_back(f.foldedLine.foreColor());
  }
  EXPECT_EQ(seen, (std::vector<Color>{Rgb(255, 0, 0), Rgb(204, 229, 162), Rgb(0, 255, 0), Rgb(255, 0, 0)}));
}

struct DragCase {
  const char* what;
  MouseButtons held;
  Point delta;
  Rect expected;
};

class BarDrag : public BarFixture, public ::testing::WithParamInterface<DragCase> {};

TEST_P(BarDrag, SnapsBackToTheTopEdgeWithinTheScreen) {
  const DragCase& c = GetParam();
  MainBar& f = shown();
  tk().queueDrag(c.delta);
  f.moved({{250, 40}, MouseButton::None, c.held, {}});
  EXPECT_EQ(f.bounds(), c.expected) << c.what;
  EXPECT_EQ(tk().systemDragCount(), c.held == MouseButton::Left ? 1 : 0) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Drags, BarDrag,
    ::testing::Values(DragCase{"past the right edge", MouseButton::Left, {900, 0}, {769, 0, 255, 43}},
                      DragCase{"past the left edge", MouseButton::Left, {-900, 0}, {0, 0, 255, 43}},
                      DragCase{"downwards", MouseButton::Left, {-50, 300}, {334, 0, 255, 43}},
                      DragCase{"left and right held", MouseButton::Left | MouseButton::Right, {300, 300}, {384, 0, 255, 43}}));

}  // namespace
}  // namespace morvane
