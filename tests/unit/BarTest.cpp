// The bar on the headless backend: loading, modes, field keys, docking, dragging and its
// command buttons, driven as a user would.
#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/SkipOnError.h"
#include "tests/unit/ProgramFixture.h"
#include "ui/bar/BarSettings.h"
#include "ui/dialogs/ShowMessage.h"
#include "ui/PowerOff.h"
#include "toolkit/Keys.h"
#include "ui/dialogs/AboutWindow.h"
#include "ui/dialogs/MessageDialog.h"
#include "ui/bar/MainBar.h"

namespace morvane {
namespace {

using testing::At;

class Bar : public testing::ProgramTest {
 protected:
  MainBar& bar() { return program->mainBar(); }
  MainBar& shown() {
    MainBar& f = bar();
    f.show();
    return f;
  }
  Point barPoint(int x, int y) { return {bar().left() + x, bar().top() + y}; }
};

TEST_F(Bar, LoadsInTheAfterModeCentredAtTheTopWithTodaysDate) {
  MainBar& f = bar();
  EXPECT_EQ(f.bounds(), (Rect{384, 0, 255, 43}));
  EXPECT_EQ(f.screenWidth(), 1024);
  EXPECT_EQ(f.afterHours.text(), "1");
  EXPECT_EQ(f.afterMinutes.text(), "0");
  EXPECT_EQ(f.atHour.text(), "21");
  EXPECT_EQ(f.atMinute.text(), "0");
  EXPECT_EQ(f.atYear.text(), "2026");
  EXPECT_EQ(f.atMonth.text(), "12");
  EXPECT_EQ(f.atDay.text(), "7");
  EXPECT_TRUE(f.afterHours.visible() && f.afterMinutes.visible());
  for (Control* c : {&f.atYear, &f.atMonth, &f.atDay, &f.atHour, &f.atMinute}) EXPECT_FALSE(c->visible()) << c->name();
  EXPECT_EQ(f.scheduleLine.text(), "Shutdown after / at  ___ : ___  ( HH:mm )");
  EXPECT_EQ(f.homePageButton.caption(), "Quillon");
  EXPECT_TRUE(f.topmost());
  EXPECT_FALSE(f.countdownLine.visible());
}

TEST_F(Bar, SwitchingModesKeepsEveryFieldsText) {
  MainBar& f = shown();
  f.afterHours.setText("7");
  f.afterMinutes.setText("45");
  tk().click(f.atWord);
  EXPECT_EQ(f.atWord.foreColor(), Rgb(0, 0, 0));
  EXPECT_EQ(f.afterWord.foreColor(), Rgb(128, 128, 128));
  EXPECT_TRUE(f.atYear.visible() && f.atMinute.visible());
  EXPECT_FALSE(f.afterHours.visible());
  EXPECT_EQ(f.scheduleLine.text(), "Shutdown after / at  ___ : ___    ___ - ___ - _____");
  f.atHour.setText("22");
  tk().click(f.afterWord);
  EXPECT_EQ(f.afterHours.text(), "7");
  EXPECT_EQ(f.afterMinutes.text(), "45");
  EXPECT_EQ(f.atHour.text(), "22");
  EXPECT_EQ(f.afterWord.foreColor(), Rgb(0, 0, 0));
  EXPECT_EQ(f.atWord.foreColor(), Rgb(128, 128, 128));
}

// The settings file keeps both mode words' colours; the "after" word's decides the mode read
// back, and the bar shows and saves that mode's pair, whatever the other colour said.
TEST_F(Bar, TheAfterColourInTheSettingsDecidesTheMode) {
  struct Row {
    const char* afterColour;
    const char* atColour;
    ScheduleMode mode;
  };
  for (Row r : {Row{"0", "8421504", ScheduleMode::After}, Row{"8421504", "0", ScheduleMode::At},
                Row{"0", "0", ScheduleMode::After}, Row{"255", "255", ScheduleMode::At}}) {
    program.reset();
    platform = std::make_unique<HeadlessPlatform>(At(2026, 12, 7, 10, 0, 0));
    sys().files["C:\\windows\\morvane.dll"] =
        std::string("21\r\n0\r\n1\r\n0\r\n ") + r.afterColour + " \r\n " + r.atColour + " \r\n";
    program = std::make_unique<Program>(*platform);
    MainBar& f = shown();
    bool after = r.mode == ScheduleMode::After;
    SCOPED_TRACE(std::string(r.afterColour) + " " + r.atColour);
    EXPECT_EQ(f.mode(), r.mode);
    EXPECT_EQ(f.afterWord.foreColor(), after ? Rgb(0, 0, 0) : Rgb(128, 128, 128));
    EXPECT_EQ(f.atWord.foreColor(), after ? Rgb(128, 128, 128) : Rgb(0, 0, 0));
    EXPECT_EQ(f.afterHours.visible(), after);
    EXPECT_EQ(f.atHour.visible(), !after);
    tk().click(f.quitButton);
    EXPECT_EQ(settingsFile(), std::string("21\r\n0\r\n1\r\n0\r\n") +
                                  (after ? " 0 \r\n 8421504 \r\n" : " 8421504 \r\n 0 \r\n"));
  }
}

class BarKeys : public Bar {
 protected:
  void SetUp() override {
    MainBar& f = shown();
    tk().click(f.atWord);
  }
  void focusEmptied(Control& field) {
    tk().click(field);
    field.setText("");
  }
};

TEST_F(BarKeys, TypingAYearMovesToTheMonthWithItsTextSelected) {
  MainBar& f = bar();
  focusEmptied(f.atYear);
  tk().type("2024");
  EXPECT_EQ(f.atYear.text(), "2024");
  EXPECT_TRUE(f.atMonth.hasFocus());
  EXPECT_EQ(f.atMonth.selStart(), 0);
  EXPECT_EQ(f.atMonth.selLength(), 2);
  tk().type("12");
  EXPECT_EQ(f.atMonth.text(), "12");
  EXPECT_TRUE(f.atDay.hasFocus());
  EXPECT_EQ(f.atDay.selLength(), static_cast<int>(f.atDay.text().size()));
}

TEST_F(BarKeys, AFullFieldMovesOnEvenWhenTheDigitDoesNotGoIn) {
  MainBar& f = bar();
  tk().click(f.atHour);
  f.atHour.setText("21");
  f.atHour.setSelection(2, 0);
  tk().type("5");
  EXPECT_EQ(f.atHour.text(), "21");
  EXPECT_TRUE(f.atMinute.hasFocus());
}

TEST_F(BarKeys, BackspaceMovesOnOnlyWhenItLeavesTheFieldFull) {
  MainBar& f = bar();
  tk().click(f.atMonth);
  f.atMonth.setText("12");
  f.atMonth.setSelection(0, 0);
  tk().key(Key::Backspace, kBackspaceCharacter);
  EXPECT_EQ(f.atMonth.text(), "12");
  EXPECT_TRUE(f.atDay.hasFocus());

  tk().click(f.atMonth);
  f.atMonth.setSelection(2, 0);
  tk().key(Key::Backspace, kBackspaceCharacter);
  EXPECT_EQ(f.atMonth.text(), "1");
  EXPECT_TRUE(f.atMonth.hasFocus());
}

TEST_F(BarKeys, EnterMovesOnExceptInTheLastFieldOfEachChain) {
  MainBar& f = bar();
  focusEmptied(f.atMonth);
  tk().type("5");
  EXPECT_TRUE(f.atMonth.hasFocus()) << "a single digit in a two-digit field stays";
  tk().type("\r");
  EXPECT_TRUE(f.atDay.hasFocus());
  EXPECT_EQ(f.atMonth.text(), "5");

  tk().click(f.atMinute);
  std::string before = f.atMinute.text();
  tk().type("\r");
  EXPECT_TRUE(f.atMinute.hasFocus());
  EXPECT_EQ(f.atMinute.text(), before);
}

TEST_F(BarKeys, LettersSignsAndSpacesNeverGoIn) {
  MainBar& f = bar();
  focusEmptied(f.atYear);
  tk().type("a- .+x9");
  EXPECT_EQ(f.atYear.text(), "9");
}

// Whether the user comes back with Alt+Tab or a click on the bar's face, the field that had
// the focus has it again and takes the digits typed.
TEST_F(BarKeys, ActivatedAgainTheBarGivesTheFocusBackToItsField) {
  MainBar& f = bar();
  for (bool byClick : {false, true}) {
    focusEmptied(f.atHour);
    tk().activate(f, Activation{ActivationKind::Inactive});  // another application's window
    EXPECT_EQ(tk().keyboardFocus(), nullptr);
    if (byClick) {
      tk().clickAt(barPoint(250, 40));
    } else {
      tk().activate(f, Activation{ActivationKind::Active});
    }
    EXPECT_EQ(tk().keyboardFocus(), &f.atHour) << byClick;
    tk().type("7");
    EXPECT_EQ(f.atHour.text(), "7") << byClick;
  }
}

// Tab and Shift+Tab run through the buttons, then the fields of the mode shown, and wrap.
TEST_F(BarKeys, TabAndShiftTabFollowTheTabOrderBothWays) {
  MainBar& f = bar();
  tk().click(f.afterWord);
  tk().click(f.afterHours);
  struct Step {
    bool shift;
    Control* focus;
  };
  for (Step step : {Step{true, &f.quitButton}, Step{true, &f.homePageButton}, Step{false, &f.quitButton},
                    Step{false, &f.afterHours}, Step{false, &f.afterMinutes}, Step{false, &f.startButton},
                    Step{true, &f.afterMinutes}}) {
    tk().key(Key::Tab, kTabCharacter, {.shift = step.shift});
    EXPECT_EQ(tk().keyboardFocus(), step.focus) << step.focus->name();
  }
}

TEST_F(BarKeys, PastedTextKeepsOnlyItsDigits) {
  MainBar& f = bar();
  EXPECT_EQ(f.atYear.pasted("-1a2"), "12");
}

TEST_F(Bar, AfterChainRunsFromHoursToMinutes) {
  MainBar& f = shown();
  tk().click(f.afterHours);
  f.afterHours.setText("");
  tk().type("12");
  EXPECT_TRUE(f.afterMinutes.hasFocus());
  tk().type("\r");
  EXPECT_TRUE(f.afterMinutes.hasFocus());
}

// ---- Docking -------------------------------------------------------------------------

class BarDocking : public Bar {
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

class BarDrag : public Bar, public ::testing::WithParamInterface<DragCase> {};

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

// ---- Command buttons -----------------------------------------------------------------

TEST_F(Bar, StartAndStopSwapTheLinesAndQuit) {
  MainBar& f = shown();
  tk().click(f.startButton);
  EXPECT_EQ(f.startButton.caption(), "Stop");
  EXPECT_FALSE(f.quitButton.enabled());
  EXPECT_TRUE(f.countdownLine.visible());
  EXPECT_EQ(f.countdownLine.text(), "Shutdown computer as your wish.");
  for (Control* c : std::initializer_list<Control*>{&f.afterHours, &f.afterMinutes, &f.scheduleLine, &f.afterWord, &f.atWord})
    EXPECT_FALSE(c->visible()) << c->name();
  advance(1000);
  EXPECT_EQ(f.countdownLine.text(), "Shutdown after 59 minutes.");

  tk().click(f.quitButton);
  EXPECT_TRUE(f.loaded()) << "Quit is disabled during a countdown";

  tk().click(f.startButton);
  EXPECT_EQ(f.startButton.caption(), "Start");
  EXPECT_TRUE(f.quitButton.enabled());
  EXPECT_FALSE(f.countdownLine.visible());
  EXPECT_TRUE(f.afterHours.visible() && f.scheduleLine.visible() && f.afterWord.visible() && f.atWord.visible());
  EXPECT_FALSE(f.countdownTimer.enabled());
}

TEST_F(Bar, QuitSavesTheTypedScheduleAndEnds) {
  MainBar& f = shown();
  f.afterHours.setText("3");
  f.afterMinutes.setText("15");
  tk().click(f.atWord);
  f.atHour.setText("6");
  tk().click(f.quitButton);
  EXPECT_EQ(settingsFile(), "6\r\n0\r\n3\r\n15\r\n 8421504 \r\n 0 \r\n");
  EXPECT_TRUE(sys().ended);
  EXPECT_FALSE(f.loaded());
}

TEST_F(Bar, HelpAndHomePageGoToTheShell) {
  MainBar& f = shown();
  tk().click(f.helpButton);
  tk().click(f.homePageButton);
  std::vector<std::string> opens;
  for (auto& call : sys().calls)
    if (call.rfind("ShellExecute", 0) == 0) opens.push_back(call);
  EXPECT_EQ(opens, (std::vector<std::string>{"ShellExecute Open C:\\Program Files\\Morvane\\help.chm",
                                             "ShellExecute Open https://www.quillon.example/"}));
}

TEST_F(Bar, AboutShowsOneAboutBoxThatStaysUp) {
  MainBar& f = shown();
  tk().click(f.aboutButton);
  AboutWindow* about = program->existingAboutWindow();
  ASSERT_NE(about, nullptr);
  EXPECT_TRUE(about->visible());
  EXPECT_FALSE(about->isSplash());
  tk().click(f.aboutButton);
  EXPECT_EQ(program->existingAboutWindow(), about);
  advance(5000);
  EXPECT_TRUE(about->loaded());
}

// A double-click is one click: its second press clicks nothing.
TEST_F(Bar, ADoubleClickOnStopStopsOnce) {
  MainBar& f = shown();
  tk().click(f.startButton);
  ASSERT_TRUE(f.countdownRunning());
  advance(1000);
  tk().doubleClick(f.startButton);
  EXPECT_FALSE(f.countdownRunning());
  EXPECT_EQ(f.startButton.caption(), "Start");
}

// The message about a field closes into the bar: active again, with that field holding the
// keyboard, whether the focus moved there before the message (an empty field) or after it
// with its text selected.
TEST_F(Bar, AClosedMessageReturnsActivationToTheBarWithTheNamedFieldFocused) {
  MainBar& f = shown();
  struct Row {
    const char* hours;
    const char* minutes;
    Control* named;
  };
  for (Row r : {Row{"", "0", &f.afterHours}, Row{"1", "75", &f.afterMinutes}}) {
    f.afterHours.setText(r.hours);
    f.afterMinutes.setText(r.minutes);
    tk().onNextModal([&](Window& w) { tk().click(static_cast<MessageDialog&>(w).okButton); });
    advance(1000);
    tk().click(f.startButton);
    ASSERT_EQ(tk().modalsShown().size(), r.named == &f.afterHours ? 1u : 2u);
    EXPECT_FALSE(f.countdownRunning());
    EXPECT_EQ(tk().activeWindow(), &f) << r.named->name();
    EXPECT_TRUE(tk().input().isActive(f));
    EXPECT_EQ(tk().keyboardFocus(), r.named) << r.named->name();
    tk().type("5");
    EXPECT_EQ(r.named->text(), "5") << r.named->name();
  }
}

TEST_F(Bar, ClosingTheBarFromTheSystemIsQuitAndRefusedDuringACountdown) {
  MainBar& f = shown();
  f.startOrStop();
  f.closeRequested();
  EXPECT_TRUE(f.loaded());
  f.startOrStop();
  f.closeRequested();
  EXPECT_TRUE(sys().ended);
}

// A step that fails is skipped and leaves a trace of where and why.
TEST_F(Bar, AFailingStepIsSkippedWithATrace) {
  stepsMaySkip = true;
  SkipOnError([] { throw std::runtime_error("the disk is full"); });
  ASSERT_EQ(sys().skippedSteps.size(), 1u);
  EXPECT_TRUE(sys().skippedSteps[0].starts_with("Morvane skipped a step (BarTest.cpp:")) << sys().skippedSteps[0];
  EXPECT_TRUE(sys().skippedSteps[0].ends_with("): the disk is full")) << sys().skippedSteps[0];
}

}  // namespace
}  // namespace morvane
