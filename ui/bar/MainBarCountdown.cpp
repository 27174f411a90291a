// Start, Stop and the one-second countdown of the bar.
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
bool MainBar::validateFields() {
  auto failure = morvane::ValidateSchedule(fields(), program_.system().now(), program_.system().localeFormats());
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

void MainBar::fixMoment() {
  System& system = program_.system();
  moment = morvane::ShutdownMoment(fields(), system.currentInstant(), system.timeZone());
}

void MainBar::start() {
  if (!validateFields()) return;
  SkipOnError([&] { SaveSettings(program_); });
  counting_ = true;
  SkipOnError([&] { countdownLine.setText(kCountdownIdleText); });
  SkipOnError([&] { showCountdownState(); });
  SkipOnError([&] { fixMoment(); });
  SkipOnError([&] { countdownTimer.setEnabled(true); });
}

void MainBar::stopCountdown() {
  countdownTimer.setEnabled(false);
  counting_ = false;
  showCountdownState();
}

// Each step of the tick is skipped on error and the next one runs. The tick compares instants,
// so a clock the user sets forward or back changes the time left, while a daylight-saving
// change does not.
void MainBar::countdownTick() {
  CountdownTick tick;
  SkipOnError([&] { tick = DecideCountdownTick(moment, program_.system().currentInstant()); });
  if (tick.movedMoment) moment = *tick.movedMoment;
  if (tick.shutdown) {
    DoShutdown(program_);
    return;
  }
  if (tick.alertNumber) {
    SkipOnError([&] {
      CountdownAlert& alert = program_.countdownAlert();
      alert.secondsLeft.setText(std::to_string(*tick.alertNumber));
      if (!alert.visible()) alert.show();
    });
  }
  SkipOnError([&] { countdownLine.setText(tick.line); });
}

}  // namespace morvane
