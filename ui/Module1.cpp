// The module procedures that tie the windows to the settings file and the shutdown.
#include "ui/Module1.h"

#include "schedule/ShutdownAction.h"
#include "settings/SettingsFile.h"
#include "ui/Program.h"
#include "ui/main/Form1.h"
#include "platform/SkipOnError.h"

namespace morvane {

void SaveSettings(Program& program) {
  Form1& form = program.form1();
  SaveSettingsFile(program.system(), form.settingsValues());
}

// Reads what it can (each step skipped on error), then lays the bar out for the mode
// that Label3's colour now encodes, file or no file.
void LoadSettings(Program& program) {
  Form1& form = program.form1();
  SkipOnError([&] {
    SettingsValues values = form.settingsValues();
    LoadSettingsFile(program.system(), values);
    form.applySettings(values);
  });
  form.layOutForMode(form.Label3.foreColor() == kModeSelected);
}

void DoShutdown(Program& program) {
  SkipOnError([&] { SaveSettings(program); });
  RequestPowerOff(program.system());
}

}  // namespace morvane
