// Start, Stop and the one-second countdown of the bar.
#include "schedule/ActionText.h"
#include "schedule/Countdown.h"
#include "schedule/ShutdownMoment.h"
#include "schedule/ValidateSchedule.h"
#include "ui/PowerOff.h"
#include "ui/bar/BarSettings.h"
#include "ui/Program.h"
#include "ui/dialogs/CountdownAlert.h"
#include "ui/bar/MainBar.h"
#include "platform/SkipOnError.h"

namespace morvane {

// The failure of the first check that fails is shown in the message dialog, with the
// focus moved before the message or, with the field's text selected, after it.
bool MainBar::validateFields(Instant now) {
  System& system = program_.system();
  auto failure = morvane::ValidateSchedule(fields(), now, system.timeZone(), system.localeFormats());
  if (!failure) return true;
  TextField& target = field(failure->field);
  if (failure->focus == ValidationFailure::Focus::BeforeMessage) {
    target.setFocus();
    if (!failure->silent) showMessage(failure->message);
  } else {
    if (!failure->silent) showMessage(failure->message);
    target.setFocus();
    target.selectAll();
  }
  return false;
}

bool MainBar::fixMoment(Instant now) {
  const TimeZone& zone = program_.system().timeZone();
  std::optional<Instant> moment = morvane::ShutdownMoment(fields(), now, zone);
  if (!moment) return false;
  moment_ = *moment;
  atReading_ = AtModeReading(fields(), now, zone);
  return true;
}

// All or nothing: the fields are checked, and the moment fixed, against one reading of the
// clock; the moment and the countdown's timer come first, and only then does the bar show a
// countdown. A step it cannot do without leaves the bar idle, and says so.
void MainBar::start() {
  const Instant now = program_.system().currentInstant();
  if (!validateFields(now)) return;
  if (!ActionOffered(program_, action_)) return;
  SkipOnError([&] { SaveSettings(program_); });
  if (!armCountdown(now)) {
    showMessage(kCountdownNotStartedMessage);
    return;
  }
  counting_ = true;
  SkipOnError([&] { countdownLine.setText(CountdownIdleText(action_)); });
  SkipOnError([&] { showCountdownState(); });
  SkipOnError([&] { holdMoment(); });
}

bool MainBar::armCountdown(Instant now) {
  bool fixed = false;
  SkipOnError([&] { fixed = fixMoment(now); });
  if (!fixed) return false;
  System& system = program_.system();
  lastTickWall_ = now;
  lastTickSteadyMs_ = system.steadyMilliseconds();
  momentMoved_ = false;
  momentMissed_ = false;
  if (countdownTimer.setEnabled(true)) return true;
  countdownTimer.setEnabled(false);
  TraceSkippedStep(__FILE__, __LINE__, "the countdown's timer was refused");
  return false;
}

void MainBar::stopCountdown() {
  countdownTimer.setEnabled(false);
  counting_ = false;
  releaseMoment();
  showCountdownState();
}

// While a countdown runs the system stays awake, so an idle sleep cannot come first and leave
// the bar counting, and a sleep the user chooses ends early enough for the whole alert to show
// before the moment. A countdown to sleep, hibernate or lock arms no wake: a computer already
// asleep at the moment has nothing left to do.
void MainBar::holdMoment() {
  program_.system().keepAwake(true);
  armWake();
}

// A wake that cannot be armed does not stop the countdown: the tick after a sleep finds the
// moment missed and gives the alert.
void MainBar::armWake() {
  if (!EndsTheProgram(action_)) return;
  if (!program_.system().wakeAt(moment_ - kWakeBeforeMoment)) {
    TraceSkippedStep(__FILE__, __LINE__, "the wake before the moment could not be armed");
  }
}

void MainBar::releaseMoment() {
  System& system = program_.system();
  system.cancelWake();
  system.keepAwake(false);
}

// Each step of the tick is skipped on error and the next one runs. The tick compares instants,
// so a clock the user sets forward or back changes the time left, while a daylight-saving
// change does not; a clock that jumped gives the alert its whole count all the same.
void MainBar::countdownTick() {
  CountdownTick tick;
  SkipOnError([&] {
    System& system = program_.system();
    const Instant now = system.currentInstant();
    const std::int64_t steadyMs = system.steadyMilliseconds();
    const bool jumped =
        momentMoved_ || ClockJumped(now - lastTickWall_, std::chrono::milliseconds{steadyMs - lastTickSteadyMs_});
    lastTickWall_ = now;
    lastTickSteadyMs_ = steadyMs;
    momentMoved_ = false;
    tick = DecideCountdownTick(moment_, now, action_, jumped);
  });
  if (tick.movedMoment) {
    moment_ = *tick.movedMoment;
    momentMissed_ = momentMissed_ || tick.momentMissed;
    SkipOnError([&] { armWake(); });
  }
  if (tick.shutdown) {
    DoAction(program_, action_);
    return;
  }
  if (tick.alertNumber) {
    SkipOnError([&] { program_.countdownAlert().showSecondsLeft(*tick.alertNumber, action_); });
  }
  SkipOnError([&] { countdownLine.setText(tick.line); });
}

}  // namespace morvane
