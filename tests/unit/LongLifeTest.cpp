// A 99:59 countdown from the command line lived through on virtual time while the wall clock is set back and forth.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>
#include <string>

#include "app/Startup.h"
#include "tests/unit/ProgramFixture.h"
#include "ui/bar/MainBar.h"
#include "ui/dialogs/CountdownAlert.h"

namespace morvane {
namespace {

using namespace std::chrono;
using testing::At;

const LocalTime kStart = At(2026, 12, 7, 10, 0, 0);

class LongLife : public testing::ProgramTest {
 protected:
  LongLife() : ProgramTest(kStart) {}

  // The program as "morvane 99:59" starts it.
  MainBar& StartedFromTheCommandLine() {
    sys().commandLine_ = "99:59";
    StartUp(*program);
    return program->mainBar();
  }
  Instant wall() { return p().clock.instant(); }
  void setWall(Instant t) { p().clock.setInstant(t); }
  long shutdownRequests() { return std::count(sys().calls.begin(), sys().calls.end(), "PowerOff"); }

  // What the countdown line must read with s seconds left, worked out here on its own.
  static std::string LineFor(std::int64_t s) {
    std::string left = s >= 3600 ? std::to_string(s / 3600) + " hours " + std::to_string(s / 60 % 60) + " minutes."
                       : s >= 60 ? std::to_string(s / 60) + " minutes."
                                 : std::to_string(s) + " seconds.";
    return "Shutdown after " + left;
  }
};

TEST_F(LongLife, ShutsDownOnceAtTheFirstTickPastTheMomentWhateverTheClockDidBefore) {
  MainBar& bar = StartedFromTheCommandLine();
  ASSERT_TRUE(bar.countdownRunning());
  const Instant target = bar.moment();
  ASSERT_EQ(localOf(target), kStart + hours{99} + minutes{59});
  ASSERT_EQ(settingsFile(), "21\r\n0\r\n99\r\n59\r\n 0 \r\n 8421504 \r\n");

  // The wall clock strays at most six hours from where it would be, so the moment comes
  // after about a hundred hours of virtual time; no jump lands on or past the moment.
  std::mt19937 random(20261207);
  std::uniform_int_distribution<std::int64_t> jumpSeconds(-3 * 3600, 3 * 3600);
  std::uniform_int_distribution<std::int64_t> stepSeconds(60, 300);
  const seconds kStray{6 * 3600};
  seconds stray{0};
  int jumps = 0, backwards = 0;
  const std::int64_t kGiveUpMs = 120LL * 3600 * 1000;
  while (!sys().ended && p().clock.elapsedMs() < kGiveUpMs) {
    // Whole seconds keep each step's end on a tick, so the line shows the wall clock of that end.
    advance(stepSeconds(random) * 1000);
    if (sys().ended) break;
    ASSERT_LE(wall(), target) << "the moment passed without a shutdown";
    ASSERT_EQ(shutdownRequests(), 0);
    ASSERT_EQ(bar.moment(), target) << "setting the clock must not move the moment";
    ASSERT_EQ(bar.countdownLine.text(), LineFor((target - wall()).count())) << "after " << p().clock.elapsedMs() << " ms";

    seconds jump{jumpSeconds(random)};
    if (std::abs((stray + jump).count()) > kStray.count()) jump = -jump;
    if (wall() + jump >= target) continue;
    setWall(wall() + jump);
    stray += jump;
    ++jumps;
    backwards += jump < seconds{0};
  }

  ASSERT_TRUE(sys().ended) << "no shutdown within " << kGiveUpMs << " ms of virtual time";
  EXPECT_EQ(shutdownRequests(), 1);
  EXPECT_EQ(sys().calls.back(), "EndProcess");
  // The clock stopped at the tick that shut down: the first one past the moment.
  EXPECT_GT(wall(), target);
  EXPECT_LE(wall() - target, seconds{1});
  EXPECT_GT(p().clock.elapsedMs(), 90LL * 3600 * 1000);
  EXPECT_GT(jumps, 500);
  EXPECT_GT(backwards, 200);
  EXPECT_EQ(settingsFile(), "21\r\n0\r\n99\r\n59\r\n 0 \r\n 8421504 \r\n");
}

TEST_F(LongLife, ClockMovedPastTheMomentIsAnnouncedForFifteenSecondsAndNothingRunsAfterwards) {
  MainBar& bar = StartedFromTheCommandLine();
  const Instant target = bar.moment();
  advance(5'000);
  EXPECT_EQ(bar.countdownLine.text(), "Shutdown after 99 hours 58 minutes.");

  // Set to a second before the moment: a jumped clock gives the alert its whole count all the same.
  setWall(target - seconds{1});
  advance(1'000);
  EXPECT_EQ(wall(), target);
  EXPECT_EQ(shutdownRequests(), 0);
  EXPECT_EQ(bar.countdownLine.text(), "Shutdown after 15 seconds.");

  // Long past: the next tick brings up the alert with a full count, and the count runs out
  // before anything is asked of the system.
  setWall(target + hours{2});
  advance(1'000);
  ASSERT_NE(program->existingCountdownAlert(), nullptr);
  EXPECT_EQ(program->existingCountdownAlert()->secondsLeft.text(), "15");
  advance(15'000);
  EXPECT_EQ(program->existingCountdownAlert()->secondsLeft.text(), "0");
  EXPECT_EQ(shutdownRequests(), 0);
  advance(1'000);
  EXPECT_EQ(shutdownRequests(), 1);
  ASSERT_TRUE(sys().ended);
  EXPECT_EQ(sys().calls.back(), "EndProcess");

  const auto calls = sys().calls;
  const std::int64_t stoppedAt = p().clock.elapsedMs();
  const std::string line = bar.countdownLine.text();
  advance(3'600'000);
  setWall(target + hours{5});
  advance(60'000);
  EXPECT_TRUE(p().clock.stopped());
  EXPECT_EQ(p().clock.elapsedMs(), stoppedAt);
  EXPECT_EQ(sys().calls, calls);
  EXPECT_EQ(bar.countdownLine.text(), line);
}

TEST_F(LongLife, ClockSetBackMakesTheTimeLeftGrow) {
  MainBar& bar = StartedFromTheCommandLine();
  advance(60'000);
  EXPECT_EQ(bar.countdownLine.text(), "Shutdown after 99 hours 58 minutes.");
  setWall(wall() - hours{24});
  advance(1'000);
  EXPECT_EQ(bar.countdownLine.text(), "Shutdown after 123 hours 57 minutes.");
  EXPECT_EQ(shutdownRequests(), 0);
}

}  // namespace
}  // namespace morvane
