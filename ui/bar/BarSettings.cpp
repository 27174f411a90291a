// The bar's schedule and the settings file.
#include "ui/bar/BarSettings.h"

#include "platform/SkipOnError.h"
#include "settings/SettingsFile.h"
#include "ui/Program.h"
#include "ui/bar/MainBar.h"

namespace morvane {

void SaveSettings(Program& program) {
  MainBar& bar = program.mainBar();
  SaveSettingsFile(program.system(), bar.settingsValues());
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
