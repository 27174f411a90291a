// The countdown alert window: how the countdown brings it up, "Run Now", "Stop" and dragging.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/unit/ProgramFixture.h"
#include "ui/dialogs/Form2.h"
#include "ui/main/Form1.h"

namespace morvane {
namespace {

constexpr Rect kCentred{332, 264, 360, 240};

class AlertWindow : public testing::ProgramTest {
 protected:
  // A countdown of one minute from the bar's Start button, run until the alert is up.
  Form2* AlertOfAOneMinuteCountdown() {
    Form1& f = program->form1();
    f.show();
    f.Text8.setText("0");
    f.Text9.setText("1");
    tk().click(f.xpcmdbutton1[0]);
    advance(44'000);
    if (program->existingForm2()) return nullptr;
    advance(1'000);
    return program->existingForm2();
  }
  Point At(const Window& w, Point local) {
    return {w.clientOrigin().x + local.x, w.clientOrigin().y + local.y};
  }
};

TEST_F(AlertWindow, CountdownShowsItCentredForTheLastFifteenSecondsAndStopEndsBoth) {
  Form2* alert = AlertOfAOneMinuteCountdown();
  ASSERT_NE(alert, nullptr);
  EXPECT_TRUE(alert->visible());
  EXPECT_TRUE(alert->topmost());
  EXPECT_EQ(alert->bounds(), kCentred);
  EXPECT_EQ(alert->Label1.text(), "15");
  EXPECT_EQ(alert->focused(), &alert->xpcmdbutton1) << "the number takes no focus";
  advance(1'000);
  EXPECT_EQ(alert->Label1.text(), "14");

  tk().moveTo(At(*alert, {30, 120}));
  tk().press();
  tk().queueDrag({-200, -150});
  tk().moveTo(At(*alert, {36, 126}));
  tk().click(alert->xpcmdbutton2);
  EXPECT_EQ(program->existingForm2(), nullptr);
  Form1& bar = program->form1();
  EXPECT_FALSE(bar.countdownRunning());
  EXPECT_FALSE(bar.Timer1.enabled());
  EXPECT_EQ(bar.xpcmdbutton1[0].Caption(), "Start");

  // The next countdown brings a fresh window, centred again where the old one was dragged.
  Form2* next = AlertOfAOneMinuteCountdown();
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->bounds(), kCentred);
  EXPECT_EQ(next->Label1.text(), "15");
  tk().click(next->xpcmdbutton2);
  advance(120'000);
  EXPECT_EQ(program->existingForm2(), nullptr);
  EXPECT_TRUE(sys().calls.empty());
}

TEST_F(AlertWindow, RunNowSavesAndPowersOffAtOnce) {
  Form2* alert = AlertOfAOneMinuteCountdown();
  ASSERT_NE(alert, nullptr);
  tk().click(alert->xpcmdbutton1);
  ASSERT_GE(sys().calls.size(), 2u);
  EXPECT_EQ(std::vector<std::string>(sys().calls.end() - 2, sys().calls.end()),
            (std::vector<std::string>{"ExitWindowsEx 13 0", "EndProcess"}));
  EXPECT_FALSE(settingsFile().empty());
}

struct DragCase {
  const char* name;
  Point pressAt;  // client pixels
  std::vector<int> buttons;
  bool drags;
};
void PrintTo(const DragCase& c, std::ostream* out) { *out << c.name; }

class AlertDrag : public AlertWindow, public ::testing::WithParamInterface<DragCase> {};

TEST_P(AlertDrag, OnlyTheLeftButtonAloneOnTheFaceMovesTheWindow) {
  const DragCase& c = GetParam();
  Form2& alert = program->form2();
  alert.show();
  tk().moveTo(At(alert, c.pressAt));
  for (int b : c.buttons) tk().press(b);
  tk().queueDrag({40, 30});
  tk().moveTo(At(alert, {c.pressAt.x + 3, c.pressAt.y + 2}));

  EXPECT_EQ(tk().systemDragCount(), c.drags ? 1 : 0);
  Rect expected = c.drags ? Rect{kCentred.x + 40, kCentred.y + 30, 360, 240} : kCentred;
  EXPECT_EQ(alert.bounds(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, AlertDrag,
    ::testing::Values(DragCase{"LeftOnFace", {30, 120}, {kLeftButton}, true},
                      DragCase{"LeftOnTitleStrip", {100, 10}, {kLeftButton}, true},
                      DragCase{"RightOnFace", {30, 120}, {kRightButton}, false},
                      DragCase{"LeftAndRightOnFace", {30, 120}, {kLeftButton, kRightButton}, false},
                      DragCase{"LeftOnTheNumber", {170, 110}, {kLeftButton}, false},
                      DragCase{"LeftOnRunNow", {100, 190}, {kLeftButton}, false},
                      DragCase{"LeftOnStop", {210, 190}, {kLeftButton}, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace morvane
