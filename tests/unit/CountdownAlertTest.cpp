// The countdown alert window: how the countdown brings it up, "Run Now", "Stop" and dragging.
#include <gtest/gtest.h>

#include <algorithm>

#include <ostream>
#include <string>
#include <vector>

#include "tests/unit/ProgramFixture.h"
#include "ui/dialogs/CountdownAlert.h"
#include "ui/bar/MainBar.h"

namespace morvane {
namespace {

constexpr Rect kCentred{332, 264, 360, 240};

class AlertWindow : public testing::ProgramTest {
 protected:
  // A countdown of one minute from the bar's Start button, run until the alert is up.
  CountdownAlert* AlertOfAOneMinuteCountdown() {
    MainBar& f = program->mainBar();
    f.show();
    f.afterHours.setText("0");
    f.afterMinutes.setText("1");
    tk().click(f.startButton);
    advance(44'000);
    if (program->existingCountdownAlert()) return nullptr;
    advance(1'000);
    return program->existingCountdownAlert();
  }
  Point At(const Window& w, Point local) {
    return {w.clientOrigin().x + local.x, w.clientOrigin().y + local.y};
  }
};

TEST_F(AlertWindow, CountdownShowsItCentredForTheLastFifteenSecondsAndStopEndsBoth) {
  CountdownAlert* alert = AlertOfAOneMinuteCountdown();
  ASSERT_NE(alert, nullptr);
  EXPECT_TRUE(alert->visible());
  EXPECT_TRUE(alert->topmost());
  EXPECT_EQ(alert->bounds(), kCentred);
  EXPECT_EQ(alert->secondsLeft.text(), "15");
  EXPECT_EQ(alert->focused(), &alert->runNowButton) << "the number takes no focus";
  advance(1'000);
  EXPECT_EQ(alert->secondsLeft.text(), "14");

  tk().moveTo(At(*alert, {30, 120}));
  tk().press();
  tk().queueDrag({-200, -150});
  tk().moveTo(At(*alert, {36, 126}));
  tk().click(alert->stopButton);
  EXPECT_EQ(program->existingCountdownAlert(), nullptr);
  MainBar& bar = program->mainBar();
  EXPECT_FALSE(bar.countdownRunning());
  EXPECT_FALSE(bar.countdownTimer.enabled());
  EXPECT_EQ(bar.startButton.caption(), "Start");

  // The next countdown brings a fresh window, centred again where the old one was dragged.
  CountdownAlert* next = AlertOfAOneMinuteCountdown();
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->bounds(), kCentred);
  EXPECT_EQ(next->secondsLeft.text(), "15");
  tk().click(next->stopButton);
  advance(120'000);
  EXPECT_EQ(program->existingCountdownAlert(), nullptr);
  EXPECT_EQ(std::count(sys().calls.begin(), sys().calls.end(), "PowerOff"), 0);
  EXPECT_FALSE(sys().keptAwake);
  EXPECT_FALSE(sys().wake);
}

// A press on Run Now that begins within a second of the alert coming up was meant for what lay
// there before: it is dropped whole, with no look and no click. A later one switches off at once.
TEST_F(AlertWindow, RunNowDropsAPressInItsFirstSecondThenSavesAndPowersOffAtOnce) {
  CountdownAlert* alert = AlertOfAOneMinuteCountdown();
  ASSERT_NE(alert, nullptr);
  advance(500);
  tk().moveTo(At(*alert, {120, 194}));
  const int looks = tk().presents(alert->runNowButton);
  tk().press();
  tk().release();
  EXPECT_EQ(tk().presents(alert->runNowButton), looks);
  EXPECT_EQ(std::count(sys().calls.begin(), sys().calls.end(), "PowerOff"), 0);
  advance(1'000);
  tk().click(alert->runNowButton);
  ASSERT_GE(sys().calls.size(), 2u);
  EXPECT_EQ(std::vector<std::string>(sys().calls.end() - 2, sys().calls.end()),
            (std::vector<std::string>{"PowerOff", "EndProcess"}));
  EXPECT_FALSE(settingsFile().empty());
}

struct DragCase {
  const char* name;
  Point pressAt;  // client pixels
  std::vector<MouseButton> buttons;
  bool drags;
};
void PrintTo(const DragCase& c, std::ostream* out) { *out << c.name; }

class AlertDrag : public AlertWindow, public ::testing::WithParamInterface<DragCase> {};

TEST_P(AlertDrag, OnlyTheLeftButtonAloneOnTheFaceMovesTheWindow) {
  const DragCase& c = GetParam();
  CountdownAlert& alert = program->countdownAlert();
  alert.show();
  tk().moveTo(At(alert, c.pressAt));
  for (MouseButton b : c.buttons) tk().press(b);
  tk().queueDrag({40, 30});
  tk().moveTo(At(alert, {c.pressAt.x + 3, c.pressAt.y + 2}));

  EXPECT_EQ(tk().systemDragCount(), c.drags ? 1 : 0);
  Rect expected = c.drags ? Rect{kCentred.x + 40, kCentred.y + 30, 360, 240} : kCentred;
  EXPECT_EQ(alert.bounds(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, AlertDrag,
    ::testing::Values(DragCase{"LeftOnFace", {30, 120}, {MouseButton::Left}, true},
                      DragCase{"LeftOnTitleStrip", {100, 10}, {MouseButton::Left}, true},
                      DragCase{"RightOnFace", {30, 120}, {MouseButton::Right}, false},
                      DragCase{"LeftAndRightOnFace", {30, 120}, {MouseButton::Left, MouseButton::Right}, false},
                      DragCase{"LeftOnTheNumber", {170, 110}, {MouseButton::Left}, false},
                      DragCase{"LeftOnRunNow", {100, 190}, {MouseButton::Left}, false},
                      DragCase{"LeftOnStop", {210, 190}, {MouseButton::Left}, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace morvane
