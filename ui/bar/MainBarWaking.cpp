// What the system tells the bar of its own accord while a countdown runs: a resume from sleep,
// and a clock set or a time zone changed.
#include "platform/SkipOnError.h"
#include "schedule/Countdown.h"
#include "ui/Program.h"
#include "ui/bar/MainBar.h"
#include "ui/dialogs/CountdownAlert.h"

namespace morvane {

// A resume with nobody known to be there (the wake timer's) changes nothing: the next tick
// finds a moment slept through and gives the alert, then acts.
void MainBar::systemEvent(SystemEvent event) {
  if (!counting_) return;
  if (event == SystemEvent::ResumedByPerson) personReturned();
  if (event == SystemEvent::ClockChanged) clockChanged();
}

// A person woke the computer after the moment: they are told, and it stays on. Their wake may
// come before the first tick on the new clock or after it, while the missed moment's alert
// counts. A moment that has not passed keeps its countdown.
void MainBar::personReturned() {
  System& system = program_.system();
  const Instant now = system.currentInstant();
  if (!momentMissed_ && now - moment_ <= kMissedMomentTolerance) return;
  SkipOnError([&] { stopCountdown(); });
  SkipOnError([&] {
    if (CountdownAlert* alert = program_.existingCountdownAlert()) alert->unload();
  });
  SkipOnError([&] { showMessage(SleptThroughMessage(system.now(), system.localeFormats(), action_)); });
}

// The at mode's reading is an instant again in the zone now in force, and the wake follows it;
// the after mode counts real time and keeps its moment. A reading already passed in the new
// zone is due at once, and the next tick gives it the alert's whole count.
void MainBar::clockChanged() {
  if (!atReading_) return;
  System& system = program_.system();
  const Instant now = system.currentInstant();
  const Instant moment = system.timeZone().earliestShowing(*atReading_, now).value_or(now);
  if (moment == moment_) return;
  moment_ = moment;
  momentMoved_ = true;
  SkipOnError([&] { armWake(); });
}

}  // namespace morvane
