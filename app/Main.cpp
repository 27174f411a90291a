// Start-up: the single-instance rule and the six command-line forms.
#include "app/Main.h"

#include "app/CommandLine.h"
#include "ui/Module1.h"
#include "ui/Program.h"
#include "ui/dialogs/About.h"
#include "ui/main/Form1.h"
#include "platform/SkipOnError.h"

namespace morvane {

namespace {

void ShowSplash(Program& program) { program.about().show(); }

// Forms 3 to 5: the bar loads first (restoring the settings and today's date), the
// command-line values overwrite its fields, the mode is chosen, and Start is pressed last.
template <class WriteFields>
void StartFromCommandLine(Program& program, bool afterMode, WriteFields write) {
  Form1* form = nullptr;
  SkipOnError([&] { form = &program.form1(); });
  if (!form) return;
  SkipOnError([&] { write(*form); });
  SkipOnError([&] { form->show(); });
  SkipOnError([&] { afterMode ? form->Label3_Click() : form->Label4_Click(); });
  SkipOnError([&] { form->xpcmdbutton1_Click(0); });
}

}  // namespace

// Every step runs under the skip-on-error rule.
void Main(Program& program) {
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

  CommandLineForm form;
  SkipOnError([&] { form = ParseCommandLine(command, system.now(), system.localeFormats()); });
  switch (form.kind) {
    case CommandLineForm::Kind::Empty:
      SkipOnError([&] { ShowSplash(program); });
      break;
    case CommandLineForm::Kind::Shutdown:
      DoShutdown(program);
      break;
    case CommandLineForm::Kind::After:
      StartFromCommandLine(program, true, [&](Form1& f) {
        f.Text8.setText(form.first);
        f.Text9.setText(form.second);
      });
      break;
    case CommandLineForm::Kind::AtToday:
      StartFromCommandLine(program, false, [&](Form1& f) {
        f.Text6.setText(form.first);
        f.Text7.setText(form.second);
      });
      break;
    case CommandLineForm::Kind::AtDateTime:
      StartFromCommandLine(program, false, [&](Form1& f) {
        f.Text6.setText(std::to_string(form.hour));
        f.Text7.setText(std::to_string(form.minute));
        f.Text3.setText(std::to_string(form.year));
        f.Text4.setText(std::to_string(form.month));
        f.Text5.setText(std::to_string(form.day));
      });
      break;
    case CommandLineForm::Kind::Invalid:
      SkipOnError([&] { ShowMessage(program, "Error Parameter!", 0); });
      SkipOnError([&] { ShowSplash(program); });
      break;
  }
}

}  // namespace morvane
