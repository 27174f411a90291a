// The moment kept: power-off at the right real second across daylight-saving changes, a moment
// found long past announced by the alert, and a refused power-off told rather than hidden.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "tests/unit/ProgramFixture.h"
#include "ui/bar/MainBar.h"
#include "ui/dialogs/CountdownAlert.h"

namespace morvane {
namespace {

using namespace std::chrono;
using testing::At;

// New York's rule: the clocks go forward at 2:00 on the second Sunday of March, back at 2:00
// on the first Sunday of November.
const HeadlessTimeZone kNewYork{hours{-5}, hours{-4}, {3, 2, Sunday, hours{2}}, {11, 1, Sunday, hours{2}}};

class PowerOff : public testing::ProgramTest {
 protected:
  explicit PowerOff(LocalTime start = At(2026, 12, 7, 10, 0, 0), HeadlessTimeZone zone = {})
      : ProgramTest(start, zone) {}
  void run(const std::string& commandLine) {
    sys().commandLine_ = commandLine;
    StartUp(*program);
  }
  long requests() { return std::count(sys().calls.begin(), sys().calls.end(), "PowerOff"); }
  std::vector<std::string> messages() const {
    std::vector<std::string> texts;
    for (auto& m : platform->tk().modalsShown()) texts.push_back(m.visibleTexts.empty() ? "" : m.visibleTexts[0]);
    return texts;
  }
};

struct ChangeCase {
  const char* name;
  LocalTime start;          // on New York's wall clock, its first showing
  const char* commandLine;  // the schedule
  std::int64_t realSeconds;  // from Start to the moment
};
void PrintTo(const ChangeCase& c, std::ostream* out) { *out << c.name; }

class AcrossAChange : public PowerOff, public ::testing::WithParamInterface<ChangeCase> {
 protected:
  AcrossAChange() : PowerOff(GetParam().start, kNewYork) {}
};

// The countdown line counts real time, without a leap at the change, and the request comes at
// the first tick past the moment.
TEST_P(AcrossAChange, PowersOffAtTheRightRealSecond) {
  const ChangeCase& c = GetParam();
  run(c.commandLine);
  MainBar& bar = program->mainBar();
  ASSERT_TRUE(bar.countdownRunning());

  advance((c.realSeconds - 1800) * 1000);
  EXPECT_EQ(bar.countdownLine.text(), "Shutdown after 30 minutes.");
  advance(1800 * 1000);
  EXPECT_EQ(bar.countdownLine.text(), "Shutdown after 0 seconds.");
  EXPECT_EQ(requests(), 0);
  advance(1000);
  EXPECT_EQ(requests(), 1);
  EXPECT_TRUE(sys().ended);
}

INSTANTIATE_TEST_SUITE_P(
    NewYork, AcrossAChange,
    ::testing::Values(
        // After 1 hour 30 minutes is 90 real minutes whether the clocks go forward or back.
        ChangeCase{"AfterModeIntoSummerTime", At(2027, 3, 14, 1, 30, 0), "01:30", 5400},
        ChangeCase{"AfterModeOutOfSummerTime", At(2027, 11, 7, 1, 30, 0), "01:30", 5400},
        // 2:30 is skipped in spring: the clocks land on 3:00, an hour after 1:00.
        ChangeCase{"AtModeTimeTheClocksSkip", At(2027, 3, 14, 1, 0, 0), "\"2027-03-14 02:30\"", 3600},
        // 1:30 is shown twice in autumn: the first showing, an hour after 0:30.
        ChangeCase{"AtModeTimeTheClocksShowTwice", At(2027, 11, 7, 0, 30, 0), "\"2027-11-07 01:30\"", 3600}),
    [](const auto& info) { return std::string(info.param.name); });

// Each Start holds the system awake and arms a wake 20 s before its own moment; Stop lets go of both.
TEST_F(PowerOff, ACountdownKeepsTheSystemAwakeAndArmsAWake) {
  run("00:05");
  MainBar& bar = program->mainBar();
  ASSERT_TRUE(bar.countdownRunning());
  EXPECT_TRUE(sys().keptAwake);
  EXPECT_EQ(sys().wake, bar.moment() - seconds{20});
  EXPECT_EQ(bar.moment(), p().clock.instant() + minutes{5});

  bar.startOrStop();
  EXPECT_FALSE(sys().keptAwake);
  EXPECT_FALSE(sys().wake);

  advance(60'000);
  bar.afterMinutes.setText("2");
  bar.startOrStop();
  EXPECT_TRUE(sys().keptAwake);
  EXPECT_EQ(sys().wake, p().clock.instant() + minutes{2} - seconds{20});
}

// A clock set two hours forward during a countdown: the next tick brings up the alert with a
// full count instead of switching off, and its Stop ends the countdown with nothing requested.
TEST_F(PowerOff, AMomentJumpedOverIsAnnouncedAndStopCancelsIt) {
  run("00:05");
  MainBar& bar = program->mainBar();
  advance(10'000);
  p().clock.setInstant(p().clock.instant() + hours{2});
  advance(1'000);
  CountdownAlert* alert = program->existingCountdownAlert();
  ASSERT_NE(alert, nullptr);
  EXPECT_TRUE(alert->visible());
  EXPECT_EQ(alert->secondsLeft.text(), "15");
  advance(14'000);
  EXPECT_EQ(alert->secondsLeft.text(), "1");
  EXPECT_EQ(requests(), 0);

  tk().click(alert->stopButton);
  EXPECT_EQ(program->existingCountdownAlert(), nullptr);
  EXPECT_FALSE(bar.countdownRunning());
  EXPECT_EQ(bar.startButton.caption(), "Start");
  advance(60'000);
  EXPECT_EQ(requests(), 0);
  EXPECT_FALSE(sys().ended);
}

enum class From { CountdownTick, RunNow, CommandLine };

struct RefusalCase {
  const char* name;
  From from;
  std::optional<std::string> privilegeRefusal, shutdownRefusal;
  std::string message;
};
void PrintTo(const RefusalCase& c, std::ostream* out) { *out << c.name; }

class Refused : public PowerOff, public ::testing::WithParamInterface<RefusalCase> {};

// The message goes up with the countdown already stopped (no tick behind it asks again); then
// the bar stays, idle, or the command line's run ends. The schedule was saved first all the same.
TEST_P(Refused, IsToldAndTheBarStaysOrTheCommandLineEnds) {
  const RefusalCase& c = GetParam();
  sys().privilegeRefusal = c.privilegeRefusal;
  sys().shutdownRefusal = c.shutdownRefusal;
  bool tickingBehindTheMessage = true, endedBeforeTheMessageClosed = true;
  tk().onNextModal([&](Window&) {
    endedBeforeTheMessageClosed = sys().ended;
    MainBar* bar = program->existingMainBar();
    tickingBehindTheMessage = bar && bar->countdownTimer.enabled();
    advance(5'000);
  });

  if (c.from == From::CommandLine) {
    run("shutdown");
  } else {
    run("00:01");
    advance(45'000);
    ASSERT_NE(program->existingCountdownAlert(), nullptr);
    if (c.from == From::RunNow) {
      advance(1'000);  // Run Now takes no press in the alert's first second
      tk().click(program->existingCountdownAlert()->runNowButton);
    } else {
      advance(16'000);
    }
  }

  EXPECT_EQ(messages(), std::vector<std::string>{c.message});
  EXPECT_FALSE(tickingBehindTheMessage);
  EXPECT_FALSE(endedBeforeTheMessageClosed);
  EXPECT_EQ(requests(), 1);
  EXPECT_FALSE(settingsFile().empty());
  EXPECT_FALSE(sys().keptAwake);
  EXPECT_FALSE(sys().wake);
  if (c.from == From::CommandLine) {
    EXPECT_TRUE(sys().ended);
    EXPECT_EQ(sys().calls.back(), "EndProcess");
    return;
  }
  EXPECT_FALSE(sys().ended);
  EXPECT_EQ(program->existingCountdownAlert(), nullptr);
  MainBar& bar = program->mainBar();
  EXPECT_TRUE(bar.visible());
  EXPECT_FALSE(bar.countdownRunning());
  EXPECT_EQ(bar.startButton.caption(), "Start");
  const auto calls = sys().calls;
  advance(60'000);
  EXPECT_EQ(sys().calls, calls);
  EXPECT_EQ(messages().size(), 1u);
}

const std::string kAccessDenied = "Access is denied.";
const std::string kNotAllAssigned = "Not all privileges or groups referenced are assigned to the caller.";
const std::string kNotHeld = "A required privilege is not held by the client.";

INSTANTIATE_TEST_SUITE_P(
    Steps, Refused,
    ::testing::Values(
        RefusalCase{"BothFromTheCountdown", From::CountdownTick, kAccessDenied, kNotHeld,
                    "Morvane could not switch the computer off: " + kNotHeld +
                        " The shutdown privilege was refused as well: " + kAccessDenied},
        RefusalCase{"RequestFromRunNow", From::RunNow, {}, kNotAllAssigned,
                    "Morvane could not switch the computer off: " + kNotAllAssigned},
        RefusalCase{"RequestFromTheCountdown", From::CountdownTick, {}, kNotHeld,
                    "Morvane could not switch the computer off: " + kNotHeld},
        RefusalCase{"BothFromTheCommandLine", From::CommandLine, kAccessDenied, kNotHeld,
                    "Morvane could not switch the computer off: " + kNotHeld +
                        " The shutdown privilege was refused as well: " + kAccessDenied},
        RefusalCase{"RequestFromTheCommandLine", From::CommandLine, {}, kNotHeld,
                    "Morvane could not switch the computer off: " + kNotHeld}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace morvane
