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
  Control& target = field(failure->field);
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

void MainBar::fixMoment(Instant now) { moment_ = morvane::ShutdownMoment(fields(), now, program_.system().timeZone()); }

// The fields are checked, and the moment fixed, against one reading of the clock.
void MainBar::start() {
  const Instant now = program_.system().currentInstant();
  if (!validateFields(now)) return;
  if (!ActionOffered(program_, action_)) return;
  SkipOnError([&] { SaveSettings(program_); });
  counting_ = true;
  SkipOnError([&] { countdownLine.setText(CountdownIdleText(action_)); });
  SkipOnError([&] { showCountdownState(); });
  SkipOnError([&] { fixMoment(now); });
  SkipOnError([&] { holdMoment(); });
  SkipOnError([&] { countdownTimer.setEnabled(true); });
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
  System& system = program_.system();
  system.keepAwake(true);
  if (EndsTheProgram(action_)) system.wakeAt(moment_ - kWakeBeforeMoment);
}

void MainBar::releaseMoment() {
  System& system = program_.system();
  system.cancelWake();
  system.keepAwake(false);
}

// Each step of the tick is skipped on error and the next one runs. The tick compares instants,
// so a clock the user sets forward or back changes the time left, while a daylight-saving
// change does not.
void MainBar::countdownTick() {
  CountdownTick tick;
  SkipOnError([&] { tick = DecideCountdownTick(moment_, program_.system().currentInstant(), action_); });
  if (tick.movedMoment) moment_ = *tick.movedMoment;
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
