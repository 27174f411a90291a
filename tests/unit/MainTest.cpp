// Start-up: one instance only, then each command-line form starts the run it names.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/Main.h"
#include "tests/unit/ProgramFixture.h"
#include "ui/dialogs/About.h"
#include "ui/main/Form1.h"

namespace morvane {
namespace {

class Start : public testing::ProgramTest {
 protected:
  void run(const std::string& commandLine) {
    sys().commandLine_ = commandLine;
    Main(*program);
  }
  std::vector<std::string> messages() const {
    std::vector<std::string> texts;
    for (auto& m : platform->tk().modalsShown()) texts.push_back(m.visibleTexts.empty() ? "" : m.visibleTexts[0]);
    return texts;
  }
  bool called(const std::string& call) { return std::count(sys().calls.begin(), sys().calls.end(), call) > 0; }
};

TEST_F(Start, EmptyShowsTheSplashWhichOpensTheBar) {
  run("");
  ASSERT_NE(program->existingAbout(), nullptr);
  EXPECT_TRUE(program->existingAbout()->visible());
  EXPECT_EQ(program->existingForm1(), nullptr);
  advance(1000);
  ASSERT_NE(program->existingForm1(), nullptr);
  EXPECT_TRUE(program->existingForm1()->visible());
  EXPECT_EQ(program->existingAbout(), nullptr);
  EXPECT_TRUE(messages().empty());
}

TEST_F(Start, ASecondInstanceOnlyTellsWhereTheFirstIs) {
  sys().anotherInstance_ = true;
  run("shutdown");
  EXPECT_EQ(messages(), (std::vector<std::string>{
                            "Morvane is running... Move your mouse to the top of screen, you will see it."}));
  EXPECT_TRUE(sys().ended);
  EXPECT_FALSE(called("ExitWindowsEx 13 0"));
  EXPECT_EQ(program->existingForm1(), nullptr);
  EXPECT_TRUE(sys().files.empty()) << "nothing read or written";
}

TEST_F(Start, ShutdownInAnyCaseSavesTheInitialScheduleAndPowersOff) {
  run("ShutDown");
  EXPECT_EQ(settingsFile(), "21\r\n0\r\n1\r\n0\r\n 0 \r\n 8421504 \r\n");
  EXPECT_TRUE(called("ExitWindowsEx 13 0"));
  EXPECT_TRUE(sys().ended);
}

TEST_F(Start, AfterFormStartsTheCountdownWithTheDigitsAsTyped) {
  run("01:30");
  Form1* bar = program->existingForm1();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Text8.text(), "01");
  EXPECT_EQ(bar->Text9.text(), "30");
  EXPECT_TRUE(bar->visible());
  EXPECT_EQ(bar->xpcmdbutton1[0].Caption(), "Stop");
  EXPECT_EQ(bar->TargetTime, testing::At(2026, 12, 7, 11, 30, 0));
  EXPECT_EQ(settingsFile(), "21\r\n0\r\n01\r\n30\r\n 0 \r\n 8421504 \r\n");
}

TEST_F(Start, AtTodayFormKeepsTodaysDate) {
  run("21:30:00");
  Form1* bar = program->existingForm1();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Label4.foreColor(), 0u);
  EXPECT_EQ(bar->Text6.text(), "21");
  EXPECT_EQ(bar->Text7.text(), "30");
  EXPECT_EQ(bar->TargetTime, testing::At(2026, 12, 7, 21, 30, 0));
}

TEST_F(Start, TimeWithSecondsIsReadAsADateAndTimeToday) {
  run("21:30:15");
  Form1* bar = program->existingForm1();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->Text6.text(), "21");
  EXPECT_EQ(bar->Text7.text(), "30");
  EXPECT_EQ(bar->Text3.text(), "2026");
  EXPECT_EQ(bar->Text4.text(), "12");
  EXPECT_EQ(bar->Text5.text(), "7");
  EXPECT_EQ(bar->xpcmdbutton1[0].Caption(), "Stop");
}

TEST_F(Start, AQuotedDateAndTimeIsTheSameSchedule) {
  run("\"2026-12-24 18:05\"");
  Form1* bar = program->existingForm1();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->TargetTime, testing::At(2026, 12, 24, 18, 5, 0));
  EXPECT_TRUE(messages().empty());
}

TEST_F(Start, OutOfRangeDigitsReachTheBarAndItsMessage) {
  run("99:99");
  Form1* bar = program->existingForm1();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(messages(), (std::vector<std::string>{"The value must be 0-59."}));
  EXPECT_EQ(bar->xpcmdbutton1[0].Caption(), "Start");
  EXPECT_TRUE(bar->Text9.hasFocus());
  EXPECT_EQ(bar->Text9.selLength(), 2);
}

TEST_F(Start, AnythingElseSaysErrorParameterThenShowsTheSplash) {
  for (const char* text : {"bogus", "shutdown now", "12:3x"}) {
    program.reset();
    platform = std::make_unique<HeadlessPlatform>(testing::At(2026, 12, 7, 10, 0, 0));
    program = std::make_unique<Program>(*platform);
    run(text);
    EXPECT_EQ(messages(), (std::vector<std::string>{"Error Parameter!"})) << text;
    ASSERT_NE(program->existingAbout(), nullptr) << text;
    EXPECT_TRUE(program->existingAbout()->Timer1.enabled()) << text;
  }
}

}  // namespace
}  // namespace morvane
