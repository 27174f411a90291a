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

// The schedule forms (after, at today, at a date): the bar loads first (restoring the settings
// and today's date) and is handed the schedule to start.
void StartFromCommandLine(Program& program, ScheduleMode mode, const std::vector<MainBar::FieldText>& fields) {
  MainBar* bar = nullptr;
  SkipOnError([&] { bar = &program.mainBar(); });
  if (!bar) return;
  bar->startSchedule(mode, fields);
}

}  // namespace

// Every step runs under the skip-on-error rule.
void StartUp(Program& program) {
  System& system = program.system();
  std::string command;
  SkipOnError([&] { command = LowerCase(Unquoted(system.commandLine())); });

  // A check that fails, or throws, may hide another instance: it counts as one.
  bool first = false;
  SkipOnError([&] { first = system.claimSingleInstance(); });
  if (!first) {
    SkipOnError([&] {
      ShowMessage(program, "Morvane is running... Move your mouse to the top of screen, you will see it.");
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
      StartFromCommandLine(program, ScheduleMode::After,
                           {{Field::AfterHours, form.first}, {Field::AfterMinutes, form.second}});
      break;
    case CommandLineForm::Kind::AtToday:
      StartFromCommandLine(program, ScheduleMode::At, {{Field::AtHour, form.first}, {Field::AtMinute, form.second}});
      break;
    case CommandLineForm::Kind::AtDateTime:
      StartFromCommandLine(program, ScheduleMode::At,
                           {{Field::AtHour, std::to_string(form.hour)}, {Field::AtMinute, std::to_string(form.minute)},
                            {Field::AtYear, std::to_string(form.year)}, {Field::AtMonth, std::to_string(form.month)},
                            {Field::AtDay, std::to_string(form.day)}});
      break;
    case CommandLineForm::Kind::Invalid:
      SkipOnError([&] { ShowMessage(program, "Error Parameter!"); });
      SkipOnError([&] { ShowSplash(program); });
      break;
  }
}

}  // namespace morvane
