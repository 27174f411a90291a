// The bar's schedule and the settings file.
#include "ui/bar/BarSettings.h"

#include "platform/SkipOnError.h"
#include "settings/SettingsFile.h"
#include "ui/Program.h"
#include "ui/bar/MainBar.h"

namespace morvane {

namespace {

// What the bar would save had it been loaded: the file's values (or the usual ones), each time
// cut to what its field holds, and the mode the colours select written as that mode's pair.
SettingsValues SettingsAsTheBarKeepsThem(System& system) {
  SettingsValues values;
  LoadSettingsFile(system, values);
  for (std::string* time : {&values.atHour, &values.atMinute, &values.afterHours, &values.afterMinutes}) {
    if (time->size() > static_cast<std::size_t>(kTimeFieldLength)) time->resize(kTimeFieldLength);
  }
  SetMode(values, ModeOf(values));
  return values;
}

}  // namespace

// Without a bar (the command line's "shutdown" and the other actions done at once) the schedule
// the last run left is written back as the bar would have written it, with no window made.
void SaveSettings(Program& program) {
  if (MainBar* bar = program.existingMainBar()) {
    SaveSettingsFile(program.system(), bar->settingsValues());
    return;
  }
  SaveSettingsFile(program.system(), SettingsAsTheBarKeepsThem(program.system()));
}

// Reads what it can over the usual values (each step skipped on error), then lays the bar out
// for the mode the file gave, file or no file.
void LoadSettings(Program& program) {
  MainBar& bar = program.mainBar();
  SkipOnError([&] {
    SettingsValues values;
    LoadSettingsFile(program.system(), values);
    bar.applySettings(values);
  });
  bar.showMode();
}

}  // namespace morvane
