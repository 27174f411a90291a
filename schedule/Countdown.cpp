// The countdown line: hours and minutes, minutes, or seconds, with no singular forms.
#include "schedule/Countdown.h"

#include "schedule/ActionText.h"
#include "schedule/LocaleText.h"

namespace morvane {

bool ClockJumped(std::chrono::seconds wallAdvance, std::chrono::milliseconds steadyAdvance) {
  const auto apart = wallAdvance - steadyAdvance;
  return apart > kClockJumpTolerance || apart < -kClockJumpTolerance;
}

std::string SleptThroughMessage(LocalTime now, const LocaleFormats& formats, Action action) {
  return "The current time is " + FormatGeneralDateTime(now, formats) +
         ", beyond the time you set. The computer was asleep at that time, so " + ActionNotDone(action) + ".";
}

// The seconds left are counted in 64 bits, so a moment more than 2^31 seconds (about 68 years)
// ahead still shows its true hours and minutes rather than a wrapped number.
CountdownTick DecideCountdownTick(Instant moment, Instant now, Action action, bool clockJumped) {
  CountdownTick tick;
  constexpr std::chrono::seconds kAlertCount{kAlertThresholdSeconds};
  if (clockJumped && moment - now < kAlertCount) {
    tick.momentMissed = moment < now;
    moment = now + kAlertCount;
    tick.movedMoment = moment;
  } else if (moment < now) {
    if (now - moment <= kMissedMomentTolerance) {
      tick.shutdown = true;
      return tick;
    }
    moment = now + kAlertCount;
    tick.movedMoment = moment;
    tick.momentMissed = true;
  }
  const std::int64_t s = (moment - now).count();
  std::string left;
  if (s >= 3600) {
    left = std::to_string(s / 3600) + " hours " + std::to_string(s % 3600 / 60) + " minutes.";
  } else if (s >= 60) {
    left = std::to_string(s / 60) + " minutes.";
  } else {
    left = std::to_string(s) + " seconds.";
    if (s <= kAlertThresholdSeconds) tick.alertNumber = s;
  }
  tick.line = std::string(ActionName(action)) + " after " + left;
  return tick;
}

}  // namespace morvane
