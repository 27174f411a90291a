// Start-up: one instance only, then each command-line form starts the run it names.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>

#include "app/Startup.h"
#include "tests/unit/ProgramFixture.h"
#include "ui/dialogs/AboutWindow.h"
#include "ui/bar/MainBar.h"

namespace morvane {
namespace {

class Start : public testing::ProgramTest {
 protected:
  bool called(const std::string& call) { return std::count(sys().calls.begin(), sys().calls.end(), call) > 0; }
};

const std::string kLeftover = "C:\\windows\\morvane.dll.4242.new";  // a save cut short by an ended process

TEST_F(Start, EmptyShowsTheSplashWhichOpensTheBar) {
  sys().files[kLeftover] = "21";
  startWith("");
  EXPECT_FALSE(sys().files.count(kLeftover)) << "the one instance tidies what an earlier run left";
  ASSERT_NE(program->existingAboutWindow(), nullptr);
  EXPECT_TRUE(program->existingAboutWindow()->visible());
  EXPECT_EQ(program->existingMainBar(), nullptr);
  advance(1000);
  ASSERT_NE(program->existingMainBar(), nullptr);
  EXPECT_TRUE(program->existingMainBar()->visible());
  EXPECT_EQ(program->existingAboutWindow(), nullptr);
  EXPECT_TRUE(messagesShown().empty());
}

// A check that fails may hide another instance: it counts as one.
TEST_F(Start, ASecondInstanceOrAFailedCheckOnlyTellsWhereTheFirstIs) {
  for (bool checkFails : {false, true}) {
    program.reset();
    platform = std::make_unique<HeadlessPlatform>(testing::At(2026, 12, 7, 10, 0, 0));
    program = std::make_unique<Program>(*platform);
    sys().anotherInstance_ = !checkFails;
    sys().instanceCheckFails = checkFails;
    stepsMaySkip = checkFails;
    sys().files[kLeftover] = "21";
    startWith("shutdown");
    EXPECT_EQ(messagesShown(), (std::vector<std::string>{
                              "Morvane is running... Move your mouse to the top of screen, you will see it."}));
    EXPECT_TRUE(sys().ended);
    EXPECT_FALSE(called("PowerOff"));
    EXPECT_EQ(program->existingMainBar(), nullptr);
    EXPECT_EQ(sys().files, (std::map<std::string, std::string>{{kLeftover, "21"}})) << "nothing touched";
  }
}

TEST_F(Start, ShutdownInAnyCaseSavesTheInitialScheduleAndPowersOff) {
  startWith("ShutDown");
  EXPECT_EQ(settingsFile(), "21\r\n0\r\n1\r\n0\r\n 0 \r\n 8421504 \r\n");
  EXPECT_TRUE(called("PowerOff"));
  EXPECT_TRUE(sys().ended);
}

TEST_F(Start, AfterFormStartsTheCountdownWithTheDigitsAsTyped) {
  startWith("01:30");
  MainBar* bar = program->existingMainBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->afterHours.text(), "01");
  EXPECT_EQ(bar->afterMinutes.text(), "30");
  EXPECT_TRUE(bar->visible());
  EXPECT_EQ(bar->startButton.caption(), "Stop");
  EXPECT_EQ(localOf(bar->moment()), testing::At(2026, 12, 7, 11, 30, 0));
  EXPECT_EQ(settingsFile(), "21\r\n0\r\n01\r\n30\r\n 0 \r\n 8421504 \r\n");
}

TEST_F(Start, AtTodayFormKeepsTodaysDate) {
  startWith("21:30:00");
  MainBar* bar = program->existingMainBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->atWord.foreColor(), Rgb(0, 0, 0));
  EXPECT_EQ(bar->atHour.text(), "21");
  EXPECT_EQ(bar->atMinute.text(), "30");
  EXPECT_EQ(localOf(bar->moment()), testing::At(2026, 12, 7, 21, 30, 0));
}

TEST_F(Start, TimeWithSecondsIsReadAsADateAndTimeToday) {
  startWith("21:30:15");
  MainBar* bar = program->existingMainBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->atHour.text(), "21");
  EXPECT_EQ(bar->atMinute.text(), "30");
  EXPECT_EQ(bar->atYear.text(), "2026");
  EXPECT_EQ(bar->atMonth.text(), "12");
  EXPECT_EQ(bar->atDay.text(), "7");
  EXPECT_EQ(bar->startButton.caption(), "Stop");
}

TEST_F(Start, AQuotedDateAndTimeIsTheSameSchedule) {
  startWith("\"2026-12-24 18:05\"");
  MainBar* bar = program->existingMainBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(localOf(bar->moment()), testing::At(2026, 12, 24, 18, 5, 0));
  EXPECT_TRUE(messagesShown().empty());
}

// Whatever the platform's conversion reads, in whatever words, is the schedule.
TEST_F(Start, ADateThePlatformReadsStartsTheCountdownToIt) {
  LocalTime askedAt{};
  sys().dateConversion_ = [&askedAt](std::string_view text, LocalTime now) -> std::optional<LocalTime> {
    askedAt = now;
    if (text == "dec 24 2080 6:05pm") return testing::At(2080, 12, 24, 18, 5, 0);
    return std::nullopt;
  };
  startWith("Dec 24 2080 6:05PM");
  MainBar* bar = program->existingMainBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(askedAt, testing::At(2026, 12, 7, 10, 0, 0));
  EXPECT_EQ((std::array{bar->atYear.text(), bar->atMonth.text(), bar->atDay.text(), bar->atHour.text(), bar->atMinute.text()}),
            (std::array<std::string, 5>{"2080", "12", "24", "18", "5"}));
  EXPECT_EQ(localOf(bar->moment()), testing::At(2080, 12, 24, 18, 5, 0));
  EXPECT_EQ(bar->startButton.caption(), "Stop");
  EXPECT_TRUE(messagesShown().empty());
}

TEST_F(Start, OutOfRangeDigitsReachTheBarAndItsMessage) {
  startWith("99:99");
  MainBar* bar = program->existingMainBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(messagesShown(), (std::vector<std::string>{"The value must be 0-59."}));
  EXPECT_EQ(bar->startButton.caption(), "Start");
  EXPECT_TRUE(bar->afterMinutes.hasFocus());
  EXPECT_EQ(bar->afterMinutes.selLength(), 2);
}

TEST_F(Start, AnythingElseSaysErrorParameterThenShowsTheSplash) {
  for (const char* text : {"bogus", "shutdown now", "12:3x"}) {
    program.reset();
    platform = std::make_unique<HeadlessPlatform>(testing::At(2026, 12, 7, 10, 0, 0));
    program = std::make_unique<Program>(*platform);
    startWith(text);
    EXPECT_EQ(messagesShown(), (std::vector<std::string>{"Error Parameter!"})) << text;
    ASSERT_NE(program->existingAboutWindow(), nullptr) << text;
    EXPECT_TRUE(program->existingAboutWindow()->isSplash()) << text;
  }
}

}  // namespace
}  // namespace morvane
