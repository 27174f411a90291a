// Start-up: the single-instance rule and the command-line forms.
#include "app/Startup.h"

#include "app/CommandLine.h"
#include "ui/PowerOff.h"
#include "ui/dialogs/ShowMessage.h"
#include "ui/Program.h"
#include "ui/dialogs/AboutWindow.h"
#include "ui/bar/MainBar.h"
#include "platform/SkipOnError.h"
#include "settings/SettingsFile.h"

namespace morvane {

namespace {

void ShowSplash(Program& program) { program.aboutWindow().show(); }

// The schedule forms (after, at today, at a date): the bar loads first (restoring the settings and today's date), the
// command-line values overwrite its fields, the mode is chosen, and Start is pressed last.
template <class WriteFields>
void StartFromCommandLine(Program& program, bool afterMode, WriteFields write) {
  MainBar* form = nullptr;
  SkipOnError([&] { form = &program.mainBar(); });
  if (!form) return;
  SkipOnError([&] { write(*form); });
  SkipOnError([&] { form->show(); });
  SkipOnError([&] { afterMode ? form->selectAfterMode() : form->selectAtMode(); });
  SkipOnError([&] { form->startOrStop(); });
}

}  // namespace

// Every step runs under the skip-on-error rule.
void StartUp(Program& program) {
  System& system = program.system();
  std::string command;
  SkipOnError([&] { command = LowerCase(Unquoted(system.commandLine())); });

  bool first = true;
  SkipOnError([&] { first = system.claimSingleInstance(); });
  if (!first) {
    SkipOnError([&] {
      ShowMessage(program, "Morvane is running... Move your mouse to the top of screen, you will see it.", 0);
    });
    system.endProcess();
    return;
  }
  // What an earlier run left behind is tidied only by the one instance that runs.
  SkipOnError([&] { RemoveStaleSettingsFiles(system); });

  CommandLineForm form;
  SkipOnError([&] {
    const LocalTime now = system.now();
    form = ParseCommandLine(command, [&](std::string_view text) { return system.convertDateTime(text, now); });
  });
  switch (form.kind) {
    case CommandLineForm::Kind::Empty:
      SkipOnError([&] { ShowSplash(program); });
      break;
    case CommandLineForm::Kind::Shutdown:
      // Asked for at once, so acted on at once; a refusal is told, and then the program ends.
      if (!DoShutdown(program)) system.endProcess();
      break;
    case CommandLineForm::Kind::After:
      StartFromCommandLine(program, true, [&](MainBar& f) {
        f.afterHours.setText(form.first);
        f.afterMinutes.setText(form.second);
      });
      break;
    case CommandLineForm::Kind::AtToday:
      StartFromCommandLine(program, false, [&](MainBar& f) {
        f.atHour.setText(form.first);
        f.atMinute.setText(form.second);
      });
      break;
    case CommandLineForm::Kind::AtDateTime:
      StartFromCommandLine(program, false, [&](MainBar& f) {
        f.atHour.setText(std::to_string(form.hour));
        f.atMinute.setText(std::to_string(form.minute));
        f.atYear.setText(std::to_string(form.year));
        f.atMonth.setText(std::to_string(form.month));
        f.atDay.setText(std::to_string(form.day));
      });
      break;
    case CommandLineForm::Kind::Invalid:
      SkipOnError([&] { ShowMessage(program, "Error Parameter!", 0); });
      SkipOnError([&] { ShowSplash(program); });
      break;
  }
}

}  // namespace morvane
