// The warning a person can act on: how a countdown ends after a sleep and a resume, a clock
// that jumps, and a time zone that changes, each against a countdown ending in normal time.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <optional>
#include <ostream>
#include <string>

#include "app/Startup.h"
#include "schedule/Countdown.h"
#include "tests/unit/ProgramFixture.h"
#include "ui/bar/MainBar.h"
#include "ui/dialogs/CountdownAlert.h"

namespace morvane {
namespace {

using namespace std::chrono;
using testing::At;

// What happens to the computer some seconds into the countdown.
enum class Happening { Nothing, Sleep, ClockSet, ZoneChange };
// How it comes back from a sleep: the wake timer alone, or a person too, before the first tick
// on the new clock or after it.
enum class Resume { None, ByTimer, ByPerson, ByPersonAfterATick, ByPersonWhileAwake };

struct WarningCase {
  const char* name;
  const char* schedule;  // the command line, started at 10:00:00 UTC
  int at;                // seconds into the countdown
  Happening what;
  seconds by;            // the sleep's length, the clock's move, or the new zone's offset
  Resume resume;
  // What follows, in seconds of real time from Start: whether the person is told, how long the
  // alert is up before the power-off, and when the power-off comes.
  bool told;
  bool alertShown;
  std::optional<int> alertSeconds;
  std::optional<int> offAt;
};
void PrintTo(const WarningCase& c, std::ostream* out) { *out << c.name; }

// A zone an hour either way from UTC, all year.
HeadlessTimeZone FixedZone(minutes offset) {
  return {offset, offset, {3, 5, Sunday, hours{1}}, {10, 5, Sunday, hours{1}}};
}

class Warning : public testing::ProgramTest, public ::testing::WithParamInterface<WarningCase> {
 protected:
  std::int64_t realSeconds() { return (p().clock.steadyMs() - startMs_) / 1000; }
  long requests() { return std::count(sys().calls.begin(), sys().calls.end(), "PowerOff"); }
  bool alertUp() {
    CountdownAlert* alert = program->existingCountdownAlert();
    return alert && alert->visible();
  }
  std::int64_t startMs_ = 0;
};

TEST_P(Warning, IsGivenWholeOrTheCountdownStopsAndSaysSo) {
  const WarningCase& c = GetParam();
  sys().commandLine_ = c.schedule;
  StartUp(*program);
  ASSERT_TRUE(program->mainBar().countdownRunning());
  advance(c.at * 1000);
  switch (c.what) {
    case Happening::Nothing: break;
    case Happening::Sleep: p().clock.sleep(duration_cast<milliseconds>(c.by).count()); break;
    case Happening::ClockSet: p().clock.setInstant(p().clock.instant() + c.by); break;
    case Happening::ZoneChange:
      p().clock.setZone(FixedZone(duration_cast<minutes>(c.by)));
      tk().systemEvent(SystemEvent::ClockChanged);
      break;
  }
  if (c.resume != Resume::None && c.resume != Resume::ByPersonWhileAwake) tk().systemEvent(SystemEvent::Resumed);
  bool alertShown = false;
  if (c.resume == Resume::ByPersonAfterATick) {
    advance(1000);
    alertShown = alertUp();
  }
  const LocalTime toldAt = p().clock.wallClock();
  if (c.resume == Resume::ByPerson || c.resume == Resume::ByPersonAfterATick) {
    tk().systemEvent(SystemEvent::ResumedByPerson);
  }

  alertShown = alertShown || alertUp();
  std::int64_t alertFrom = alertShown ? realSeconds() : -1;
  while (!sys().ended && realSeconds() < 8000) {
    if (c.resume == Resume::ByPersonWhileAwake && alertUp()) tk().systemEvent(SystemEvent::ResumedByPerson);
    advance(1000);
    if (alertUp() && alertFrom < 0) alertFrom = realSeconds();
    alertShown = alertShown || alertUp();
  }
  const bool off = requests() == 1;
  EXPECT_EQ(platform->tk().modalsShown().size(), c.told ? 1u : 0u);
  if (c.told) {
    EXPECT_EQ(platform->tk().modalsShown()[0].visibleTexts.at(0),
              SleptThroughMessage(toldAt, sys().localeFormats(), Action::ShutDown));
    EXPECT_FALSE(program->mainBar().countdownRunning());
    EXPECT_FALSE(sys().keptAwake);
  }
  EXPECT_EQ(alertShown, c.alertShown);
  EXPECT_EQ(off && alertFrom >= 0 ? std::optional<int>(realSeconds() - alertFrom) : std::nullopt, c.alertSeconds);
  EXPECT_EQ(off ? std::optional<int>(realSeconds()) : std::nullopt, c.offAt);
}

constexpr const char* kFiveMinutes = "00:05";
constexpr const char* kAtFivePast = "\"2026-12-07 10:05\"";

INSTANTIATE_TEST_SUITE_P(
    Countdown, Warning,
    ::testing::Values(
        // In normal time the alert counts 15 to 0 and the tick after asks: sixteen seconds.
        WarningCase{"NormalEnd", kFiveMinutes, 0, Happening::Nothing, {}, Resume::None, false, true, 16, 301},
        WarningCase{"UnderASecondAheadShutsDownOnTheFirstTick", "\"2026-12-07 10:00\"", 0, Happening::Nothing, {},
                    Resume::None, false, false, std::nullopt, 1},
        // A person's resume while awake, the alert counting, changes nothing.
        WarningCase{"PersonResumeWhileAwake", kFiveMinutes, 0, Happening::Nothing, {}, Resume::ByPersonWhileAwake,
                    false, true, 16, 301},
        WarningCase{"ClockForwardIntoTheLastFifteenSeconds", kFiveMinutes, 280, Happening::ClockSet, seconds{15},
                    Resume::None, false, true, 16, 297},
        WarningCase{"ClockForwardToASecondPast", kFiveMinutes, 280, Happening::ClockSet, seconds{21}, Resume::None,
                    false, true, 16, 297},
        WarningCase{"ClockForwardAnHourPast", kFiveMinutes, 100, Happening::ClockSet, hours{1}, Resume::None, false,
                    true, 16, 117},
        WarningCase{"ClockBackAnHour", kFiveMinutes, 100, Happening::ClockSet, -hours{1}, Resume::None, false, true,
                    16, 3901},
        WarningCase{"SleptThroughWokenByTheTimer", kFiveMinutes, 100, Happening::Sleep, hours{1}, Resume::ByTimer,
                    false, true, 16, 3717},
        WarningCase{"SleptThroughWokenByAPerson", kFiveMinutes, 100, Happening::Sleep, hours{1}, Resume::ByPerson,
                    true, false, std::nullopt, std::nullopt},
        WarningCase{"SleptThroughAPersonAfterTheFirstTick", kFiveMinutes, 100, Happening::Sleep, hours{1},
                    Resume::ByPersonAfterATick, true, true, std::nullopt, std::nullopt},
        WarningCase{"WokenByAPersonBeforeTheMoment", kFiveMinutes, 100, Happening::Sleep, seconds{60},
                    Resume::ByPerson, false, true, 16, 301},
        // The at mode's reading is fixed again in the new zone: an hour ahead it has passed, and
        // the alert counts in full; an hour behind, it comes an hour later. The after mode keeps its moment.
        WarningCase{"ZoneAheadAtModeReadingPassed", kAtFivePast, 100, Happening::ZoneChange, hours{1}, Resume::None,
                    false, true, 16, 117},
        WarningCase{"ZoneBehindAtModeReadingLater", kAtFivePast, 100, Happening::ZoneChange, -hours{1}, Resume::None,
                    false, true, 16, 3901},
        WarningCase{"ZoneAheadAfterModeUnchanged", kFiveMinutes, 100, Happening::ZoneChange, hours{1}, Resume::None,
                    false, true, 16, 301}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace morvane
