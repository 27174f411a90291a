// The bar's command buttons on the headless backend: Start and Stop, Quit, Help, the home
// page and About, the messages they raise, and closing the bar from the system.
#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>

#include "platform/SkipOnError.h"
#include "tests/unit/BarFixture.h"
#include "ui/PowerOff.h"
#include "ui/dialogs/AboutWindow.h"
#include "ui/dialogs/MessageDialog.h"
#include "ui/dialogs/ShowMessage.h"

namespace morvane {
namespace {

class BarButtons : public BarFixture {};

TEST_F(BarButtons, StartAndStopSwapTheLinesAndQuit) {
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

TEST_F(BarButtons, QuitSavesTheTypedScheduleAndEnds) {
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

TEST_F(BarButtons, HelpAndHomePageGoToTheShell) {
  MainBar& f = shown();
  tk().click(f.helpButton);
  tk().click(f.homePageButton);
  std::vector<std::string> opens;
  for (auto& call : sys().calls)
    if (call.rfind("ShellExecute", 0) == 0) opens.push_back(call);
  EXPECT_EQ(opens, (std::vector<std::string>{"ShellExecute Open C:\\Program Files\\Morvane\\help.chm",
                                             "ShellExecute Open https://www.quillon.example/"}));
}

TEST_F(BarButtons, AboutShowsOneAboutBoxThatStaysUp) {
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
TEST_F(BarButtons, ADoubleClickOnStopStopsOnce) {
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
TEST_F(BarButtons, AClosedMessageReturnsActivationToTheBarWithTheNamedFieldFocused) {
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

TEST_F(BarButtons, ClosingTheBarFromTheSystemIsQuitAndRefusedDuringACountdown) {
  MainBar& f = shown();
  f.startOrStop();
  f.closeRequested();
  EXPECT_TRUE(f.loaded());
  f.startOrStop();
  f.closeRequested();
  EXPECT_TRUE(sys().ended);
}

// A step that fails is skipped and leaves a trace of where and why.
TEST_F(BarButtons, AFailingStepIsSkippedWithATrace) {
  stepsMaySkip = true;
  SkipOnError([] { throw std::runtime_error("the disk is full"); });
  ASSERT_EQ(sys().skippedSteps.size(), 1u);
  EXPECT_TRUE(sys().skippedSteps[0].starts_with("Morvane skipped a step (BarButtonsTest.cpp:")) << sys().skippedSteps[0];
  EXPECT_TRUE(sys().skippedSteps[0].ends_with("): the disk is full")) << sys().skippedSteps[0];
}

}  // namespace
}  // namespace morvane
