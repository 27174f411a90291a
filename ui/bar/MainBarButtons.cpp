// The bar's command buttons: Start/Stop, Help, About, the maker's home page and Quit.
#include "platform/SkipOnError.h"
#include "ui/Program.h"
#include "ui/bar/BarSettings.h"
#include "ui/bar/MainBar.h"
#include "ui/dialogs/AboutWindow.h"

namespace morvane {

void MainBar::startSchedule(const Schedule& schedule) {
  for (const FieldText& t : FieldTexts(schedule)) SkipOnError([&] { field(t.field).setText(t.text); });
  SkipOnError([&] { selectAction(schedule.action); });
  SkipOnError([&] { show(); });
  SkipOnError([&] { schedule.mode == ScheduleMode::After ? selectAfterMode() : selectAtMode(); });
  SkipOnError([&] { startOrStop(); });
}

// In each handler every step is skipped on error and the next one runs.
void MainBar::startOrStop() {
  if (!counting_) {
    start();
  } else {
    SkipOnError([&] { stopCountdown(); });
  }
}

void MainBar::openHelp() {
  System& system = program_.system();
  SkipOnError([&] { system.shellOpen("Open", system.joinPath(system.executableFolder(), "help.chm")); });
}

void MainBar::showAbout() {
  SkipOnError([&] { program_.aboutWindow().showAsAbout(); });
}

void MainBar::openHomePage() {
  SkipOnError([&] { program_.system().shellOpen("Open", kMakerHomePage); });
}

void MainBar::quit() {
  SkipOnError([&] { SaveSettings(program_); });
  SkipOnError([&] { releaseMoment(); });
  SkipOnError([&] { unload(); });
  SkipOnError([&] { program_.system().endProcess(); });
}

// Closing the bar from the system (Alt+F4) is Quit, and is refused while a countdown runs,
// as Quit is.
void MainBar::closeRequested() {
  if (quitAvailable()) quit();
}

}  // namespace morvane
