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

// The schedule forms (after, at today, at a date, each with an action word or none): the bar
// loads first (restoring the settings and today's date) and is handed the schedule to start.
void StartFromCommandLine(Program& program, const Schedule& schedule) {
  MainBar* bar = nullptr;
  SkipOnError([&] { bar = &program.mainBar(); });
  if (!bar) return;
  bar->startSchedule(schedule);
}

// An action word alone is done at once. Shut down, restart and log off end the program, and so
// does their refusal once told; after a sleep, hibernate or lock (done, refused, or not offered
// at all) the run goes on as a start with no arguments does.
void ActNow(Program& program, Action action) {
  if (EndsTheProgram(action)) {
    if (!DoAction(program, action)) program.system().endProcess();
    return;
  }
  bool offered = false;
  SkipOnError([&] { offered = ActionOffered(program, action); });
  if (offered) DoAction(program, action);
  SkipOnError([&] { ShowSplash(program); });
}

}  // namespace

// Every step runs under the skip-on-error rule.
void StartUp(Program& program) {
  System& system = program.system();
  std::string command;
  SkipOnError([&] { command = system.commandLine(); });

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
    case CommandLineForm::Kind::ActNow:
      ActNow(program, form.action);
      break;
    case CommandLineForm::Kind::Schedule:
      StartFromCommandLine(program, form.schedule);
      break;
    case CommandLineForm::Kind::Invalid:
      SkipOnError([&] { ShowMessage(program, "Error Parameter!"); });
      SkipOnError([&] { ShowSplash(program); });
      break;
  }
}

}  // namespace morvane
